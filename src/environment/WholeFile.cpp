#include "environment/WholeFile.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>

#include <cwctype>
#include <iterator>
#else
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace bw::WholeFile {

#ifdef _WIN32

namespace {

std::wstring WidePath(const std::string& path) {
    if (path.empty())
        return {};
    const int size = static_cast<int>(path.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, path.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), size, wide.data(), length);
    return wide;
}

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash + 1);
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

// Opens the file itself, creating it when missing, and writes it from the start.
bool WriteDirectly(const std::wstring& target, std::string_view bytes) {
    HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool disk = GetFileType(file) == FILE_TYPE_DISK;
    bool ok = !disk || SetEndOfFile(file);
    ok = ok && WriteAll(file, bytes) && (!disk || FlushFileBuffers(file));
    return CloseHandle(file) && ok;
}

} // namespace

bool Write(const std::string& path, std::string_view bytes) {
    const std::wstring target = WidePath(path);
    if (target.empty())
        return false;
    if (IsDevicePath(target))
        return WriteDirectly(target, bytes);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    wchar_t temporary[MAX_PATH + 1];
    if (GetTempFileNameW(FolderOf(target).c_str(), L"bws", 0, temporary) == 0) {
        // A folder that lets no one make files in it may still let us write the file itself.
        return GetLastError() == ERROR_ACCESS_DENIED && WriteDirectly(target, bytes);
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
    if (written && closed) {
        // ReplaceFileW keeps the target's attributes and security; a new file is simply moved.
        replaced = exists ? ReplaceFileW(target.c_str(), temporary, nullptr,
                                         REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                          : MoveFileExW(temporary, target.c_str(), MOVEFILE_WRITE_THROUGH);
    }
    if (!replaced)
        DeleteFileW(temporary);
    return replaced;
}

bool Read(const std::string& path, std::string& bytes) {
    const std::wstring source = WidePath(path);
    if (source.empty())
        return false;
    HANDLE file = CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::string content;
    bool ok = true;
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
            ok = false;
            break;
        }
        if (got == 0)
            break;
        content.append(buffer, got);
    }
    CloseHandle(file);
    if (ok)
        bytes = std::move(content);
    return ok;
}

#else

namespace {

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

// Saving through a symbolic link replaces the file it points to, not the link.
std::string ResolvedTarget(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return path;
    std::string result = resolved;
    std::free(resolved);
    return result;
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

// Opens the file itself, creating it when missing, and writes it from the start.
bool WriteDirectly(const std::string& target, std::string_view bytes) {
    const int fd = open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    struct stat info {};
    // Only a file on disk can be flushed; a FIFO or a device refuses.
    const bool regular = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    const bool ok = WriteAll(fd, bytes) && (!regular || fsync(fd) == 0);
    return close(fd) == 0 && ok;
}

} // namespace

bool Write(const std::string& path, std::string_view bytes) {
    if (path.empty())
        return false;
    const std::string target = ResolvedTarget(path);
    struct stat targetInfo {};
    const bool exists = stat(target.c_str(), &targetInfo) == 0;
    if (exists && S_ISDIR(targetInfo.st_mode))
        return false;
    if (exists && !S_ISREG(targetInfo.st_mode))
        return WriteDirectly(target, bytes);
    // A target we may not write to stays as it is, although its folder would let us replace it.
    // Write bits are checked as well, because access() lets the superuser write anything.
    if (exists && (access(target.c_str(), W_OK) != 0 || (targetInfo.st_mode & 0222) == 0))
        return false;

    const std::string folder = FolderOf(target);
    std::string temporary = folder + "/.bwshow-XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        // Only a refusal falls back to writing in place; on a full disk that would lose the old
        // file as well.
        return (errno == EACCES || errno == EPERM) && WriteDirectly(target, bytes);
    }
    const mode_t mode = exists ? (targetInfo.st_mode & 07777) : NewFileMode();
    bool ok = fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    // Make the new directory entry itself durable; a failure here no longer loses anything.
    const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        fsync(folderFd);
        close(folderFd);
    }
    return true;
}

bool Read(const std::string& path, std::string& bytes) {
    if (path.empty())
        return false;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        close(fd);
        return false;
    }
    std::string content;
    if (S_ISREG(info.st_mode) && info.st_size > 0)
        content.reserve(static_cast<size_t>(info.st_size));
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
            break;
        }
        if (got == 0)
            break;
        content.append(buffer, static_cast<size_t>(got));
    }
    close(fd);
    if (ok)
        bytes = std::move(content);
    return ok;
}

#endif

} // namespace bw::WholeFile
