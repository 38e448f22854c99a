#pragma once

// A home folder of its own for a test, so that the settings file that stands in for the registry
// outside Windows can be written freely. Not for Windows, whose tests read the real registry.
#ifndef _WIN32

#include "environment/SettingsStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace bw::test {

class TemporaryHome : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "bwshow-env-XXXXXX");
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        home_ = pattern;
        savedHome_ = Saved("HOME");
        savedConfig_ = Saved("XDG_CONFIG_HOME");
        setenv("HOME", home_.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home_ + "/config").c_str(), 1);
    }

    void TearDown() override {
        Restore("HOME", savedHome_);
        Restore("XDG_CONFIG_HOME", savedConfig_);
        std::error_code ignored;
        std::filesystem::remove_all(home_, ignored);
    }

    const std::string& Home() const { return home_; }

    // Replaces the settings file with exactly these bytes.
    void WriteStore(std::string_view bytes) const {
        const std::filesystem::path path = SettingsStore::FilePath();
        std::filesystem::create_directories(path.parent_path());
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        ASSERT_TRUE(file.good());
    }

    std::string ReadStore() const {
        std::ifstream file(SettingsStore::FilePath(), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    // A "Version 5.00" file whose shared settings key holds these value lines.
    void WriteShared(std::string_view valueLines) const {
        WriteStore("Windows Registry Editor Version 5.00\r\n\r\n"
                   "[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\r\n" +
                   std::string(valueLines));
    }

private:
    static std::optional<std::string> Saved(const char* name) {
        const char* value = std::getenv(name);
        return value == nullptr ? std::nullopt : std::optional<std::string>(value);
    }
    static void Restore(const char* name, const std::optional<std::string>& value) {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }

    std::string home_;
    std::optional<std::string> savedHome_;
    std::optional<std::string> savedConfig_;
};

// The text of a value line: "Name"="text" with "\" and quotes escaped.
inline std::string StringLine(std::string_view name, std::string_view text) {
    std::string line = "\"" + std::string(name) + "\"=\"";
    for (char ch : text) {
        if (ch == '\\' || ch == '"')
            line += '\\';
        line += ch;
    }
    return line + "\"\r\n";
}

} // namespace bw::test

#endif
