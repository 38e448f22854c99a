// What opening a show with 10,000 animation sequences and switching to the Animation tab costs in
// the main window, as a ratio to the least that any window listing them must do: fill a list
// with their 10,000 names in one call. And what autosave adds to typing in the Delay box of a
// show with 100,000 musical sequences. Runs offscreen unless a platform is given.

#include "KeepingReporter.h"
#include "NextFilePrompts.h"
#include "editor/frmShow.h"
#include "environment/RecoveryStore.h"
#include "environment/SequenceName.h"
#include "session/AutosaveController.h"
#include "session/DocumentAutosave.h"
#include "showfile/File.h"
#include "showfile/ShowFunctions.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int EntryCount = 10000;

std::string SequencePath(int number) {
    char name[64];
    std::snprintf(name, sizeof name, "C:\\Shows\\Animation\\Sequence %05d.kas", number);
    return name;
}

// Writes a show of `count` sequences in the playlist that `section` picks to `name` in `folder`;
// the file's path, or empty when it cannot be written.
QString WriteLongShow(const QTemporaryDir& folder, const QString& name,
                      const bw::PlaylistPtr& (bw::Show::*section)() const, int count) {
    bw::Show show;
    for (int i = 1; i <= count; ++i)
        (show.*section)()->List().push_back(SequencePath(i));
    const QString path = folder.filePath(name);
    return folder.isValid() && bw::File::WriteWholeFile(path.toStdString(),
                                                        bw::ShowFunctions::ShowToText(show)) == 0
               ? path
               : QString();
}

QStringList DisplayNames() {
    QStringList names;
    for (int i = 1; i <= EntryCount; ++i)
        names << QString::fromStdString(bw::File::SequenceDisplayName(SequencePath(i)));
    return names;
}

void FillBareList(benchmark::State& state) {
    const QStringList names = DisplayNames();
    for (auto _ : state) {
        QListWidget list;
        list.addItems(names);
        benchmark::DoNotOptimize(list.count());
    }
}
BENCHMARK(FillBareList)->Unit(benchmark::kMillisecond);

// The Open command (reading the file, building the show, setting up the Background tab) and
// the click on the Animation tab that lists the 10,000 sequences.
void OpenShowAndShowAnimationTab(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path =
        WriteLongShow(folder, QStringLiteral("Long.kss"), &bw::Show::Main, EntryCount);
    if (path.isEmpty()) {
        state.SkipWithError("cannot write the show file");
        return;
    }

    NextFilePrompts prompts;
    prompts.next = path;
    bw::frmShow window(prompts, {});
    auto* tabs = window.findChild<QTabBar*>(QStringLiteral("tsMain"));
    auto* list = window.findChild<QAbstractItemView*>(QStringLiteral("lbSequences"))->model();
    auto* newShow = window.findChild<QAction*>(QStringLiteral("New"));
    auto* open = window.findChild<QAction*>(QStringLiteral("Open"));
    for (auto _ : state) {
        // Each opening starts, as after the program's start, from a new show on the first tab.
        state.PauseTiming();
        newShow->trigger();
        tabs->setCurrentIndex(bw::frmShow::BackgroundTab - 1);
        state.ResumeTiming();

        open->trigger();
        tabs->setCurrentIndex(bw::frmShow::AnimationTab - 1);
        benchmark::DoNotOptimize(list->rowCount());
    }
    if (list->rowCount() != EntryCount)
        state.SkipWithError("the Animation tab does not list the show's sequences");
}
BENCHMARK(OpenShowAndShowAnimationTab)->Unit(benchmark::kMillisecond);

// Typing in the Delay box of a 100,000-song show, one key and the events it leaves per iteration,
// with autosave keeping a copy (argument 1) or without. The keys come faster than autosave's
// pause, as a person's do, so its copy is made only once the typing stops.
void TypeInDelayBox(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path =
        WriteLongShow(folder, QStringLiteral("Songs.kss"), &bw::Show::Musical, 100000);
    if (path.isEmpty()) {
        state.SkipWithError("cannot write the show file");
        return;
    }
    NextFilePrompts prompts;
    prompts.next = path;
    bw::frmShow window(prompts, {});
    window.findChild<QAction*>(QStringLiteral("Open"))->trigger();
    window.findChild<QTabBar*>(QStringLiteral("tsMain"))
        ->setCurrentIndex(bw::frmShow::MusicalTab - 1);
    auto* delay = window.findChild<QLineEdit*>(QStringLiteral("txtDelay"));
    delay->setFocus();

    bw::RecoveryStore store(folder.path().toStdString() + "/recovery",
                            bw::ProcessIdentity::Current());
    std::unique_ptr<bw::AutosaveController> autosave;
    if (state.range(0) == 1) {
        autosave = bw::AutosaveDocument(store, window.Document());
        autosave->ModifiedChanged(true);
    }
    // A digit and its deletion bring the show back to its saved state, so what counts is that
    // each key reached the show.
    int edits = 0;
    QObject::connect(&window.Document(), &bw::ShowDocument::changed, [&edits] { ++edits; });
    bool digit = true;
    for (auto _ : state) {
        QTest::keyClick(delay, digit ? Qt::Key_7 : Qt::Key_Backspace);
        QCoreApplication::processEvents();
        digit = !digit;
    }
    if (edits < state.iterations())
        state.SkipWithError("typing in the Delay box did not reach the show");
}
BENCHMARK(TypeInDelayBox)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bw::bench::KeepingReporter reporter;
    if (!bw::bench::RunBenchmarks(argc, argv, reporter))
        return 1;

    const auto bare = reporter.Find("FillBareList");
    const auto window = reporter.Find("OpenShowAndShowAnimationTab");
    if (bare && window && bare->real > 0)
        std::printf("Opening a show of 10,000 animation sequences and showing them / filling a "
                    "bare list with their names: %.2f\n",
                    window->real / bare->real);
    const auto plain = reporter.Find("TypeInDelayBox/0");
    const auto saved = reporter.Find("TypeInDelayBox/1");
    if (plain && saved && plain->real > 0)
        std::printf("Typing in the Delay box of a show of 100,000 songs, with autosave / without: "
                    "%.2f\n",
                    saved->real / plain->real);
    return 0;
}
