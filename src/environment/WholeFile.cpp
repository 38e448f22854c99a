#include "environment/WholeFile.h"

#include "environment/SaveBackups.h"
#include "environment/WideText.h"

#include <algorithm>
#include <new>
#include <optional>

#ifdef _WIN32
#include <windows.h>

#include <cwctype>
#include <iterator>
#else
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace bw::WholeFile {

#ifdef _WIN32

namespace {

// The full name of a file named relative to the current folder: replacing a file by a relative
// name fails under Wine with "the directory name is invalid".
std::wstring FullPath(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (size == 0 || length == 0 || length >= size)
        return path;
    full.resize(length);
    return full;
}

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L".\\" : path.substr(0, slash + 1);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// The names that Windows keeps for its devices ("NUL", "COM1", "LPT1.txt") and paths in the
// device namespace ("\\.\pipe\x").
bool IsDevicePath(const std::wstring& path) {
    if (path.starts_with(L"\\\\.\\"))
        return true;
    const size_t slash = path.find_last_of(L"\\/:");
    std::wstring name = path.substr(slash == std::wstring::npos ? 0 : slash + 1);
    name = name.substr(0, name.find(L'.'));
    while (!name.empty() && name.back() == L' ')
        name.pop_back();
    for (wchar_t& ch : name)
        ch = static_cast<wchar_t>(std::towupper(ch));
    static const wchar_t* const reserved[] = {L"CON", L"PRN", L"AUX", L"NUL"};
    if (std::find(std::begin(reserved), std::end(reserved), name) != std::end(reserved))
        return true;
    return name.size() == 4 && (name.starts_with(L"COM") || name.starts_with(L"LPT")) &&
           name[3] >= L'1' && name[3] <= L'9';
}

bool WriteAllAt(HANDLE file, std::string_view bytes) {
    LARGE_INTEGER start{};
    return SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && WriteAll(file, bytes);
}

bool SetSize(HANDLE file, size_t size) {
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(size);
    return SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
}

// Reads an open file from its start, refusing anything but a file on disk and more than MaxBytes.
ReadResult ReadOpenFile(HANDLE file, std::string& bytes) {
    if (GetFileType(file) != FILE_TYPE_DISK)
        return {ReadFailure::NotAFile, 0};
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size))
        return {ReadFailure::System, static_cast<int>(GetLastError())};
    if (size.QuadPart < 0 || static_cast<unsigned long long>(size.QuadPart) > MaxBytes)
        return {ReadFailure::TooLarge, 0};
    try {
        std::string content;
        content.reserve(static_cast<size_t>(size.QuadPart));
        char buffer[65536];
        for (;;) {
            DWORD got = 0;
            if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr))
                return {ReadFailure::System, static_cast<int>(GetLastError())};
            if (got == 0)
                break;
            if (content.size() + got > MaxBytes)
                return {ReadFailure::TooLarge, 0};
            content.append(buffer, got);
        }
        bytes = std::move(content);
        return {};
    } catch (const std::bad_alloc&) {
        return {ReadFailure::NoMemory, 0};
    }
}

// A device, opened as it is.
bool WriteToDevice(const std::wstring& target, std::string_view bytes) {
    HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool ok = WriteAll(file, bytes);
    return CloseHandle(file) && ok;
}

// The names that GetTempFileNameW gives with our prefix: "bws", up to four hexadecimal digits,
// ".tmp".
bool IsTemporaryName(std::wstring_view name) {
    if (!name.starts_with(L"bws") || !name.ends_with(L".tmp") || name.size() < 8 ||
        name.size() > 11)
        return false;
    return std::all_of(name.begin() + 3, name.end() - 4,
                       [](wchar_t ch) { return std::iswxdigit(ch) != 0; });
}

