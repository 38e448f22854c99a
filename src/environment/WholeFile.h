#pragma once

#include <string>
#include <string_view>

// Whole-file access in bytes. Paths are UTF-8.
namespace bw::WholeFile {

// Replaces the file's content, in one step wherever the folder allows it: the bytes go to a
// temporary file beside the target, are flushed to disk, and the temporary file then takes the
// target's place, keeping the target's permissions; on any failure the previous file is
// untouched and no temporary file is left behind. Where the folder refuses a temporary file for
// want of permission, the file itself is written in place (as QSaveFile's direct-write fallback
// does), which a failure part way may leave damaged. A target that is no regular file (a FIFO, a
// device) is opened and written as it is. The result is false on any failure.
bool Write(const std::string& path, std::string_view bytes);

// Reads the whole file; on failure returns false and leaves `bytes` unchanged.
bool Read(const std::string& path, std::string& bytes);

} // namespace bw::WholeFile
