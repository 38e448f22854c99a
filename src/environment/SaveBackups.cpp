#include "environment/SaveBackups.h"

#include "environment/FileSystemPath.h"
#include "environment/UserDataFolder.h"

#include "environment/WholeFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>

#ifdef _WIN32
#include "environment/WideText.h"
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace bw::SaveBackups {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view OriginName = "origin";
constexpr std::string_view SetAsideSuffix = ".set-aside";

// Sorts by time first, so that the oldest copy is offered first.
std::string NewId() {
    const auto now = std::chrono::system_clock::now();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now.time_since_epoch());
    char id[48];
    std::snprintf(id, sizeof id, "%012lld-%08x", static_cast<long long>(seconds.count()),
                  static_cast<unsigned>(std::random_device{}()));
    return id;
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return name.empty() || name == std::string(OriginName) ? "show" : name;
}

// Makes the folder of the copies. Those the superuser makes in a user's data folder (through sudo,
// which may keep the user's HOME) are given to that user, who would otherwise find them locked.
bool MakeFolder(const fs::path& folder) {
    std::error_code error;
    std::vector<fs::path> missing;
    fs::path existing = folder;
    while (!existing.empty() && !fs::exists(existing, error) &&
           existing != existing.parent_path()) {
        missing.push_back(existing);
        existing = existing.parent_path();
    }
    fs::create_directories(folder, error);
#ifndef _WIN32
    struct stat owner {};
    if (geteuid() == 0 && stat(existing.c_str(), &owner) == 0 && owner.st_uid != 0)
        for (const fs::path& made : missing)
            if (chown(made.c_str(), owner.st_uid, owner.st_gid) != 0)
                return false;
#endif
    // The copies may hold other people's shows when an administrator saves them.
    fs::permissions(folder, fs::perms::owner_all, error);
    return fs::is_directory(folder, error);
}

} // namespace

std::string Folder() {
    std::string folder = UserDataFolder::SubFolder("save-backups");
    if (!folder.empty())
        folder.pop_back(); // the final separator
    return folder;
}

std::optional<Backup> Keep(const std::string& originalPath, std::string_view bytes) {
    const std::string folder = Folder();
    if (folder.empty())
        return std::nullopt;
    std::error_code error;
    if (!MakeFolder(FileSystemPath::FromUtf8(folder)))
        return std::nullopt;
    const fs::path own = FileSystemPath::FromUtf8(folder) / NewId();
    if (!fs::create_directory(own, error))
        return std::nullopt;
    Backup backup{FileSystemPath::ToUtf8(own), originalPath,
                  FileSystemPath::ToUtf8(own / FileSystemPath::FromUtf8(FileNameOf(originalPath)))};
    if (!WholeFile::WriteReplacing(backup.copyPath, bytes) ||
        !WholeFile::WriteReplacing(FileSystemPath::ToUtf8(own / OriginName), originalPath)) {
        fs::remove_all(own, error);
        return std::nullopt;
    }
    return backup;
}

void Discard(const Backup& backup) {
    std::error_code error;
    fs::remove_all(FileSystemPath::FromUtf8(backup.folder), error);
}

std::vector<Backup> Left() {
    std::vector<Backup> left;
    const std::string folder = Folder();
    std::error_code error;
    if (folder.empty() || !fs::is_directory(FileSystemPath::FromUtf8(folder), error))
        return left;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(FileSystemPath::FromUtf8(folder), error)) {
        const std::string name = FileSystemPath::ToUtf8(entry.path().filename());
        if (!entry.is_directory(error) || name.ends_with(SetAsideSuffix))
            continue;
        Backup backup;
        backup.folder = FileSystemPath::ToUtf8(entry.path());
        if (!WholeFile::Read(FileSystemPath::ToUtf8(entry.path() / OriginName),
                             backup.originalPath)) {
            // Not complete: the save was killed before it touched its file. Once a day has
            // passed no save can still be making it.
            const auto age = fs::file_time_type::clock::now() - entry.last_write_time(error);
            if (!error && age > std::chrono::hours(24))
                fs::remove_all(entry.path(), error);
            continue;
        }
        for (const fs::directory_entry& file : fs::directory_iterator(entry.path(), error))
            if (file.path().filename() != OriginName &&
                !file.path().filename().string().starts_with('.'))
                backup.copyPath = FileSystemPath::ToUtf8(file.path());
        if (!backup.copyPath.empty())
            left.push_back(std::move(backup));
    }
    std::sort(left.begin(), left.end(),
              [](const Backup& a, const Backup& b) { return a.folder < b.folder; });
    return left;
}

bool SetAside(const Backup& backup) {
    std::error_code error;
    fs::rename(FileSystemPath::FromUtf8(backup.folder),
               FileSystemPath::FromUtf8(backup.folder + std::string(SetAsideSuffix)), error);
    return !error;
}

} // namespace bw::SaveBackups
