#include "dialogs/QtUserPrompts.h"
#include "editor/frmShow.h"
#include "environment/Help.h"
#include "environment/LibFile.h"
#include "environment/PostInstallLaunch.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    bw::QtUserPrompts prompts;

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
    environment.showHelpTopic = [](QWidget* owner, int topic) {
        bw::libHelp::ShowHelpTopic(static_cast<bw::libHelp::NativeWindow>(owner->winId()), topic);
    };

    bw::frmShow window(prompts, std::move(environment));
    window.show();
    return QApplication::exec();
}
