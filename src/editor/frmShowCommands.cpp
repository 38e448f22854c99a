// The show file commands of the main window's toolbar and the closing of the window. The show,
// its file and whether it has changed are the document's; the commands add what the user sees:
// the questions, the file dialogs and the messages.

#include "editor/frmShow.h"

#include "dialogs/frmOptions.h"
#include "editor/TitleWithVersion.h"
#include "listtext/Error.h"
#include "widgets/LibErr.h"
#include "widgets/UserPrompts.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QSessionManager>

namespace bw {

namespace {

const QString EditorTitle = QStringLiteral("BW Show Editor");
const QString ShowFileDialogTitle = QStringLiteral("Select a show file");
constexpr int ShowEditorHelpTopic = 4;

// The part of a show file's path between its last folder separator and its last ".", both
// looked for from the end of the whole path. Without a "." after the last separator the name is
// empty. Paths written on either system are taken apart alike.
QString ShowNameOf(const QString& path) {
    const qsizetype separator =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < separator)
        return {};
    return path.mid(separator + 1, dot - separator - 1);
}

FileDialogRequest ShowFileRequest(const QString& startFolder) {
    FileDialogRequest request;
    request.title = ShowFileDialogTitle;
    request.filter = QStringLiteral("All Files|*.*|Shows|*.kss");
    request.filterIndex = 2;
    request.startFolder = startFolder;
    return request;
}

} // namespace

void frmShow::SetCaption() {
    const QString title = TitleWithVersion(EditorTitle);
    if (ShowFileName().isEmpty())
        setWindowTitle(title);
    else
        setWindowTitle(title + QStringLiteral(" - ") + ShowNameOf(ShowFileName()));
}

void frmShow::UpdateActions() {
    actSave_->setEnabled(!ShowFileName().isEmpty() && HasUnsavedChanges());
}

bool frmShow::ConfirmDiscardChanges() {
    if (!HasUnsavedChanges())
        return true;
    return prompts_.Question(
        this,
        QStringLiteral("Warning.  You have unsaved changes to this show.  If you proceed, these "
                       "changes will be lost.  Do you wish to continue without saving these "
                       "changes?"),
        QStringLiteral("Unsaved Changes"));
}

void frmShow::RunCommand(void (frmShow::*command)()) {
    const ShowPtr before = MyShow();
    try {
        (this->*command)();
    } catch (const std::exception&) {
        // A failing command ends where it failed; the window is brought up to date below.
    }
    // A show that the command replaced has set the window up already.
    if (MyShow() == before)
        ShowCurrentTab();
    UpdateActions();
    SetCaption();
    if (closeAfterCommand_) {
        closeAfterCommand_ = false;
        close();
    }
}

void frmShow::ShowHelp() {
    if (environment_.showHelpTopic)
        environment_.showHelpTopic(this, ShowEditorHelpTopic);
}

// The window closes once the command has ended, through the ordinary closing that asks about
// unsaved changes.
void frmShow::Exit() {
    closeAfterCommand_ = true;
}

void frmShow::NewShow() {
    if (ConfirmDiscardChanges())
        document_->New();
}

void frmShow::EditShowOptions() {
    try {
        frmOptions dialog(*this, this);
        dialog.SetShow(MyShow());
        RunModal(dialog);
    } catch (const Error& error) {
        LibErr::ShowErrorMessage(prompts_, this, QStringLiteral("Cannot Set Show Options"), error);
    } catch (const std::exception& error) {
        LibErr::ShowErrorMessage(prompts_, this, QStringLiteral("Cannot Set Show Options"),
                                 QString::fromLocal8Bit(error.what()));
    }
}

void frmShow::OpenShow() {
    if (!ConfirmDiscardChanges())
        return;
    const std::optional<QStringList> chosen =
        prompts_.OpenFiles(this, ShowFileRequest(environment_.defaultPath));
    if (!chosen || chosen->isEmpty())
        return;
    ReadShowFile(chosen->constFirst());
}

// A text that is no list at all raises in the document, and the command ends without a word.
void frmShow::ReadShowFile(const QString& path) {
    std::string damaged;
    if (!document_->Open(path, &damaged)) {
        prompts_.Message(this, QStringLiteral("Unable to open ") + path, ProgramTitle,
                         UserPrompts::Icon::None);
        return;
    }
    // Names with bytes that were not valid in the file's encoding are kept; the person is told.
    if (!damaged.empty())
        prompts_.Message(this, QString::fromStdString(damaged), ProgramTitle,
                         UserPrompts::Icon::Exclamation);
}

void frmShow::SaveShow() {
    if (!document_->Save())
        prompts_.Message(this, QStringLiteral("Unable to write to ") + ShowFileName(), ProgramTitle,
                         UserPrompts::Icon::None);
}

void frmShow::SaveShowAs() {
    FileDialogRequest request = ShowFileRequest(environment_.defaultPath);
    QString chosen;
    QString target;
    for (;;) {
        const std::optional<QString> answer = prompts_.SaveFile(this, request);
        if (!answer)
            return;
        chosen = *answer;
        // The last "." of the whole path decides, even when it lies in a folder's name.
        const qsizetype dot = chosen.lastIndexOf(QLatin1Char('.'));
        if (dot < 0) {
            target = chosen + QStringLiteral(".kss");
            // The dialog asked about the name as typed; the completed name is asked about here,
            // and No goes back to the dialog, as there.
            const QFileInfo existing(target);
            if (!existing.exists() || existing.isDir() ||
                prompts_.ConfirmReplace(this, target, ShowFileDialogTitle))
                break;
            request.fileName = chosen;
            continue;
        }
        if (chosen.mid(dot + 1) == QLatin1String("kss")) {
            target = chosen;
            break;
        }
        prompts_.Message(this, QStringLiteral("Your file name must end in .kss"),
                         QStringLiteral("Brightwave"), UserPrompts::Icon::None);
        request.fileName = chosen;
    }
    // The new name is kept even when the write failed, so that Save tries the same file again.
    if (!document_->SaveAs(target))
        prompts_.Message(this, QStringLiteral("Unable to write to ") + chosen, ProgramTitle,
                         UserPrompts::Icon::None);
}

void frmShow::OpenShowFile(const QString& path) {
    try {
        if (ConfirmDiscardChanges())
            ReadShowFile(path);
    } catch (const std::exception&) {
        // As with Open: a file that is no show ends the command without a word.
    }
    RefreshOnActivate();
}

void frmShow::closeEvent(QCloseEvent* event) {
    if (!sessionEndAgreed_ && !ConfirmDiscardChanges()) {
        event->ignore();
        return;
    }
    event->accept();
    if (HasUnsavedChanges())
        Q_EMIT changesLetGo();
}

bool frmShow::AgreeToEndSession() {
    sessionEndAgreed_ = ConfirmDiscardChanges();
    if (sessionEndAgreed_ && HasUnsavedChanges())
        Q_EMIT changesLetGo();
    return sessionEndAgreed_;
}

void frmShow::CommitDataRequested(QSessionManager& manager) {
    // Changes are never given up without asking; when the session does not let us ask, it does
    // not end.
    if (HasUnsavedChanges() && !manager.allowsInteraction()) {
        manager.cancel();
        return;
    }
    const bool agreed = AgreeToEndSession();
    if (HasUnsavedChanges())
        manager.release();
    if (!agreed)
        manager.cancel();
}

} // namespace bw
