#include "tooling/ShowTool.h"

#include "environment/LibFile.h"
#include "environment/TextEncoding.h"
#include "environment/WholeFile.h"
#include "listtext/Error.h"
#include "showfile/File.h"
#include "showfile/ShowFunctions.h"
#include "tooling/ShowCheck.h"
#include "tooling/ShowJson.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <new>
#include <optional>
#include <string>

namespace bw::ShowTool {

namespace {

constexpr const char* Program = "bwshowtool";

const char* const ExitCodesHelp =
    "Exit codes: 0 done, 1 an input file cannot be read (a FIFO, a device and a file of more\n"
    "than 64 MiB are refused unread), 2 the input is not a show,\n"
    "3 the check found something, 4 the output cannot be written, 64 the command line is wrong.";

void Fail(std::ostream& err, const std::string& message) {
    err << Program << ": " << message << '\n';
}

// Opens a show file as the editor's Open does: read whole, then rebuilt from its text. On
// failure says why on `err` and sets `exitCode`.
ShowPtr OpenShow(const std::string& path, std::ostream& err, int& exitCode, std::string& text,
                 TextEncoding::Encoding& encoding) {
    WholeFile::ReadResult failure;
    if (File::ReadWholeFile(path, text, encoding, &failure) != 0) {
        Fail(err, "cannot read " + path + ": " + WholeFile::Describe(failure));
        exitCode = ExitCode::CannotRead;
        return nullptr;
    }
    exitCode = ExitCode::NotAShow;
    try {
        if (ShowPtr show = ShowFunctions::ShowFromText(text)) {
            exitCode = ExitCode::Success;
            return show;
        }
        Fail(err, path + " is not a show file: no show can be built from its text (a section "
                         "cannot be read)");
    } catch (const Error& error) {
        if (error.Number() == ErrorNumber::SubscriptOutOfRange && error.Source().empty())
            Fail(err, path + " is not a show file: its text holds no list");
        else
            Fail(err, path + " is not a show file: " + error.Description());
    }
    return nullptr;
}

// Standard input up to the limit of any file read; false when it is longer or fails.
bool ReadLimited(std::istream& in, std::string& bytes) {
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        if (bytes.size() + static_cast<size_t>(in.gcount()) > WholeFile::MaxBytes)
            return false;
        bytes.append(buffer, static_cast<size_t>(in.gcount()));
    }
    return !in.bad();
}

ShowPtr OpenShow(const std::string& path, std::ostream& err, int& exitCode) {
    std::string text;
    TextEncoding::Encoding encoding{};
    return OpenShow(path, err, exitCode, text, encoding);
}

int Dump(const std::string& path, std::ostream& out, std::ostream& err) {
    int exitCode = ExitCode::Success;
    const ShowPtr show = OpenShow(path, err, exitCode);
    if (!show)
        return exitCode;
    std::string json;
    try {
        json = ShowJson::ShowToJsonText(*show);
    } catch (const std::exception& error) {
        // Texts read from a file are always UTF-8, so this is not expected to happen.
        Fail(err, path + " cannot be written as JSON: " + error.what());
        return ExitCode::NotAShow;
    }
    out << json << std::flush;
    if (!out) {
        Fail(err, "cannot write to standard output");
        return ExitCode::CannotWrite;
    }
    return ExitCode::Success;
}

int Build(const std::string& input, const std::string& output, std::istream& in,
          std::ostream& err) {
    const bool fromStandardInput = input == "-";
    const std::string name = fromStandardInput ? "standard input" : input;
    std::string json;
    if (fromStandardInput) {
        if (!ReadLimited(in, json)) {
            Fail(err, "cannot read standard input" +
                          std::string(in.bad() ? ""
                                               : ": it is larger than any show (more than "
                                                 "64 MiB)"));
            return ExitCode::CannotRead;
        }
    } else if (const WholeFile::ReadResult read = WholeFile::ReadWithResult(input, json); !read) {
        Fail(err, "cannot read " + input + ": " + WholeFile::Describe(read));
        return ExitCode::CannotRead;
    }

    std::string text;
    try {
        const ShowPtr show = ShowJson::ShowFromJson(ShowJson::ParseJson(json));
        text = ShowFunctions::ShowToText(*show);
    } catch (const ShowJson::JsonError& error) {
        Fail(err, name + ": " + error.what());
        return ExitCode::NotAShow;
    } catch (const Error& error) {
        Fail(err, name + ": the show cannot be written: " + error.Description());
        return ExitCode::NotAShow;
    }

    if (File::WriteWholeFile(output, text) != 0) {
        Fail(err, "unable to write to " + output);
        return ExitCode::CannotWrite;
    }
    // The editor writes such files without a word; here the user can still act.
    const TextEncoding::EncodedText written = TextEncoding::Encode(text);
    if (!written.exact)
        Fail(err, "warning: " + output +
                      ": characters that the ANSI code page cannot hold were written as \"?\"");
    else if (written.encoding == TextEncoding::Encoding::Utf8)
        Fail(err, "warning: " + output + ": " + ShowCheck::Utf8FileFinding(text));
    return ExitCode::Success;
}

int Check(const std::string& path, std::ostream& out, std::ostream& err) {
    int exitCode = ExitCode::Success;
    std::string text;
    TextEncoding::Encoding encoding{};
    const ShowPtr show = OpenShow(path, err, exitCode, text, encoding);
    if (!show)
        return exitCode;
    std::vector<std::string> findings = ShowCheck::CheckShow(*show, LibFile::GetNonAudioPath());
    for (std::string& finding : ShowCheck::EncodingFindings(text, encoding))
        findings.push_back(std::move(finding));
    for (const std::string& finding : findings)
        out << finding << '\n';
    out << std::flush;
    if (!out) {
        Fail(err, "cannot write to standard output");
        return ExitCode::CannotWrite;
    }
    return findings.empty() ? ExitCode::Success : ExitCode::Findings;
}

} // namespace

