// The registry and the settings file that stands in for it outside Windows. The test values are
// put in the registry by .ci/windows-tests with "reg add", elsewhere into the settings file from
// tests/data/registry/test-values.reg: keep the two lists alike.
#include "DocumentedErrors.h"
#include "environment/LibRegistry.h"
#include "environment/RegFile.h"

#include "DataFile.h"
#include "OtherSystemTest.h"

#include "TemporaryHome.h"

#include <gtest/gtest.h>

#include <map>

using namespace bw;
using namespace bw::LibRegistry;
using namespace bw::test;

namespace {

#ifdef _WIN32
using RegistryTest = ::testing::Test;
#else
class RegistryTest : public test::TemporaryHome {
protected:
    void SetUp() override {
        TemporaryHome::SetUp();
        WriteStore(DataFile("registry/test-values.reg"));
    }
};
#endif

const std::string SharedKey = "Software\\Brightwave\\Shared";

// The bytes that the registry query gives for the shared key's value.
std::string Read(std::string_view text, std::string_view value) {
    const auto values = RegFile::FindKey(text, HkeyCurrentUser, SharedKey);
    const RegFile::Value* found = values ? RegFile::FindValue(*values, value) : nullptr;
    return !values ? "<no key>" : found == nullptr ? "<no value>" : found->data;
}

} // namespace

TEST_F(RegistryTest, ReadsTakeTheBytesWhateverTheTypeOrGiveTheDefault) {
    for (const auto& row : DataRows("registry/reads.txt")) {
        EXPECT_EQ(ReadRegLong(HkeyCurrentUser, row[0], row[1], 7), std::stoi(row[2])) << row[1];
        EXPECT_EQ(ReadRegBool(HkeyCurrentUser, row[0], row[1], true), row[3] == "T") << row[1];
        EXPECT_EQ(ReadRegString(HkeyCurrentUser, row[0], row[1], "-"), Unescaped(row[4])) << row[1];
    }
    EXPECT_FALSE(ReadRegBool(HkeyCurrentUser, "Software\\BWShowTest", "TooLong", false));
    const Error error = test::ErrorOf(
        [&] { CloseKey(OpenKey(HkeyCurrentUser, "Software\\BWShowTest\\Missing", KeyRead)); });
    EXPECT_EQ(std::to_string(error.Number()) + error.Description(), "2RegOpenKeyEx failure");
}

TEST(RegFile, ValueLinesGiveTheBytesOfTheRegistryQuery) {
    const std::string text = DataFile("registry/values.reg");
    for (const auto& row : DataRows("registry/value-bytes.txt"))
        EXPECT_EQ(Read(text, Unescaped(row[0])), Unescaped(row[1])) << row[0];

    // Two sections of one key make one key; a key exists through a key below it.
    const std::string keys = DataFile("registry/keys.reg");
    EXPECT_EQ(RegFile::FindKey(keys, HkeyCurrentUser, SharedKey)->size(), 2u);
    EXPECT_TRUE(RegFile::FindKey(keys, HkeyCurrentUser, "Software\\Brightwave")->empty());
    EXPECT_TRUE(RegFile::FindKey(keys, HkeyCurrentUser, "") &&
                RegFile::FindKey(keys, HkeyLocalMachine, "Software\\Machine"));
    for (const char* missing :
         {"Software\\Bright", "Software\\Removed", "Software\\Machine", "Software\\Unclose"})
        EXPECT_FALSE(RegFile::FindKey(keys, HkeyCurrentUser, missing)) << missing;
}

TEST(RegFile, DecodingFollowsTheFileAndEncodingKeepsIt) {
    using enum RegFile::Encoding;
    const std::map<std::string, RegFile::Encoding> encodings{{"UTF-8", Utf8},
                                                             {"UTF-8 with mark", Utf8WithBom},
                                                             {"UTF-16LE with mark", Utf16LeWithBom},
                                                             {"ANSI", Ansi}};
    for (const auto& row : DataRows("registry/decoding.txt")) {
        const std::string bytes = Unescaped(row[0]);
        const RegFile::DecodedText decoded = RegFile::Decode(bytes);
        EXPECT_EQ(decoded.encoding, encodings.at(row[1])) << row[0];
        EXPECT_EQ(decoded.utf8, row[2] == "=" ? bytes : Unescaped(row[2])) << row[0];
        EXPECT_EQ(RegFile::Encode(decoded.utf8, decoded.encoding), bytes) << row[0];
    }
}

// Each set-values/NAME.before becomes NAME.after: values replaced where they stand, repeats
// removed, new ones at the end of the key's section or in a new section, other lines kept.
TEST(RegFile, SetValuesReplacesInPlaceAndKeepsEveryOtherLine) {
    for (const std::string name :
         {"new-file", "replaced-in-place", "added-to-the-section", "missing-key-added",
          "deleted-section-is-not-the-key", "after-a-continued-last-line",
          "after-a-last-line-ending-in-backslashes"}) {
        const std::string after = RegFile::SetValues(
            DataFile("registry/set-values/" + name + ".before"), "HKEY_CURRENT_USER", SharedKey,
            {{"AppPath", RegFile::StringData("/opt/b\\w/")},
             {"PostInstall", RegFile::DwordData(1)}});
        EXPECT_EQ(after, DataFile("registry/set-values/" + name + ".after")) << name;
        EXPECT_EQ(Read(after, "AppPath"), std::string("/opt/b\\w/") + '\0') << name;
    }
}

// Folders whose names are not UTF-8 or hold a line break come back byte for byte from files of
// every kind: quoted where they can be, as hex text data where a line break would end the line.
TEST(RegFile, TextValuesKeepEveryByteOfAFolderName) {
    const std::string folders[] = {"/opt/inst-caf\xE9/", "/opt/two\nlines\r\xFF/", "/q\"b\\s\xFF/"};
    for (const char* before :
         {"", "REGEDIT4\r\n", "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n", "\xFF\xFE"}) {
        const RegFile::DecodedText text = RegFile::Decode(before);
        std::vector<RegFile::ValueLine> values;
        for (std::size_t i = 0; i < std::size(folders); ++i)
            values.push_back({"Folder" + std::to_string(i), {}, folders[i]});
        const std::string bytes = RegFile::Encode(
            RegFile::SetValues(text.utf8, "HKEY_CURRENT_USER", SharedKey, values), text.encoding);
        const std::string reread = RegFile::Decode(bytes).utf8;
        // Hex text data of a "REGEDIT4" file are in the code page, which has no character for a
        // byte that is not UTF-8.
        const bool codePage = std::string_view(before).starts_with("REGEDIT4");
        for (std::size_t i = 0; i < std::size(folders); ++i)
            EXPECT_EQ(Read(reread, values[i].name),
                      (codePage && i == 1 ? "/opt/two\nlines\r?/" : folders[i]) + '\0')
                << before << i;
    }
}

#ifndef _WIN32

TEST_F(RegistryTest, SettingsFileLiesInTheUsersConfigurationFolder) {
    EXPECT_EQ(SettingsStore::FilePath(), Home() + "/config/Brightwave/registry.reg");
    setenv("XDG_CONFIG_HOME", "relative/config", 1); // not absolute: as if there were none
    EXPECT_EQ(SettingsStore::FilePath(), Home() + "/.config/Brightwave/registry.reg");
}

#else
BWSHOW_OTHER_SYSTEM_TEST_F(RegistryTest, SettingsFileLiesInTheUsersConfigurationFolder)
#endif
