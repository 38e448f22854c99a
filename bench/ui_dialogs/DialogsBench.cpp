// What opening the show options dialog costs, as a ratio to making two bare combo boxes and
// filling them the ordinary way (addItems) with the 240 unit texts and the 512 input texts.
// Runs offscreen unless a platform is given.

#include "KeepingReporter.h"
#include "dialogs/LibDropdown.h"
#include "dialogs/ShowEditorHost.h"
#include "dialogs/frmOptions.h"
#include "model/TriggerFunctions.h"
#include "widgets/QtUserPrompts.h"

#include <QApplication>
#include <QComboBox>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

class BenchHost : public bw::ShowEditorHost {
public:
    bw::ShowPtr show = std::make_shared<bw::Show>();
    bw::ShowPtr MyShow() const override { return show; }
    QString DefaultPath() const override { return {}; }
    bw::UserPrompts& Prompts() const override { return prompts_; }
    void SetUnsavedInfo() override {}
    void PopulateListboxWithInteractive() override {}

private:
    mutable bw::QtUserPrompts prompts_;
};

void FillTwoBareComboBoxes(benchmark::State& state) {
    const QStringList& units = bw::LibDropdown::UnitIdTexts();
    const QStringList& inputs = bw::LibDropdown::InputNumberTexts();
    for (auto _ : state) {
        QComboBox unitList;
        QComboBox inputList;
        unitList.addItems(units);
        inputList.addItems(inputs);
        benchmark::DoNotOptimize(unitList.count() + inputList.count());
    }
}
BENCHMARK(FillTwoBareComboBoxes)->Unit(benchmark::kMicrosecond);

// Creating the dialog (controls, filled lists) and loading a show with a startup trigger into it.
void OpenShowOptions(benchmark::State& state) {
    BenchHost host;
    host.show->SetStartupType(1);
    host.show->SetStartupTrigger(bw::TriggerFunctions::NewTrigger(2, 16, 512, "Gate"));
    for (auto _ : state) {
        bw::frmOptions dialog(host);
        dialog.SetShow(host.show);
        benchmark::DoNotOptimize(dialog.isEnabled());
    }
}
BENCHMARK(OpenShowOptions)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bw::bench::KeepingReporter reporter;
    if (!bw::bench::RunBenchmarks(argc, argv, reporter))
        return 1;

    const auto bare = reporter.Find("FillTwoBareComboBoxes");
    const auto dialog = reporter.Find("OpenShowOptions");
    if (bare && dialog && bare->real > 0 && bare->cpu > 0)
        std::printf("Opening the show options dialog / filling two bare combo boxes: "
                    "%.2f (real time), %.2f (CPU time)\n",
                    dialog->real / bare->real, dialog->cpu / bare->cpu);
    return 0;
}
