#include "editor/EditorCommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

namespace bw {

EditorCommandLine ParseEditorCommandLine(const QCoreApplication& application) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The show editor of the Brightwave lighting-control suite."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption printCaption(
        QStringLiteral("print-caption"),
        QStringLiteral("Start as usual, then print the window's caption and end instead of "
                       "waiting for the user: shows that the editor starts and which show it "
                       "opened."));
    parser.addOption(printCaption);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The show file (.kss) to open."),
                                 QStringLiteral("[file]"));
    parser.process(application);

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs("bwshow: only one show file can be opened\n", stderr);
        std::exit(EXIT_FAILURE);
    }
    EditorCommandLine commandLine;
    if (!files.isEmpty())
        commandLine.showFile = QFileInfo(files.constFirst()).absoluteFilePath();
    commandLine.printCaption = parser.isSet(printCaption);
    return commandLine;
}

} // namespace bw
