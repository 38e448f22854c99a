#pragma once

#include "model/Show.h"
#include "showcheck/ShowCheck.h"

#include <string>
#include <vector>

// Brings back the sequence files of a show that moved: each missing file is looked for by name in
// a folder tree and its name in the show replaced by the path where it was found.
namespace bw::Relink {

// Where a file name sits in a show. Playlists: `entry` is the position in the list (from 1), 0
// for the cleanup sequence. Interactive: `entry` is the group (from 1), `groupEntry` the entry
// within it and `sequence` the file within the entry (both from 0).
struct Place {
    ShowCheck::Section section = ShowCheck::Section::Background;
    int entry = 0;
    int groupEntry = -1;
    int sequence = -1;

    bool operator==(const Place&) const = default;
};

struct MissingFile {
    Place place;
    // The name as the show holds it.
    std::string name;
    // "Background section, entry 3", as the check names the place.
    std::string where;
};

// Every file of the show whose name, resolved against `sequenceFolder`, names no file; empty
// names are not files and are left to the check. In the order of the check.
std::vector<MissingFile> MissingFiles(const Show& show, const std::string& sequenceFolder);

struct Found {
    MissingFile file;
    // Full paths of the files of that name in the tree, the closest first: the one whose folder
    // shares the longest ending with the folder of the old name, then in path order. Never empty.
    std::vector<std::string> candidates;
};

struct Search {
    std::vector<Found> found;
    std::vector<MissingFile> notFound;
};

// Looks for each file by its name (letter case aside, as on Windows) in `root` and every folder
// below it, in one walk. A tree that cannot be read, or a folder in it, finds nothing there.
Search FindMovedFiles(const std::vector<MissingFile>& files, const std::string& root);

// How many folder names at the end of the folder of `oldName` and `candidate` agree (letter case
// aside); "\" and "/" both separate.
int SharedFolderEnding(const std::string& oldName, const std::string& candidate);

// Puts `newName` in place of the file at `place`, when the show still holds `oldName` there;
// false (and nothing changed) otherwise.
bool Apply(Show& show, const Place& place, const std::string& oldName, const std::string& newName);

// One relink as the user chose it: the file at `place`, named `oldName`, becomes `newName`.
struct Choice {
    Place place;
    std::string oldName;
    std::string newName;
};

// Apply of a choice; false when the show no longer holds the old name there.
inline bool Apply(Show& show, const Choice& choice) {
    return Apply(show, choice.place, choice.oldName, choice.newName);
}

// Applies the closest candidate of every file found; the number of names replaced.
int ApplyClosest(Show& show, const Search& search);

} // namespace bw::Relink