// Temporary files that killed saves left behind. One that a save still writes is open without
// sharing and refuses to be deleted.
void RemoveStaleTemporaries(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"bws*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (IsTemporaryName(found.cFileName) &&
            !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileW((folder + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

bool HasOtherNames(const std::wstring& target) {
    HANDLE file = CreateFileW(target.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool linked = GetFileInformationByHandle(file, &info) && info.nNumberOfLinks > 1;
    CloseHandle(file);
    return linked;
}

// Writes the file in place without ever leaving it a fragment: its content is kept among the save
// backups first, and the new size is reserved before the first byte changes.
bool WriteInPlace(const std::string& path, const std::wstring& target, std::string_view bytes) {
    HANDLE file = CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::string old;
    if (!ReadOpenFile(file, old)) {
        CloseHandle(file);
        return false;
    }
    if (old == bytes)
        return CloseHandle(file);
    const std::optional<SaveBackups::Backup> backup = SaveBackups::Keep(path, old);
    if (!backup) {
        CloseHandle(file);
        return false;
    }
    FILE_ALLOCATION_INFO allocation{};
    allocation.AllocationSize.QuadPart = static_cast<LONGLONG>(bytes.size());
    if (bytes.size() > old.size() &&
        !SetFileInformationByHandle(file, FileAllocationInfo, &allocation, sizeof allocation) &&
        (GetLastError() == ERROR_DISK_FULL || GetLastError() == ERROR_HANDLE_DISK_FULL)) {
        CloseHandle(file);
        SaveBackups::Discard(*backup);
        return false;
    }
    const bool written =
        WriteAllAt(file, bytes) && SetSize(file, bytes.size()) && FlushFileBuffers(file);
    const bool whole =
        written || (WriteAllAt(file, old) && SetSize(file, old.size()) && FlushFileBuffers(file));
    const bool closed = CloseHandle(file);
    if (whole)
        SaveBackups::Discard(*backup);
    return written && closed;
}

bool Write(const std::string& path, std::string_view bytes, bool inPlaceWhereNeeded) {
    std::wstring target = WideText::FromUtf8(path);
    if (target.empty())
        return false;
    if (IsDevicePath(target))
        return WriteToDevice(target, bytes);
    target = FullPath(target);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    // A read-only file stays as it is, although its folder would let us replace it.
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    // Replacing a file that has other names would split it from them.
    if (exists && HasOtherNames(target))
        return inPlaceWhereNeeded && WriteInPlace(path, target, bytes);
    const std::wstring folder = FolderOf(target);
    RemoveStaleTemporaries(folder);
    wchar_t temporary[MAX_PATH + 1];
    if (GetTempFileNameW(folder.c_str(), L"bws", 0, temporary) == 0) {
        // A folder that lets no one make files in it may still let us write the file itself.
        return exists && inPlaceWhereNeeded && GetLastError() == ERROR_ACCESS_DENIED &&
               WriteInPlace(path, target, bytes);
    }
    HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DeleteFileW(temporary);
        return false;
    }
    const bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
    const bool closed = CloseHandle(file);
    bool replaced = false;
    DWORD refusal = ERROR_SUCCESS;
    if (written && closed) {
        // ReplaceFileW keeps the target's attributes and security; a new file is simply moved.
        replaced = exists ? ReplaceFileW(target.c_str(), temporary, nullptr,
                                         REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                          : MoveFileExW(temporary, target.c_str(), MOVEFILE_WRITE_THROUGH);
        if (!replaced)
            refusal = GetLastError();
    }
    if (replaced)
        return true;
    DeleteFileW(temporary);
    return exists && inPlaceWhereNeeded && refusal == ERROR_ACCESS_DENIED &&
           WriteInPlace(path, target, bytes);
}

} // namespace

ReadResult ReadWithResult(const std::string& path, std::string& bytes) {
    const std::wstring source = WideText::FromUtf8(path);
    if (source.empty())
        return {ReadFailure::Missing, 0};
    // Devices are refused by name, before they are opened.
    if (IsDevicePath(source))
        return {ReadFailure::NotAFile, 0};
    const DWORD attributes = GetFileAttributesW(source.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return {ReadFailure::Folder, 0};
    HANDLE file = CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return {error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                    ? ReadFailure::Missing
                    : ReadFailure::System,
                static_cast<int>(error)};
    }
    const ReadResult result = ReadOpenFile(file, bytes);
    CloseHandle(file);
    return result;
}

namespace {

std::string SystemErrorText(int error) {
    return error == ERROR_ACCESS_DENIED ? "permission denied" : "the file cannot be read";
}

} // namespace

#else

namespace {

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

// Saving through a symbolic link writes the file it points to, also through a chain of links, and
// creates that file when the link dangles; the links themselves stay.
std::string ResolvedTarget(const std::string& path) {
    std::string current = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat info {};
        if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        std::string link(PATH_MAX, '\0');
        const ssize_t length = readlink(current.c_str(), link.data(), link.size());
        if (length <= 0 || static_cast<size_t>(length) >= link.size())
            return current;
        link.resize(static_cast<size_t>(length));
        current = link.front() == '/' ? link : FolderOf(current) + "/" + link;
    }
    return current;
}

mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), std::min<size_t>(bytes.size(), 1u << 30));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

bool WriteAllAt(int fd, std::string_view bytes) {
    off_t offset = 0;
    while (!bytes.empty()) {
        const ssize_t written =
            pwrite(fd, bytes.data(), std::min<size_t>(bytes.size(), 1u << 30), offset);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
        offset += written;
    }
    return true;
}

// Reads an open regular file from where it stands to its end, refusing more than MaxBytes.
ReadResult ReadOpenFile(int fd, const struct stat& info, std::string& bytes) {
    if (S_ISDIR(info.st_mode))
        return {ReadFailure::Folder, 0};
    if (!S_ISREG(info.st_mode))
        return {ReadFailure::NotAFile, 0};
    if (info.st_size < 0 || static_cast<unsigned long long>(info.st_size) > MaxBytes)
        return {ReadFailure::TooLarge, 0};
    try {
        std::string content;
        content.reserve(static_cast<size_t>(info.st_size));
        char buffer[65536];
        for (;;) {
            const ssize_t got = read(fd, buffer, sizeof buffer);
            if (got < 0) {
                if (errno == EINTR)
                    continue;
                return {ReadFailure::System, errno};
            }
            if (got == 0)
                break;
            // A file that grows while it is read is held to the same limit.
            if (content.size() + static_cast<size_t>(got) > MaxBytes)
                return {ReadFailure::TooLarge, 0};
            content.append(buffer, static_cast<size_t>(got));
        }
        bytes = std::move(content);
        return {};
    } catch (const std::bad_alloc&) {
        return {ReadFailure::NoMemory, 0};
    }
}

// A FIFO or a device, opened without waiting for the other end: a FIFO that no one reads is
// refused at once.
bool WriteToDevice(const std::string& target, std::string_view bytes) {
    const int fd = open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const int flags = fcntl(fd, F_GETFL);
    const bool ok =
        flags >= 0 && fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 && WriteAll(fd, bytes);
    return close(fd) == 0 && ok;
}

// The name pattern of this program's temporary files, ".bwshow-" and six characters of mkstemp.
constexpr std::string_view TemporaryPrefix = ".bwshow-";

bool IsTemporaryName(std::string_view name) {
    if (!name.starts_with(TemporaryPrefix) || name.size() != TemporaryPrefix.size() + 6)
        return false;
    return std::all_of(name.begin() + TemporaryPrefix.size(), name.end(),
                       [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) != 0; });
}

