#include "editor/DesktopHelp.h"
#include "editor/EditorCommandLine.h"
#include "editor/SaveBackupOffer.h"
#include "editor/frmShow.h"
#include "environment/LibFile.h"
#include "environment/PostInstallLaunch.h"
#include "environment/ProcessIdentity.h"
#include "environment/RecoveryStore.h"
#include "environment/UserDataFolder.h"
#include "session/DocumentAutosave.h"
#include "session/RecoveryOffer.h"
#include "widgets/EditorIcons.h"
#include "widgets/QtUserPrompts.h"

#include <QApplication>

#include <cstdio>
#include <memory>

namespace {

void NameProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("bwshow"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BWSHOW_VERSION));
}

} // namespace

int main(int argc, char* argv[]) {
    // --help and --version print without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (bw::AsksForText(arguments)) {
        const QCoreApplication application(argc, argv);
        NameProgram();
        bw::PrintAskedText(application);
    }

    QApplication application(argc, argv);
    NameProgram();
    // The desktop entry and the window icon belong together on desktops that match them by name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brightwave.BWShow"));
    QApplication::setWindowIcon(bw::EditorIcons::Icon(QStringLiteral("BWShow")));
    const bw::EditorCommandLine commandLine = bw::ParseEditorCommandLine(application);
    // An editor that only prints its caption waits for no one: what it would say goes to
    // standard error.
    bw::QtUserPrompts shownPrompts;
    bw::PrintedPrompts printedPrompts;
    bw::UserPrompts& prompts =
        commandLine.printCaption ? static_cast<bw::UserPrompts&>(printedPrompts) : shownPrompts;

    // The suite's per-user installation must be complete before the editor opens; the check
    // explains itself when it is not.
    const bool installed = bw::PostInstallLaunch::CheckInstallation(
        [&prompts](const std::string& text, const std::string& title) {
            prompts.Message(nullptr, QString::fromStdString(text), QString::fromStdString(title),
                            bw::UserPrompts::Icon::None);
        });
    if (!installed)
        return 1;

    bw::frmShowEnvironment environment;
    environment.defaultPath = QString::fromStdString(bw::LibFile::GetNonAudioPath());
    environment.showHelpTopic = [&prompts](QWidget* owner, int topic) {
        bw::ShowHelpTopic(owner, topic, prompts);
    };

    if (!commandLine.printCaption)
        environment.recentShows = bw::RecentShows::UserPlace();

    bw::frmShow window(prompts, std::move(environment));
    window.show();
    // An editor that only prints its caption leaves the user's kept work alone.
    bw::RecoveryStore recovery(bw::UserDataFolder::SubFolder("recovery"),
                               bw::ProcessIdentity::Current());
    std::unique_ptr<bw::AutosaveController> autosave;
    if (!commandLine.printCaption) {
        // Saves that did not finish left copies of the shows they wrote over; a named show may
        // be one.
        bw::OfferLeftSaveBackups(&window, prompts);
        // Unsaved changes of an editor that ended without saving them come back as unsaved
        // changes, before any show named on the command line asks to replace them.
        if (auto recovered = bw::OfferRecovery(recovery, prompts, &window))
            window.Document().TakeUnsaved(std::move(recovered->show), recovered->fileName);
        autosave = bw::AutosaveDocument(recovery, window.Document());
        QObject::connect(&window, &bw::frmShow::changesLetGo, autosave.get(),
                         &bw::AutosaveController::Discard);
    }
    // A show named on the command line, as the file manager hands it over, opens like one chosen
    // with Open.
    if (!commandLine.showFile.isEmpty())
        window.OpenShowFile(commandLine.showFile);
    if (commandLine.printCaption) {
        std::puts(window.windowTitle().toUtf8().constData());
        const bool opened =
            commandLine.showFile.isEmpty() || window.ShowFileName() == commandLine.showFile;
        return printedPrompts.Said() || !opened ? 1 : 0;
    }
    return QApplication::exec();
}
