#include "editor/EditorCommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

namespace bw {

namespace {

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption printCaption{
        QStringLiteral("print-caption"),
        QStringLiteral("Start as usual, then print the window's caption and end instead of "
                       "waiting for the user: shows that the editor starts and which show it "
                       "opened. A message the editor would show on the way goes to standard "
                       "error instead; the exit status is 1 when it said anything or could not "
                       "open the show.")};

    Parser() {
        parser.setApplicationDescription(
            QStringLiteral("The show editor of the Brightwave lighting-control suite."));
        parser.addOption(printCaption);
        parser.addPositionalArgument(QStringLiteral("file"),
                                     QStringLiteral("The show file (.kss) to open."),
                                     QStringLiteral("[file]"));
    }
};

} // namespace

EditorCommandLine ParseEditorCommandLine(const QCoreApplication& application) {
    Parser command;
    QCommandLineParser& parser = command.parser;
    parser.process(application);

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs("bwshow: only one show file can be opened\n", stderr);
        std::exit(EXIT_FAILURE);
    }
    EditorCommandLine commandLine;
    if (!files.isEmpty())
        commandLine.showFile = QFileInfo(files.constFirst()).absoluteFilePath();
    commandLine.printCaption = parser.isSet(command.printCaption);
    return commandLine;
}

bool AsksForText(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--"))
            return false; // only files follow
        for (const char* option : {"-h", "--help", "-?", "-v", "--version"})
            if (argument == QLatin1String(option))
                return true;
    }
    return false;
}

void PrintAskedText(const QCoreApplication& application) {
    Parser command;
    // Unknown options are the window system's here; what matters is only which text is asked.
    static_cast<void>(command.parser.parse(application.arguments()));
    if (command.parser.isSet(command.version))
        command.parser.showVersion();
    command.parser.showHelp(EXIT_SUCCESS);
}

void PrintedPrompts::Message(QWidget*, const QString& text, const QString& title, Icon) {
    said_ = true;
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
}

bool PrintedPrompts::Question(QWidget* parent, const QString& text, const QString& title) {
    Message(parent, text, title, Icon::None);
    return false;
}

std::optional<QStringList> PrintedPrompts::OpenFiles(QWidget*, const FileDialogRequest&) {
    return std::nullopt;
}

std::optional<QString> PrintedPrompts::SaveFile(QWidget*, const FileDialogRequest&) {
    return std::nullopt;
}

} // namespace bw
