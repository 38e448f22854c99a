#include "environment/BWCommon.h"

#include "environment/LibFile.h"
#include "environment/PathText.h"
#include "environment/ProductSettings.h"

#ifdef _WIN32
#include "environment/WideText.h"

#include <windows.h>
#else
#include <unistd.h>
#endif

namespace bw::BWCommon {

namespace {

#ifdef _WIN32
constexpr const char* ProgramExtension = ".exe";
#else
constexpr const char* ProgramExtension = "";
#endif

std::string ExecutablePath() {
#ifdef _WIN32
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return WideText::ToUtf8(path);
        }
        path.resize(path.size() * 2);
    }
#else
    std::string path(256, '\0');
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
        if (length < 0)
            return {};
        if (static_cast<std::size_t>(length) < path.size()) {
            path.resize(static_cast<std::size_t>(length));
            return path;
        }
        path.resize(path.size() * 2);
    }
#endif
}

} // namespace

std::string AddBackslash(const std::string& path) {
    if (path.empty() || PathText::EndsInFolderSeparator(path))
        return path;
    return path + PathText::NativeSeparator;
}

std::string GetAppPath() {
    return AddBackslash(LibRegistryBWShared::ReadSharedString("AppPath", "", ""));
}

std::string ExeFolder() {
    const std::string executable = ExecutablePath();
    // Without a path of its own the program still has a folder: the current one. The folder must
    // never be empty, or a missing installation folder would match it.
    if (executable.empty())
        return std::string(".") + PathText::NativeSeparator;
    return AddBackslash(std::string(PathText::FolderPart(executable)));
}

std::string ProgramPath(const std::string& name) {
    const std::string besideThisProgram = ExeFolder() + name + ProgramExtension;
    if (LibFile::FileExists(besideThisProgram))
        return besideThisProgram;
    return GetAppPath() + name + ProgramExtension;
}

} // namespace bw::BWCommon
