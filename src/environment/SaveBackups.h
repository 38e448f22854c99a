#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Copies of files that a save writes over in place, kept in the user's data folder until the new
// content is whole: on Linux `$XDG_STATE_HOME/Brightwave/BWShow/save-backups/` (by default
// `~/.local/state/...`), on Windows `%LOCALAPPDATA%\Brightwave\BWShow\save-backups\`. Each copy
// is a folder of its own holding the file under its own name and a file `origin` with the path
// it was saved to; `origin` is written last, so a copy without it is incomplete.
namespace bw::SaveBackups {

struct Backup {
    // The copy's own folder.
    std::string folder;
    // The path of the file that was being saved.
    std::string originalPath;
    // The copy of that file's content from before the save.
    std::string copyPath;
};

// The folder of the copies; empty when the system names no data folder of the user.
std::string Folder();

// Keeps a copy of `bytes`, the content of `originalPath` before it is written over; nothing when
// the copy cannot be made whole.
std::optional<Backup> Keep(const std::string& originalPath, std::string_view bytes);

// Removes the copy once it is no longer needed.
void Discard(const Backup& backup);

// Copies that are still there, left by saves that did not finish, oldest first.
std::vector<Backup> Left();

// Sets the copy aside so that Left() no longer lists it; the folder stays where it is.
bool SetAside(const Backup& backup);

} // namespace bw::SaveBackups
