#include "showcheck/Relink.h"

#include "environment/FileSystemPath.h"
#include "environment/LibFile.h"
#include "environment/PathText.h"

#include <algorithm>
#include <filesystem>
#include <unordered_map>

namespace bw::Relink {

namespace {

using ShowCheck::Section;

char LowerAscii(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

void LowerAsciiInPlace(std::string& text) {
    for (char& ch : text)
        ch = LowerAscii(ch);
}

bool EqualAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

// The folder names of a path's folder, last first; a drive ("C:") counts as a name.
std::vector<std::string_view> FoldersLastFirst(std::string_view path) {
    std::vector<std::string_view> folders;
    std::string_view folder = PathText::FolderPart(path);
    while (!folder.empty()) {
        folder.remove_suffix(1);
        const std::size_t separator = PathText::FindLastSeparator(folder);
        const std::size_t start = separator == std::string_view::npos ? 0 : separator + 1;
        if (start < folder.size())
            folders.push_back(folder.substr(start));
        folder = folder.substr(0, start);
    }
    return folders;
}

PlaylistPtr PlaylistOf(const Show& show, Section section) {
    switch (section) {
    case Section::Background:
        return show.Background();
    case Section::Startup:
        return show.Startup();
    case Section::Animation:
        return show.Main();
    case Section::Musical:
        return show.Musical();
    case Section::Shutdown:
        return show.Shutdown();
    default:
        return nullptr;
    }
}

class Collector {
public:
    explicit Collector(const std::string& folder) : folder_(folder) {}

    void Playlist(const Show& show, Section section) {
        const PlaylistPtr playlist = PlaylistOf(show, section);
        if (!playlist)
            return;
        const std::string where = ShowCheck::SectionName(section) + " section";
        int position = 0;
        for (const std::string& name : playlist->List()) {
            ++position;
            Check({section, position, -1, -1}, name, where + ", entry " + std::to_string(position));
        }
        Check({section, 0, -1, -1}, playlist->CleanUp(), where + ", cleanup sequence");
    }

    void Groups(const Show& show) {
        const GroupCollectionPtr& groups = show.InteractiveGroups();
        if (!groups)
            return;
        for (std::size_t g = 0; g < groups->size(); ++g) {
            const InteractiveGroupPtr& group = (*groups)[g];
            if (!group)
                continue;
            const int position = static_cast<int>(g + 1);
            for (int i = 0; i < group->Count(); ++i) {
                const std::vector<std::string>& names =
                    group->GetTriggeredSequences(i)->Sequences();
                for (std::size_t s = 0; s < names.size(); ++s)
                    Check({Section::Interactive, position, i, static_cast<int>(s)}, names[s],
                          "Interactive group " + std::to_string(position) + " \"" + group->Name() +
                              "\", entry " + std::to_string(i + 1));
            }
        }
    }

    std::vector<MissingFile> Files() { return std::move(files_); }

private:
    void Check(const Place& place, const std::string& name, std::string where) {
        if (name.empty() || LibFile::FileExists(LibFile::ResolveSequencePath(name, folder_)))
            return;
        files_.push_back(MissingFile{place, name, std::move(where)});
    }

    const std::string& folder_;
    std::vector<MissingFile> files_;
};

} // namespace

std::vector<MissingFile> MissingFiles(const Show& show, const std::string& sequenceFolder) {
    Collector collector(sequenceFolder);
    collector.Playlist(show, Section::Background);
    collector.Playlist(show, Section::Startup);
    collector.Playlist(show, Section::Animation);
    collector.Playlist(show, Section::Musical);
    collector.Groups(show);
    collector.Playlist(show, Section::Shutdown);
    return collector.Files();
}

int SharedFolderEnding(const std::string& oldName, const std::string& candidate) {
    const std::vector<std::string_view> oldFolders = FoldersLastFirst(oldName);
    const std::vector<std::string_view> newFolders = FoldersLastFirst(candidate);
    int shared = 0;
    while (static_cast<std::size_t>(shared) < oldFolders.size() &&
           static_cast<std::size_t>(shared) < newFolders.size() &&
           EqualAsciiCase(oldFolders[static_cast<std::size_t>(shared)],
                          newFolders[static_cast<std::size_t>(shared)]))
        ++shared;
    return shared;
}

Search FindMovedFiles(const std::vector<MissingFile>& files, const std::string& root) {
    // The paths found for each wanted name, by the name in lower case.
    std::unordered_map<std::string, std::vector<std::string>> pathsOf;
    for (const MissingFile& file : files) {
        std::string key(PathText::FileNamePart(file.name));
        LowerAsciiInPlace(key);
        pathsOf.try_emplace(std::move(key));
    }

    namespace fs = std::filesystem;
    std::error_code error;
    fs::recursive_directory_iterator it(FileSystemPath::FromUtf8(root),
                                        fs::directory_options::skip_permission_denied, error);
    std::string buffer;
    std::string key;
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        std::error_code ignored;
        if (!it->is_regular_file(ignored))
            continue;
        const std::string_view path = FileSystemPath::Utf8View(it->path(), buffer);
        key.assign(PathText::FileNamePart(path));
        LowerAsciiInPlace(key);
        const auto wanted = pathsOf.find(key);
        if (wanted != pathsOf.end())
            wanted->second.emplace_back(path);
    }

