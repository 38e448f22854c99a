#include "environment/LibFile.h"

#include "environment/BWCommon.h"
#include "environment/ProductSettings.h"

#ifdef _WIN32
#include "environment/WideText.h"

#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace bw::LibFile {

std::string GetNonAudioPath() {
    return BWCommon::AddBackslash(LibRegistryBWShared::ReadSharedString("NonAudioPath", "", ""));
}

std::string FullSequencePath(const std::string& name) {
    if (name.empty())
        return name;
    return ResolveSequencePath(name, GetNonAudioPath());
}

std::string ResolveSequencePath(const std::string& name, const std::string& folder) {
    if (ResolvesToItself(name, folder))
        return name;
    return folder + (name.starts_with('\\') ? name.substr(1) : name);
}

bool ResolvesToItself(const std::string& name, const std::string& folder) {
    if (name.empty() || folder.empty())
        return true;
    if (name.find(':') != std::string::npos || name.starts_with("\\\\"))
        return true;
#ifndef _WIN32
    if (name.starts_with('/'))
        return true;
#endif
    return false;
}

bool FileExists(const std::string& path) {
    if (path.empty())
        return false;
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(WideText::FromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
#else
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
#endif
}

} // namespace bw::LibFile
