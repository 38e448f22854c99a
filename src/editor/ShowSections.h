#pragma once

#include <array>

namespace bw {

// What the options panel shows for a section.
enum class SectionOptions { None, Animation, Musical };

// What each section of a show means to the window: its tab, its title and instructions, the
// filter of its add dialog and the options it shows. The table is read wherever the window does
// something that depends on the section.
struct ShowSectionInfo {
    const char* caption; // the tab's caption, also its key
    const char* toolTip;
    const char* title;
    const char* instructions;
    // The add dialog's filters and the one it starts on; none for the interactive groups, which
    // are added by the group dialogs.
    const char* addFilter;
    int addFilterIndex;
    SectionOptions options;
    // The lights-off choice applies to every section but the background.
    bool lightsOff;
};

inline constexpr const char* AnimationFilter = "Animation Sequences|*.kas";
inline constexpr const char* AllSequencesFilter =
    "All Sequences|*.kas;*.kms|Animation Sequences|*.kas|Musical Sequences|*.kms";

// By tab index minus one.
inline constexpr std::array<ShowSectionInfo, 6> ShowSections{{
    {"Background", "Edit the background animation playlist", "Background Sequences",
     "List the animation sequences that will run during the entire show.\n\nFor static displays "
     "using X10 controllers, the sequences should contain a single ON event and be about one "
     "minute long.",
     AnimationFilter, 1, SectionOptions::None, false},
    {"Startup", "Edit the startup index", "Startup Sequences",
     "List the sequences that will be run when the show starts.", AllSequencesFilter, 1,
     SectionOptions::None, true},
    {"Animation", "Edit the animation sequence playlist", "Animation Sequences",
     "List the animation sequences that will run during the show (between Startup and "
     "Shutdown).",
     AnimationFilter, 1, SectionOptions::Animation, true},
    {"Musical", "Edit the musical  playlist", "Musical Sequences",
     "List the musical sequences that will run during the show (between Startup and Shutdown).",
     AllSequencesFilter, 3, SectionOptions::Musical, true},
    {"Interactive", "Edit the interactive groups", "Interactive Groups",
     "List the interactive groups that will wait on triggers during the show (between Startup "
     "and Shutdown).",
     nullptr, 0, SectionOptions::None, true},
    {"Shutdown", "Edit the shutdown animation playlist", "Shutdown Sequences",
     "List the sequences that will be run to shut down the show.", AllSequencesFilter, 1,
     SectionOptions::None, true},
}};

// The section of a tab index, counted from 1; the first for an index out of range.
constexpr const ShowSectionInfo& SectionOfTab(int tab) {
    return ShowSections[tab >= 1 && tab <= static_cast<int>(ShowSections.size()) ? tab - 1 : 0];
}

} // namespace bw
