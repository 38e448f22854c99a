#pragma once

// A home folder for a test, where the settings file that stands in for the registry outside
// Windows is written freely. Each test runs in a process of its own: the variables stay set.
#ifndef _WIN32

#include "TemporaryFolder.h"
#include "environment/SettingsStore.h"

#include <cstdlib>
#include <string_view>

namespace bw::test {

class TemporaryHome : public TemporaryFolder {
protected:
    void SetUp() override {
        TemporaryFolder::SetUp();
        setenv("HOME", Home().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (Home() + "/config").c_str(), 1);
    }

    std::string Home() const { return folder_.string(); }
    // Replaces the settings file with exactly these bytes.
    void WriteStore(std::string_view bytes) const {
        Put(SettingsStore::FilePath(), std::string(bytes));
    }
    std::string ReadStore() const { return Bytes(SettingsStore::FilePath()); }
    // A "Version 5.00" file whose shared settings key holds these value lines.
    void WriteShared(std::string_view valueLines) const {
        WriteStore("Windows Registry Editor Version 5.00\r\n\r\n"
                   "[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\r\n" +
                   std::string(valueLines));
    }
};

// The text of a value line: "Name"="text", for texts without "\" or quotes.
inline std::string StringLine(std::string_view name, std::string_view text) {
    return "\"" + std::string(name) + "\"=\"" + std::string(text) + "\"\r\n";
}

} // namespace bw::test

#endif
