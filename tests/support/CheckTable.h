#pragma once

#include "model/Show.h"
#include "tooling/ShowJson.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

// The shows of tests/data/check and the findings expected of each, shared by the tests of the
// check, of `bwshowtool check` and of the check window. NAME.json is the show; NAME.txt holds one
// finding a line: the section (the tab's number, 7 show options, 8 show file), the entry, the
// entry within the group ("-" for none) and P or W for a problem or a warning, then a tab and the
// line. "<folder>" is the sequence folder, holding the files of CheckFolderFiles. No show file
// holds an empty group or a trigger without files: EmptyMarkedParts makes them in memory, so
// "empty-group" is a show of the check only.
namespace bw::test {

inline const std::vector<std::string> CheckShows{"clean",         "every-kind", "shared-triggers",
                                                 "plays-nothing", "non-latin",  "non-latin-trigger",
                                                 "empty-group"};
inline const std::vector<std::string> CheckFolderFiles{"a.kas", "b.kas", "song.kms", "LOUD.KMS",
                                                       "clean.kas"};

struct ExpectedFinding {
    int section = 0, entry = 0, groupEntry = -1;
    bool warning = false;
    std::string text;
};

inline std::string CheckData(const std::string& name, const std::string& folder) {
    std::ifstream in(BWSHOW_TEST_DATA "/check/" + name, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string written = folder;
    if (name.ends_with(".json")) // a JSON text writes a backslash (Windows) twice
        for (std::size_t at = 0; (at = written.find('\\', at)) != written.npos; at += 2)
            written.insert(at, 1, '\\');
    for (std::size_t at; (at = text.find("<folder>")) != std::string::npos;)
        text.replace(at, 8, written);
    return text;
}

inline std::vector<ExpectedFinding> ExpectedFindings(const std::string& show,
                                                     const std::string& folder) {
    std::vector<ExpectedFinding> findings;
    std::istringstream lines(CheckData(show + ".txt", folder));
    for (std::string line; std::getline(lines, line);) {
#ifdef _WIN32 // shows are written in the ANSI code page there, never in UTF-8
        if (line.find("\tShow file is written in UTF-8") != std::string::npos)
            continue;
#endif
        const std::size_t tab = line.find('\t');
        std::istringstream place(line.substr(0, tab));
        ExpectedFinding& finding = findings.emplace_back();
        std::string groupEntry, kind;
        place >> finding.section >> finding.entry >> groupEntry >> kind;
        finding.groupEntry = groupEntry == "-" ? -1 : std::stoi(groupEntry);
        finding.warning = kind == "W";
        finding.text = tab == std::string::npos ? "" : line.substr(tab + 1);
    }
    return findings;
}

// Takes the entries of every group named "Empty" and the files of every trigger named "None".
inline void EmptyMarkedParts(Show& show) {
    for (const InteractiveGroupPtr& group : *show.InteractiveGroups()) {
        if (group->Name() == "Empty")
            while (group->Count() > 0)
                group->DeleteTriggeredSequence(0);
        for (int i = 0; i < group->Count(); ++i)
            if (group->GetTriggeredSequences(i)->Trig()->Name() == "None")
                group->GetTriggeredSequences(i)->ClearSequences();
    }
}

// The show of check/NAME.json, its marked parts emptied.
inline ShowPtr CheckShow(const std::string& name, const std::string& folder) {
    ShowPtr show = ShowJson::ShowFromJson(ShowJson::ParseJson(CheckData(name + ".json", folder)));
    EmptyMarkedParts(*show);
    return show;
}

} // namespace bw::test
