#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The shows last opened or saved, newest first, kept in the suite's settings beside the values it
// shares: in the settings file outside Windows, in the registry on Windows, under a key of the
// show editor's own. Paths are UTF-8.
namespace bw::RecentShows {

inline constexpr std::size_t Limit = 8;

// Whether two entries name the same file: letter case does not count on Windows.
bool SamePath(const std::string& a, const std::string& b);

// The list with `path` at its head, its older entry dropped, cut to Limit entries.
std::vector<std::string> Added(std::vector<std::string> list, const std::string& path);
std::vector<std::string> Removed(std::vector<std::string> list, const std::string& path);

// Where the list lives: the key below HKEY_CURRENT_USER, and outside Windows the settings file
// that holds it.
struct Place {
    std::string keyPath;
    std::string settingsFile; // not used on Windows
};

// The key "Software\Brightwave\BWShow" of the user's own settings.
Place UserPlace();

// The stored list: values "Recent1" to "Recent8"; a missing, empty or unreadable value and a
// repeated entry are left out, so a damaged list still gives what it holds.
std::vector<std::string> Load(const Place& place);

// Stores the list (its first Limit entries), keeping every other key and value of the settings.
// False when they cannot be written.
bool Save(const Place& place, const std::vector<std::string>& list);

} // namespace bw::RecentShows
