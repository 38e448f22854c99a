#pragma once

#include "environment/TextEncoding.h"
#include "model/Show.h"

#include <optional>
#include <string>
#include <vector>

// What a user should know about a show before it runs: one readable line per finding, with the
// place in the show it is about, so that the editor can take the user there. The editor's check
// window and `bwshowtool check` both list these findings, in the same words.
namespace bw::ShowCheck {

// The sections in the order and with the numbers of the editor's tabs, then what is not a tab.
enum class Section {
    Background = 1,
    Startup = 2,
    Animation = 3,
    Musical = 4,
    Interactive = 5,
    Shutdown = 6,
    Options = 7,
    ShowFile = 8,
};

// The section's name as the findings use it ("Background", ..., "Show options", "Show file").
std::string SectionName(Section section);

enum class Severity {
    Problem,
    // Something that can be meant, a repeat or an empty section.
    Warning,
};

struct Finding {
    Severity severity = Severity::Problem;
    Section section = Section::Background;
    // The entry the finding is about: its position in the section's list (from 1), or the
    // group's position in the Interactive section (from 1); 0 for the section as a whole.
    int entry = 0;
    // The entry within the group (from 0); -1 for none.
    int groupEntry = -1;
    // The whole line, place included, as `bwshowtool check` prints it.
    std::string text;

    bool operator==(const Finding&) const = default;
};

struct Options {
    // The folder against which relative names are resolved, as the editor resolves them (see
    // LibFile::ResolveSequencePath): empty or ending in a separator.
    std::string sequenceFolder;
    // How the show's file is written. A show read from a file passes what it was read in; without
    // it the show is taken as saving would write it.
    std::optional<TextEncoding::Encoding> fileEncoding;
    // The file's text when `fileEncoding` is given; unused otherwise.
    std::string fileText;
};

// The findings, in the order of the editor's tabs (Background, Startup, Animation, Musical,
// Interactive, Shutdown), then the show as a whole, the show options and the show file:
// - a sequence file, cleanup sequence or triggered sequence that does not exist or has no name;
// - a musical sequence (".kms") in the Background or Animation section or in a Magic Toy group;
// - the same file twice in one section's list (a warning);
// - an empty section (a warning), an empty group, a trigger that starts no file, a group that is
//   independent but not interruptible, which is none of the three group types;
// - an input used by more than one group, or by a group and the startup trigger of a show that
//   starts on it;
// - a show that plays nothing (no Background, Animation or Musical sequence);
// - a startup type that starts the show on a trigger when the show has no startup trigger;
// - a show file in UTF-8, whose names the editor on Windows reads wrong.
// No findings: an empty list.
std::vector<Finding> CheckShow(const Show& show, const Options& options);

// The lines of the findings alone.
std::vector<std::string> Lines(const std::vector<Finding>& findings);

// The finding for a show file written in UTF-8, which the editor on Windows reads in its ANSI
// code page, so that the characters beyond ASCII in the show's text (quoted in the finding) come
// out wrong there.
std::string Utf8FileFinding(const std::string& text);

// One use of an input in the show: by an entry of an interactive group or as the startup trigger
// of a show that starts on a trigger.
struct TriggerUse {
    int network = 0;
    int unitId = 0;
    int inputNumber = 0;
    // The trigger as the editor's lists show it ("Regular, Unit 01, Input 1"), with the user's
    // name for it in front when it has one of its own.
    std::string trigger;
    // What it starts: the group and the files of its entry, or the show.
    std::string starts;
    // The group's position (from 1) and the entry within it (from 0); 0 and -1 for the startup
    // trigger.
    int group = 0;
    int groupEntry = -1;
    // The same input is used by another group or by the startup trigger as well.
    bool conflict = false;
};

// Every input in use, groups in order and the startup trigger last.
std::vector<TriggerUse> TriggerMap(const Show& show);

} // namespace bw::ShowCheck
