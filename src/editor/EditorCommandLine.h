#pragma once

#include <QString>

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

} // namespace bw