// A save holds a lock on its temporary file for as long as it runs, so a temporary file of ours
// that no one holds was left by a save that was killed.
void RemoveStaleTemporaries(const std::string& folder) {
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr)
        return;
    const int folderFd = dirfd(listing);
    while (const dirent* entry = readdir(listing)) {
        if (!IsTemporaryName(entry->d_name))
            continue;
        const int fd =
            openat(folderFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat held {
        }, named{};
        if (fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && held.st_uid == geteuid() &&
            flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            fstatat(folderFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_ino == held.st_ino && named.st_dev == held.st_dev)
            unlinkat(folderFd, entry->d_name, 0);
        close(fd);
    }
    closedir(listing);
}

// A new temporary file in the folder, locked as this save's own; -1 with errno set on failure.
int CreateTemporary(const std::string& folder, std::string& temporary) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        temporary = folder + "/" + std::string(TemporaryPrefix) + "XXXXXX";
        const int fd = mkostemp(temporary.data(), O_CLOEXEC);
        if (fd < 0)
            return -1;
        // Another save's clean-up may have taken the file between its creation and the lock.
        struct stat held {
        }, named{};
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &held) == 0 &&
            stat(temporary.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
            held.st_dev == named.st_dev)
            return fd;
        close(fd);
    }
    errno = EAGAIN;
    return -1;
}

bool PutBack(int fd, const std::string& old) {
    return WriteAllAt(fd, old) && ftruncate(fd, static_cast<off_t>(old.size())) == 0 &&
           fsync(fd) == 0;
}

// Writes the regular file in place without ever leaving it a fragment: its content is kept among
// the save backups first, and the new size is reserved before the first byte changes.
bool WriteInPlace(const std::string& target, std::string_view bytes) {
    const int fd = open(target.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    std::string old;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !ReadOpenFile(fd, info, old)) {
        close(fd);
        return false;
    }
    if (old == bytes) {
        close(fd);
        return true;
    }
    const std::optional<SaveBackups::Backup> backup = SaveBackups::Keep(target, old);
    if (!backup) {
        close(fd);
        return false;
    }
    // The blocks are reserved beyond the end of the file, which keeps its size and content; a file
    // system that cannot reserve is written all the same, with the copy to fall back on.
    if (!bytes.empty() &&
        fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size())) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS) {
        close(fd);
        SaveBackups::Discard(*backup);
        return false;
    }
    const bool written = WriteAllAt(fd, bytes) &&
                         ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && fsync(fd) == 0;
    // A failure part way puts the old content back; when even that fails, the copy stays to be
    // offered back.
    const bool whole = written || PutBack(fd, old);
    const bool closed = close(fd) == 0;
    if (whole)
        SaveBackups::Discard(*backup);
    return written && closed;
}

