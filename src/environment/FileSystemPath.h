#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Paths of std::filesystem as the program's UTF-8 texts and back. On Windows a path is held in
// UTF-16 and its narrow form is in the ANSI code page, so the conversion goes through char8_t;
// elsewhere the path's own bytes are the text.
namespace bw::FileSystemPath {

inline std::filesystem::path FromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

// The path as UTF-8: a view of the path itself where its bytes are UTF-8 already, otherwise of
// `buffer`, which then holds the converted text. Walks of large folder trees convert every
// name, so no string is made where none is needed.
inline std::string_view Utf8View(const std::filesystem::path& path, std::string& buffer) {
#ifdef _WIN32
    const std::u8string text = path.u8string();
    buffer.assign(text.begin(), text.end());
    return buffer;
#else
    (void)buffer;
    return path.native();
#endif
}

inline std::string ToUtf8(const std::filesystem::path& path) {
    std::string buffer;
    return std::string(Utf8View(path, buffer));
}

} // namespace bw::FileSystemPath
