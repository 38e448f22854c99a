#include "environment/SettingsStore.h"

#include "environment/LibRegistry.h"
#include "environment/ProductSettings.h"
#include "environment/RegFile.h"
#include "environment/WholeFile.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include "environment/WideText.h"

#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace bw::SettingsStore {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string{} : std::string(value);
}

std::string HomeFolder() {
    std::string home = Environment("HOME");
#ifndef _WIN32
    if (home.empty()) {
        if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr)
            home = user->pw_dir;
    }
#endif
    return home;
}

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

#ifndef _WIN32
bool FileIsMissing(const std::string& path) {
    std::error_code error;
    return !std::filesystem::exists(path, error) && !error;
}
#endif

} // namespace

std::string FilePath() {
    std::string config = Environment("XDG_CONFIG_HOME");
    // A relative value is invalid and ignored, as the base directory rules say.
    if (config.empty() || config.front() != '/')
        config = WithSlash(HomeFolder()) + ".config";
    return WithSlash(config) + "Brightwave/registry.reg";
}

#ifdef _WIN32

// On Windows the settings are the registry's: BWPost writes the values into the current user's
// key, where the editor reads them, for a user whom the installer did not set up.
bool CompletePostInstall(const std::string& appFolder, std::string& failure) {
    const std::string keyPath = LibRegistryBW::BWKeyPath("Shared");
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, WideText::FromUtf8(keyPath).c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        failure = "Cannot open HKEY_CURRENT_USER\\" + keyPath;
        return false;
    }
    const auto setString = [key](const wchar_t* name, const std::string& utf8) {
        const std::wstring text = WideText::FromUtf8(utf8);
        return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) ==
               ERROR_SUCCESS;
    };
    const auto setDword = [key](const wchar_t* name, DWORD value) {
        return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                              sizeof value) == ERROR_SUCCESS;
    };
    bool written = setString(L"AppPath", appFolder);
    // A sequence folder that the user already has stays exactly as it was written.
    if (written && LibRegistryBWShared::ReadSharedString("NonAudioPath", "", "").empty()) {
        const wchar_t* profileText = _wgetenv(L"USERPROFILE");
        const std::string profile = profileText ? WideText::ToUtf8(profileText) : std::string{};
        if (profile.empty()) {
            RegCloseKey(key);
            failure = "The user's profile folder is not known";
            return false;
        }
        const std::string sequences = profile + "\\Brightwave\\Sequences\\";
        std::error_code error;
        std::filesystem::create_directories(WideText::FromUtf8(sequences), error);
        if (error) {
            RegCloseKey(key);
            failure = "Cannot create " + sequences + ": " + error.message();
            return false;
        }
        written = setString(L"NonAudioPath", sequences);
    }
    written = written && setDword(L"PostInstall", 1) && setDword(L"PostInstallVer", 5);
    RegCloseKey(key);
    if (!written)
        failure = "Cannot write the settings under HKEY_CURRENT_USER\\" + keyPath;
    return written;
}

#else

bool CompletePostInstall(const std::string& appFolder, std::string& failure) {
    const std::string path = FilePath();
    std::string bytes;
    if (!WholeFile::Read(path, bytes) && !FileIsMissing(path)) {
        failure = "Cannot read " + path;
        return false;
    }
    const RegFile::DecodedText text = RegFile::Decode(bytes);

    std::vector<RegFile::ValueLine> values{{"AppPath", {}, appFolder}};
    // A sequence folder that the user already has stays exactly as it was written.
    if (LibRegistryBWShared::ReadSharedString("NonAudioPath", "", "").empty()) {
        const std::string home = HomeFolder();
        if (home.empty()) {
            failure = "The home folder is not known";
            return false;
        }
        const std::string sequences = WithSlash(home) + "Brightwave/Sequences/";
        std::error_code error;
        std::filesystem::create_directories(sequences, error);
        if (error) {
            failure = "Cannot create " + sequences + ": " + error.message();
            return false;
        }
        values.push_back({"NonAudioPath", {}, sequences});
    }
    values.push_back({"PostInstall", RegFile::DwordData(1)});
    values.push_back({"PostInstallVer", RegFile::DwordData(5)});
    const std::string edited = RegFile::SetValues(text.utf8, "HKEY_CURRENT_USER",
                                                  LibRegistryBW::BWKeyPath("Shared"), values);

    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    if (error) {
        failure = "Cannot create the folder of " + path + ": " + error.message();
        return false;
    }
    if (!WholeFile::Write(path, RegFile::Encode(edited, text.encoding))) {
        failure = "Cannot write " + path;
        return false;
    }
    return true;
}

#endif

} // namespace bw::SettingsStore
