#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Whole-file access in bytes. Paths are UTF-8.
namespace bw::WholeFile {

// The largest file that is read: 64 MiB. A show of 100,000 sequences with 250-character paths
// is about 25 MB, far more than any display plays, and reading one holds a few copies of it in
// memory at once; anything larger is refused before a byte of it is read.
inline constexpr std::size_t MaxBytes = std::size_t{64} << 20;

// Why a read failed.
enum class ReadFailure {
    None,
    Missing,
    Folder,
    // A FIFO, a device or a socket: refused without waiting for it.
    NotAFile,
    // Larger than MaxBytes.
    TooLarge,
    NoMemory,
    // Anything else the system refused (permission, I/O error); see ReadResult::systemError.
    System
};

struct ReadResult {
    ReadFailure failure = ReadFailure::None;
    int systemError = 0;
    explicit operator bool() const { return failure == ReadFailure::None; }
};

// Why a file cannot be read, in a few words ("no such file", "it is a folder").
std::string Describe(const ReadResult& result);

// Replaces the file's content, keeping what it was until the new content is whole.
//
// Where the folder allows it, the bytes go to a temporary file beside the target, are flushed to
// disk, and the temporary file then takes the target's place with the target's owner and
// permissions; on any failure the previous file is untouched and no temporary file is left
// behind (those that a killed save left are removed by the next save into the folder).
//
// Where the file cannot be replaced that way without losing something (the folder refuses new
// files or the rename, the file has further hard links, or an owner that whoever saves cannot
// give a new file), the file is written in place: a copy of its content is first kept among the
// save backups (SaveBackups.h) and the full new size is reserved on the disk, so that a full
// disk refuses the save before a byte is changed; a failure part way puts the old content back,
// and a save that is killed leaves the copy to be offered back. A save through a symbolic link
// writes the file it points to, also one that does not exist yet. A target that is no regular
// file (a FIFO, a device) is written as it is, without waiting for a reader that is not there.
// The result is false on any failure.
bool Write(const std::string& path, std::string_view bytes);

// The same, but never in place: false where the file cannot be replaced in one step.
bool WriteReplacing(const std::string& path, std::string_view bytes);

// Reads the whole regular file; on failure returns false and leaves `bytes` unchanged. Files
// larger than MaxBytes and anything that is not a regular file are refused without blocking.
bool Read(const std::string& path, std::string& bytes);
ReadResult ReadWithResult(const std::string& path, std::string& bytes);

} // namespace bw::WholeFile
