#include "editor/DesktopHelp.h"

#include "environment/Help.h"
#include "widgets/UserPrompts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

namespace bw {

namespace {

// QDesktopServices hands a page to xdg-open and reports success once xdg-open has started, even
// when it then finds nothing to open the page with; its exit status tells.
bool OpenOnDesktop(const QUrl& url, const std::function<void()>& failed) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString launcher = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!launcher.isEmpty()) {
        auto* process = new QProcess(QCoreApplication::instance());
        process->setProgram(launcher);
        process->setArguments({url.toString(QUrl::FullyEncoded)});
        process->setStandardOutputFile(QProcess::nullDevice());
        QObject::connect(process, &QProcess::finished, process,
                         [process, failed](int exitCode, QProcess::ExitStatus status) {
                             if (status != QProcess::NormalExit || exitCode != 0)
                                 failed();
                             process->deleteLater();
                         });
        QObject::connect(process, &QProcess::errorOccurred, process,
                         [process, failed](QProcess::ProcessError error) {
                             if (error != QProcess::FailedToStart)
                                 return;
                             failed();
                             process->deleteLater();
                         });
        process->start();
        return true;
    }
#else
    static_cast<void>(failed);
#endif
    return QDesktopServices::openUrl(url);
}

} // namespace

void OpenHelpPage(QWidget* owner, const QString& page, UserPrompts& prompts,
                  const UrlOpener& open) {
    const QString shownPage = QDir::toNativeSeparators(page);
    if (!QFileInfo(page).isFile()) {
        prompts.Message(owner, QStringLiteral("The help page is missing: ") + shownPage,
                        ProgramTitle, UserPrompts::Icon::Exclamation);
        return;
    }
    const QPointer<QWidget> guardedOwner(owner);
    const auto tell = [guardedOwner, shownPage, &prompts] {
        prompts.Message(guardedOwner,
                        QStringLiteral("The desktop could not open the help page ") + shownPage,
                        ProgramTitle, UserPrompts::Icon::Exclamation);
    };
    const QUrl url = QUrl::fromLocalFile(page);
    if (!(open ? open(url, tell) : OpenOnDesktop(url, tell)))
        tell();
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
