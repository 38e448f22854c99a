// Draws the main window and the four dialogs, each as it first opens, into <folder>/<name>.png.
// Usage: ui_screenshots <folder> [Qt options such as -platform offscreen]

#include "dialogs/ShowEditorHost.h"
#include "dialogs/frmChooseGroupType.h"
#include "dialogs/frmInteractiveGroupEditor.h"
#include "dialogs/frmOptions.h"
#include "dialogs/frmTriggeredSequenceEditor.h"
#include "editor/frmShow.h"
#include "model/InteractiveGroup.h"
#include "model/Show.h"
#include "model/TriggeredSequences.h"
#include "widgets/QtUserPrompts.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include <cstdio>
#include <memory>

namespace {

// The main window as the dialogs see it, with an empty show.
class Host : public bw::ShowEditorHost {
public:
    bw::ShowPtr MyShow() const override { return show_; }
    QString DefaultPath() const override { return QStringLiteral("C:\\Shows\\"); }
    bw::UserPrompts& Prompts() const override { return prompts_; }
    void SetUnsavedInfo() override {}
    void PopulateListboxWithInteractive() override {}

private:
    bw::ShowPtr show_ = std::make_shared<bw::Show>();
    mutable bw::QtUserPrompts prompts_;
};

// Shows the window, lets it lay itself out and draws it.
bool Save(QWidget& window, const QDir& folder, const QString& name) {
    window.show();
    QApplication::processEvents();
    const bool saved = window.grab().save(folder.filePath(name + QStringLiteral(".png")), "PNG");
    window.hide();
    if (!saved)
        std::fprintf(stderr, "cannot save %s\n", qPrintable(name));
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: ui_screenshots <folder>\n");
        return 2;
    }
    const QDir folder(arguments.at(1));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;

    bw::QtUserPrompts prompts;
    bw::frmShow window(prompts, bw::frmShowEnvironment{QStringLiteral("C:\\Shows\\"), {}, {}});
    bool saved = Save(window, folder, QStringLiteral("main-window"));

    Host host;
    bw::frmOptions options(host);
    options.SetShow(host.MyShow());
    saved = Save(options, folder, QStringLiteral("show-options")) && saved;

    bw::frmChooseGroupType chooser(host);
    saved = Save(chooser, folder, QStringLiteral("group-type")) && saved;

    bw::frmInteractiveGroupEditor groupEditor(host);
    groupEditor.SetIG(std::make_shared<bw::InteractiveGroup>());
    saved = Save(groupEditor, folder, QStringLiteral("group-editor")) && saved;

    bw::frmTriggeredSequenceEditor sequenceEditor(host);
    sequenceEditor.SetIG(std::make_shared<bw::InteractiveGroup>());
    sequenceEditor.SetTS(std::make_shared<bw::TriggeredSequences>());
    saved = Save(sequenceEditor, folder, QStringLiteral("sequence-editor")) && saved;
    return saved ? 0 : 1;
}
