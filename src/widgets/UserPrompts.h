#pragma once

#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace bw {

// The title of the program's own message boxes.
inline const QString ProgramTitle = QStringLiteral("BWShow");

// What a common file dialog is asked for. `filter` is in the pipe form "Shows|*.kss|All|*.*"
// (display name, then pattern) and `filterIndex` counts from 1.
struct FileDialogRequest {
    QString title;
    QString filter;
    int filterIndex = 1;
    QString startFolder;
    QString fileName; // the name the dialog offers first; empty for none
    bool multiple = false;
};

// Everything in the editor that waits for the person: message boxes and file dialogs. The real
// implementation shows Qt's boxes and dialogs; tests put scripted answers in its place.
class UserPrompts {
public:
    enum class Icon { None, Exclamation };

    virtual ~UserPrompts() = default;

    // A message with an OK button only.
    virtual void Message(QWidget* parent, const QString& text, const QString& title, Icon icon) = 0;
    // A question with Yes and No, no icon; true for Yes.
    virtual bool Question(QWidget* parent, const QString& text, const QString& title) = 0;
    // Open dialog: the chosen files as full native paths, or nothing when cancelled.
    virtual std::optional<QStringList> OpenFiles(QWidget* parent,
                                                 const FileDialogRequest& request) = 0;
    // Save dialog that asks before overwriting: the chosen path, or nothing when cancelled.
    virtual std::optional<QString> SaveFile(QWidget* parent, const FileDialogRequest& request) = 0;
    // The save dialog's own question before it replaces a file, for a path that was completed
    // after the dialog had closed; true to replace. `title` is the dialog's title.
    virtual bool ConfirmReplace(QWidget* parent, const QString& path, const QString& title) {
        return Question(parent, ReplaceQuestion(path), title);
    }

    // "Yard.kss already exists.\nDo you want to replace it?", the file dialog's wording.
    static QString ReplaceQuestion(const QString& path) {
        return QStringLiteral("%1 already exists.\nDo you want to replace it?")
            .arg(QFileInfo(path).fileName());
    }
};

} // namespace bw
