#include "editor/DesktopHelp.h"

#include "environment/Help.h"
#include "widgets/UserPrompts.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>
#include <QWidget>

namespace bw {

void OpenHelpPage(QWidget* owner, const QString& page, UserPrompts& prompts,
                  const UrlOpener& open) {
    const QUrl url = QUrl::fromLocalFile(page);
    const bool opened = open ? open(url) : QDesktopServices::openUrl(url);
    if (opened)
        return;
    prompts.Message(owner,
                    QStringLiteral("The desktop could not open the help page ") +
                        QDir::toNativeSeparators(page),
                    ProgramTitle, UserPrompts::Icon::Exclamation);
}

void ShowHelpTopic(QWidget* owner, int topic, UserPrompts& prompts) {
#ifdef _WIN32
    static_cast<void>(prompts);
    libHelp::ShowHelpTopic(static_cast<libHelp::NativeWindow>(owner->winId()), topic);
#else
    const std::string page = libHelp::HelpFolderPage(libHelp::HelpTopicAddress(topic));
    OpenHelpPage(owner, QString::fromStdString(page), prompts);
#endif
}

} // namespace bw
