#include "environment/UserDataFolder.h"

#include "environment/PathText.h"

#ifdef _WIN32
#include "environment/WideText.h"

#include <shlobj.h>
#include <windows.h>
#else
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#endif

namespace bw::UserDataFolder {

namespace {

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && !PathText::IsSeparator(folder.back()))
        folder += PathText::NativeSeparator;
    return folder;
}

#ifdef _WIN32

std::string StateRoot() {
    wchar_t folder[MAX_PATH];
    if (SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK)
        return {};
    return WideText::ToUtf8(folder);
}

#else

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string{} : std::string(value);
}

std::string StateRoot() {
    // A relative value is invalid and ignored, as the base directory rules say.
    if (std::string state = Environment("XDG_STATE_HOME"); !state.empty() && state.front() == '/')
        return state;
    std::string home = Environment("HOME");
    if (home.empty()) {
        if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr)
            home = user->pw_dir;
    }
    return home.empty() ? std::string{} : WithSeparator(home) + ".local/state";
}

#endif

} // namespace

std::string ProgramFolder() {
    const std::string root = StateRoot();
    return root.empty()
               ? std::string{}
               : WithSeparator(WithSeparator(WithSeparator(root) + "Brightwave") + "BWShow");
}

std::string SubFolder(const std::string& name) {
    const std::string program = ProgramFolder();
    return program.empty() ? std::string{} : WithSeparator(program + name);
}

} // namespace bw::UserDataFolder
