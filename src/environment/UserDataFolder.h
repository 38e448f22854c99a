#pragma once

#include <string>

// Where the program keeps its own per-user state (recovery copies and the like): not settings,
// not documents, but files that must outlive the program and that the user need not see.
namespace bw::UserDataFolder {

// The program's folder in the user's state folder, with a final separator: "Brightwave/BWShow"
// under $XDG_STATE_HOME, or under ~/.local/state when the variable is unset or not absolute; on
// Windows under the local application data folder. Empty when no such folder can be found.
// Nothing is created.
std::string ProgramFolder();

// A subfolder of ProgramFolder() ("recovery", "save-backups"), with a final separator; empty
// when ProgramFolder() is.
std::string SubFolder(const std::string& name);

} // namespace bw::UserDataFolder
