#pragma once

#include <string>
#include <string_view>

// Whole-file access in bytes. Paths are UTF-8.
namespace bw::WholeFile {

// Replaces the file's content in one step: the bytes go to a temporary file beside the target,
// are flushed to disk, and the temporary file then takes the target's place, keeping the target's
// permissions. On any failure the previous file is untouched, no temporary file is left behind
// and the result is false.
bool WriteAtomically(const std::string& path, std::string_view bytes);

// Reads the whole file; on failure returns false and leaves `bytes` unchanged.
bool Read(const std::string& path, std::string& bytes);

} // namespace bw::WholeFile
