#include "environment/SettingsStore.h"

#include "environment/LibRegistry.h"
#include "environment/ProductSettings.h"
#include "environment/RegFile.h"
#include "environment/WholeFile.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#ifndef _WIN32
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

bool FileIsMissing(const std::string& path) {
    std::error_code error;
    return !std::filesystem::exists(path, error) && !error;
}

} // namespace

std::string FilePath() {
    std::string config = Environment("XDG_CONFIG_HOME");
    // A relative value is invalid and ignored, as the base directory rules say.
    if (config.empty() || config.front() != '/')
        config = WithSlash(HomeFolder()) + ".config";
    return WithSlash(config) + "Brightwave/registry.reg";
}

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

} // namespace bw::SettingsStore
