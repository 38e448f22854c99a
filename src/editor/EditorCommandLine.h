#pragma once

#include "widgets/UserPrompts.h"

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace bw {

// What the editor is asked for on its command line.
struct EditorCommandLine {
    // The show file to open at start, as an absolute path; empty for a new show.
    QString showFile;
    // Print the window's caption once the editor has started, and end.
    bool printCaption = false;
};

// Reads the command line of the running program. --help and --version print their text and end
// the program, and so does a command line that cannot be used, with an explanation.
EditorCommandLine ParseEditorCommandLine(const QCoreApplication& application);

// Whether the arguments (the program's name first) ask for --help or --version. Those only print
// a text, so the program answers them before it connects to a display, which may not be there.
bool AsksForText(const QStringList& arguments);

// Prints the help or version text that the command line asks for and ends the program. Made for
// a QCoreApplication, whose arguments still hold the window system's options (-platform ...):
// those are not refused here.
[[noreturn]] void PrintAskedText(const QCoreApplication& application);

// The prompts of an editor that must not wait for anyone (--print-caption): each message and
// question goes to standard error, questions are answered No and file dialogs cancelled.
class PrintedPrompts : public UserPrompts {
public:
    void Message(QWidget* parent, const QString& text, const QString& title, Icon icon) override;
    bool Question(QWidget* parent, const QString& text, const QString& title) override;
    std::optional<QStringList> OpenFiles(QWidget* parent,
                                         const FileDialogRequest& request) override;
    std::optional<QString> SaveFile(QWidget* parent, const FileDialogRequest& request) override;

    // Whether anything was said.
    bool Said() const { return said_; }

private:
    bool said_ = false;
};

} // namespace bw