enum class Replaced { Done, Failed, Refused };

// Writes a temporary file beside the target and renames it over the target. Refused, with
// nothing written, where the folder refuses the temporary file or the rename, or where the new
// file could not get the target's owner.
Replaced Replace(const std::string& target, std::string_view bytes, const struct stat* old) {
    const std::string folder = FolderOf(target);
    RemoveStaleTemporaries(folder);
    std::string temporary;
    const int fd = CreateTemporary(folder, temporary);
    if (fd < 0)
        return errno == EACCES || errno == EPERM ? Replaced::Refused : Replaced::Failed;
    const auto fail = [&](Replaced result) {
        close(fd);
        unlink(temporary.c_str());
        return result;
    };
    struct stat own {};
    if (fstat(fd, &own) != 0)
        return fail(Replaced::Failed);
    // The owner first: a change of owner clears the set-id bits that the mode then restores.
    if (old != nullptr && (own.st_uid != old->st_uid || own.st_gid != old->st_gid) &&
        fchown(fd, old->st_uid, old->st_gid) != 0)
        return fail(Replaced::Refused);
    const mode_t mode = old != nullptr ? (old->st_mode & 07777) : NewFileMode();
    if (fchmod(fd, mode) != 0 || !WriteAll(fd, bytes) || fsync(fd) != 0)
        return fail(Replaced::Failed);
    if (rename(temporary.c_str(), target.c_str()) != 0)
        // A sticky folder refuses to replace a file of another user who lets us write it.
        return fail(errno == EACCES || errno == EPERM ? Replaced::Refused : Replaced::Failed);
    close(fd);
    // Make the new directory entry itself durable; a failure here no longer loses anything.
    const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        fsync(folderFd);
        close(folderFd);
    }
    return Replaced::Done;
}

bool Write(const std::string& path, std::string_view bytes, bool inPlaceWhereNeeded) {
    if (path.empty())
        return false;
    const std::string target = ResolvedTarget(path);
    struct stat info {};
    const bool exists = stat(target.c_str(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode))
        return false;
    if (exists && !S_ISREG(info.st_mode))
        return WriteToDevice(target, bytes);
    // A target we may not write to stays as it is, although its folder would let us replace it.
    // Write bits are checked as well, because access() lets the superuser write anything.
    if (exists && (access(target.c_str(), W_OK) != 0 || (info.st_mode & 0222) == 0))
        return false;
    // Replacing a file that has other names would split it from them.
    if (exists && info.st_nlink > 1)
        return inPlaceWhereNeeded && WriteInPlace(target, bytes);
    switch (Replace(target, bytes, exists ? &info : nullptr)) {
    case Replaced::Done:
        return true;
    case Replaced::Refused:
        return exists && inPlaceWhereNeeded && WriteInPlace(target, bytes);
    case Replaced::Failed:
        break;
    }
    return false;
}

} // namespace

ReadResult ReadWithResult(const std::string& path, std::string& bytes) {
    if (path.empty())
        return {ReadFailure::Missing, ENOENT};
    // Without waiting: a FIFO that no one writes would block the open itself.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {errno == ENOENT || errno == ENOTDIR ? ReadFailure::Missing : ReadFailure::System,
                errno};
    struct stat info {};
    ReadResult result{ReadFailure::System, 0};
    if (fstat(fd, &info) != 0)
        result.systemError = errno;
    else
        result = ReadOpenFile(fd, info, bytes);
    close(fd);
    return result;
}

namespace {

std::string SystemErrorText(int error) {
    return error != 0 ? std::strerror(error) : "the file cannot be read";
}

} // namespace

#endif

bool Write(const std::string& path, std::string_view bytes) {
    return Write(path, bytes, true);
}

bool WriteReplacing(const std::string& path, std::string_view bytes) {
    return Write(path, bytes, false);
}

std::string Describe(const ReadResult& result) {
    switch (result.failure) {
    case ReadFailure::None:
        return "no failure";
    case ReadFailure::Missing:
        return "no such file";
    case ReadFailure::Folder:
        return "it is a folder";
    case ReadFailure::NotAFile:
        return "it is not a regular file";
    case ReadFailure::TooLarge:
        return "it is larger than any show (more than 64 MiB)";
    case ReadFailure::NoMemory:
        return "there is not enough memory to read it";
    case ReadFailure::System:
        break;
    }
    return SystemErrorText(result.systemError);
}

bool Read(const std::string& path, std::string& bytes) {
    return static_cast<bool>(ReadWithResult(path, bytes));
}

} // namespace bw::WholeFile
