#pragma once

#include <string>
#include <string_view>

// How this program takes paths apart and puts them together. Shows move between Windows and
// Linux, so splitting a path treats both "\" and "/" as separators everywhere; joining uses the
// platform's own separator.
namespace bw::PathText {

#ifdef _WIN32
inline constexpr char NativeSeparator = '\\';
#else
inline constexpr char NativeSeparator = '/';
#endif

inline bool IsSeparator(char ch) {
    return ch == '\\' || ch == '/';
}

// Position of the last "\" or "/", or npos. A plain backward scan: find_last_of searches the
// set once per character, which shows when thousands of names are listed at once.
inline std::size_t FindLastSeparator(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i)
        if (IsSeparator(path[i - 1]))
            return i - 1;
    return std::string_view::npos;
}

// What follows the last separator; the whole path when it has none.
inline std::string_view FileNamePart(std::string_view path) {
    const std::size_t separator = FindLastSeparator(path);
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

// The folder of a path including its final separator; empty when the path has none.
inline std::string_view FolderPart(std::string_view path) {
    const std::size_t separator = FindLastSeparator(path);
    return separator == std::string_view::npos ? std::string_view{} : path.substr(0, separator + 1);
}

// Whether a folder string already ends in a separator that the trailing-separator rule accepts:
// "\" on Windows; "\" or "/" elsewhere, so that a folder written on Windows is left alone.
inline bool EndsInFolderSeparator(std::string_view folder) {
    if (folder.empty())
        return false;
#ifdef _WIN32
    return folder.back() == '\\';
#else
    return IsSeparator(folder.back());
#endif
}

} // namespace bw::PathText