int Run(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err) {
    CLI::App app("Show files of the BWShow editor on the command line: dump a show as JSON, build "
                 "a show file from JSON, check a show before it runs.",
                 Program);
    app.footer(ExitCodesHelp);
    app.set_version_flag("--version", std::string(Program) + " " + BWSHOW_VERSION);
    app.require_subcommand(1);
    // Set before the commands are added, which take it over.
    app.failure_message([](const CLI::App*, const CLI::Error& error) {
        return std::string(Program) + ": " + error.what() + " (see " + Program + " --help)\n";
    });

    std::string dumpPath;
    CLI::App* dump = app.add_subcommand("dump", "Write a show file as JSON to standard output");
    dump->add_option("FILE", dumpPath, "the show file (.kss)")->required();
    dump->footer("The JSON holds every field of the show under the model's property names, in a "
                 "fixed order;\nsee docs/show-json.md.\n\n" +
                 std::string(ExitCodesHelp));

    std::string buildInput = "-";
    std::string buildOutput;
    CLI::App* build = app.add_subcommand("build", "Build a show file from JSON");
    build->add_option("FILE", buildInput, "the JSON file; - or none for standard input");
    build->add_option("-o,--output", buildOutput, "the show file to write (.kss)")->required();
    build->footer(
        "The file is written as the editor saves it, replacing the output file in one step. An "
        "unknown key, a value\nof the wrong type or anything a show cannot hold is "
        "refused and nothing is written; a missing\nkey takes the value of a new show.\n\n" +
        std::string(ExitCodesHelp));

    std::string checkPath;
    CLI::App* check = app.add_subcommand("check", "List what to know before a show runs");
    check->add_option("FILE", checkPath, "the show file (.kss)")->required();
    check->footer(
        "One line each: sequence files that do not exist (resolved against the sequence "
        "folder),\nmusical sequences where only animation sequences play, empty "
        "sections, groups of none of the\nthree types, triggers used by more than one "
        "group, a start on a trigger without a startup\ntrigger, names with bytes that are not "
        "valid in the "
        "file's encoding,\na show file in UTF-8, which the editor on Windows does not read, and "
        "one without a byte\norder mark whose bytes would also read as UTF-8.\nExit code 3 when "
        "anything is "
        "listed.\n\n" +
        std::string(ExitCodesHelp));

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error, out, err) == 0 ? ExitCode::Success : ExitCode::Usage;
    }

    try {
        if (dump->parsed())
            return Dump(dumpPath, out, err);
        if (build->parsed())
            return Build(buildInput, buildOutput, in, err);
        return Check(checkPath, out, err);
    } catch (const std::bad_alloc&) {
        // Only an input near the size limit takes that much, under a tight memory limit.
        Fail(err, "there is not enough memory to read the input");
        return ExitCode::CannotRead;
    }
}

} // namespace bw::ShowTool