    Search search;
    for (const MissingFile& file : files) {
        std::string key(PathText::FileNamePart(file.name));
        LowerAsciiInPlace(key);
        std::vector<std::string> candidates = pathsOf[key];
        if (candidates.empty()) {
            search.notFound.push_back(file);
            continue;
        }
        std::vector<std::pair<int, std::string>> ranked;
        for (std::string& candidate : candidates)
            ranked.emplace_back(-SharedFolderEnding(file.name, candidate), std::move(candidate));
        std::sort(ranked.begin(), ranked.end());
        candidates.clear();
        for (auto& [rank, candidate] : ranked)
            candidates.push_back(std::move(candidate));
        search.found.push_back(Found{file, std::move(candidates)});
    }
    return search;
}

bool Apply(Show& show, const Place& place, const std::string& oldName, const std::string& newName) {
    if (place.section == Section::Interactive) {
        const GroupCollectionPtr& groups = show.InteractiveGroups();
        if (!groups || place.entry < 1 || static_cast<std::size_t>(place.entry) > groups->size())
            return false;
        const InteractiveGroupPtr& group = (*groups)[static_cast<std::size_t>(place.entry - 1)];
        if (!group || place.groupEntry < 0 || place.groupEntry >= group->Count())
            return false;
        TriggeredSequences& entry = *group->GetTriggeredSequences(place.groupEntry);
        if (place.sequence < 0 || place.sequence >= entry.NumSequences() ||
            entry.Sequence(place.sequence) != oldName)
            return false;
        entry.SetSequence(place.sequence, newName);
        return true;
    }
    const PlaylistPtr playlist = PlaylistOf(show, place.section);
    if (!playlist)
        return false;
    if (place.entry == 0) {
        if (playlist->CleanUp() != oldName)
            return false;
        playlist->SetCleanUp(newName);
        return true;
    }
    std::vector<std::string>& list = playlist->List();
    if (place.entry < 0 || static_cast<std::size_t>(place.entry) > list.size() ||
        list[static_cast<std::size_t>(place.entry - 1)] != oldName)
        return false;
    list[static_cast<std::size_t>(place.entry - 1)] = newName;
    return true;
}

int ApplyClosest(Show& show, const Search& search) {
    int relinked = 0;
    for (const Found& found : search.found)
        relinked +=
            Apply(show, found.file.place, found.file.name, found.candidates.front()) ? 1 : 0;
    return relinked;
}

} // namespace bw::Relink
