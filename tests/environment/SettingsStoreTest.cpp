// The settings file that stands in for the registry outside Windows: where it lies, how it is
// read, and how BWPost edits it.

#include "environment/LibRegistry.h"
#include "environment/RegFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifndef _WIN32
#include "TemporaryHome.h"
#endif

using namespace bw;
using namespace bw::LibRegistry;

namespace {

const std::string SharedKey = "Software\\Brightwave\\Shared";

std::string Read(std::string_view text, std::string_view value) {
    const auto values = RegFile::FindKey(text, HkeyCurrentUser, "Software\\Brightwave\\Shared");
    if (!values)
        return "<no key>";
    const RegFile::Value* found = RegFile::FindValue(*values, value);
    return found == nullptr ? "<no value>" : found->data;
}

std::string Nul(std::string text) {
    return text + std::string(1, '\0');
}

// UTF-16 with its byte order mark, of a text whose characters are all below 256.
std::string Utf16FromLatin1(std::string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char ch : text)
        bytes += std::string{ch, '\0'};
    return bytes;
}

} // namespace

TEST(RegFile, ValueLinesGiveTheBytesOfTheRegistryQuery) {
    const std::string text = "Windows Registry Editor Version 5.00\n"
                             "\n"
                             "[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\n"
                             "\"Text\"=\"a \\\"quoted\\\" C:\\\\path\"\n"
                             "\"Word\"=dword:0A0b0C0d\n"
                             "\"Small\"=dword:5\n"
                             "\"Bytes\"=hex:de,AD, be ,ef\n"
                             "\"Wrapped\"=hex:01,02,\\\n"
                             "  03,04,\\\n"
                             "  05\n"
                             "\"Utf16\"=hex(2):41,00,e9,00,00,00\n"
                             "\"Qword\"=hex(b):01,00,00,00,00,00,00,00\n"
                             "@=\"default value\"\n"
                             "\"Later\"=\"first\"\n"
                             "\"LATER\"=\"second\"\n"
                             "\"Gone\"=\"x\"\n"
                             "\"Gone\"=-\n"
                             "\"Non-ASCII \xC3\xA9\"=\"\xC3\xA9t\xC3\xA9\"\n";
    struct Case {
        const char* value;
        std::string bytes;
    };
    const Case cases[] = {
        {"Text", Nul("a \"quoted\" C:\\path")},
        {"Word", std::string("\x0d\x0c\x0b\x0a", 4)},
        {"Small", std::string("\x05\0\0\0", 4)},
        {"Bytes", "\xde\xad\xbe\xef"},
        {"Wrapped", "\x01\x02\x03\x04\x05"},
        // A text written as hex in a "Version 5.00" file is UTF-16 there; it is kept in UTF-8.
        {"Utf16", Nul("A\xC3\xA9")},
        {"Qword", std::string("\x01\0\0\0\0\0\0\0", 8)},
        {"", Nul("default value")},
        {"later", Nul("second")},
        {"Gone", "<no value>"},
        {"Non-ASCII \xC3\xA9", Nul("\xC3\xA9t\xC3\xA9")},
    };
    for (const Case& test : cases)
        EXPECT_EQ(Read(text, test.value), test.bytes) << test.value;
}

TEST(RegFile, MalformedLinesAreSkipped) {
    const std::string text = "Windows Registry Editor Version 5.00\n"
                             "this is not a line of the format\n"
                             "[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\n"
                             "; a comment\n"
                             "\"BadWord\"=dword:xyz\n"
                             "\"TooWide\"=dword:123456789\n"
                             "\"BadHex\"=hex:1g,02\n"
                             "\"BadType\"=hex(zz):01\n"
                             "\"Unclosed\"=\"text\n"
                             "\"Trailing\"=\"text\" more\n"
                             "\"NoEquals\" \"text\"\n"
                             "\"Unknown\"=string:abc\n"
                             "Bare=\"text\"\n"
                             "\"Good\"=\"kept\"\n"
                             "[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared\n"
                             "\"AfterBadSection\"=\"still in Shared\"\n";
    for (const char* value : {"BadWord", "TooWide", "BadHex", "BadType", "Unclosed", "Trailing",
                              "NoEquals", "Unknown", "Bare"})
        EXPECT_EQ(Read(text, value), "<no value>") << value;
    EXPECT_EQ(Read(text, "Good"), Nul("kept"));
    EXPECT_EQ(Read(text, "AfterBadSection"), Nul("still in Shared"));
}

TEST(RegFile, KeysExistThroughTheirSectionsOrKeysBelowThem) {
    const std::string text = "REGEDIT4\r\n"
                             "\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\r\n"
                             "\"A\"=\"1\"\r\n"
                             "\r\n"
                             "[-HKEY_CURRENT_USER\\Software\\Removed]\r\n"
                             "\"B\"=\"2\"\r\n"
                             "[HKEY_LOCAL_MACHINE\\Software\\Machine]\r\n"
                             "\"C\"=\"3\"\r\n"
                             "[hkey_current_user\\software\\brightwave\\SHARED]\r\n"
                             "\"D\"=\"4\"\r\n";
    const auto shared = RegFile::FindKey(text, HkeyCurrentUser, SharedKey);
    ASSERT_TRUE(shared);
    // Two sections of one key make one key.
    EXPECT_EQ(shared->size(), 2u);
    const auto product = RegFile::FindKey(text, HkeyCurrentUser, "Software\\Brightwave");
    ASSERT_TRUE(product);
    EXPECT_TRUE(product->empty());
    EXPECT_TRUE(RegFile::FindKey(text, HkeyCurrentUser, ""));
    EXPECT_FALSE(RegFile::FindKey(text, HkeyCurrentUser, "Software\\Bright"));
    EXPECT_FALSE(RegFile::FindKey(text, HkeyCurrentUser, "Software\\Removed"));
    EXPECT_FALSE(RegFile::FindKey(text, HkeyCurrentUser, "Software\\Machine"));
    EXPECT_TRUE(RegFile::FindKey(text, HkeyLocalMachine, "Software\\Machine"));
}

TEST(RegFile, DecodingFollowsTheFileAndEncodingKeepsIt) {
    const std::string utf8 = "Windows Registry Editor Version 5.00\r\n\"A\"=\"\xC3\xA9\"\r\n";
    const std::string utf16 =
        Utf16FromLatin1("Windows Registry Editor Version 5.00\r\n\"A\"=\"\xE9\"\r\n");
    struct Case {
        std::string bytes;
        RegFile::Encoding encoding;
        std::string text;
    };
    const Case cases[] = {
        {utf8, RegFile::Encoding::Utf8, utf8},
        {"\xEF\xBB\xBF" + utf8, RegFile::Encoding::Utf8WithBom, utf8},
        {utf16, RegFile::Encoding::Utf16LeWithBom, utf8},
        // "REGEDIT4" files are ANSI even where the bytes happen to be valid UTF-8.
        {"REGEDIT4\r\n\"A\"=\"\xC3\xA9\"\r\n", RegFile::Encoding::Ansi,
         "REGEDIT4\r\n\"A\"=\"\xC3\x83\xC2\xA9\"\r\n"},
        // Without a header, bytes that are not UTF-8 are taken as ANSI.
        {"\"A\"=\"\xE9\"\r\n", RegFile::Encoding::Ansi, "\"A\"=\"\xC3\xA9\"\r\n"},
    };
    for (const Case& test : cases) {
        const RegFile::DecodedText decoded = RegFile::Decode(test.bytes);
        EXPECT_EQ(decoded.encoding, test.encoding) << test.text;
        EXPECT_EQ(decoded.utf8, test.text);
        EXPECT_EQ(RegFile::Encode(decoded.utf8, decoded.encoding), test.bytes) << test.text;
    }
}

TEST(RegFile, SetValuesReplacesInPlaceAndKeepsEveryOtherLine) {
    const std::vector<RegFile::ValueLine> values{{"AppPath", RegFile::StringData("/opt/b\\w/")},
                                                 {"PostInstall", RegFile::DwordData(1)}};
    struct Case {
        const char* what;
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        {"a new file", "",
         "Windows Registry Editor Version 5.00\r\n\r\n"
         "[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\r\n"
         "\"AppPath\"=\"/opt/b\\\\w/\"\r\n\"PostInstall\"=dword:00000001\r\n\r\n"},
        {"values replaced where they stand, repeats removed, others kept",
         "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\n"
         "\"Other\"=hex:01,\\\n  02\n\"appPATH\"=\"old\"\n; note\n\"AppPath\"=\"older\"\n"
         "\"PostInstall\"=hex:01,\\\n  00\n\n[HKEY_CURRENT_USER\\Software\\Else]\n\"X\"=\"y\"",
         "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\n"
         "\"Other\"=hex:01,\\\n  02\n\"AppPath\"=\"/opt/b\\\\w/\"\n; note\n"
         "\"PostInstall\"=dword:00000001\n\n[HKEY_CURRENT_USER\\Software\\Else]\n\"X\"=\"y\""},
        {"new values at the end of the key's section",
         "Windows Registry Editor Version 5.00\r\n\r\n"
         "[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\r\n\"Other\"=\"o\"\r\n\r\n"
         "[HKEY_CURRENT_USER\\Software\\Else]\r\n\"X\"=\"y\"\r\n",
         "Windows Registry Editor Version 5.00\r\n\r\n"
         "[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\r\n\"Other\"=\"o\"\r\n"
         "\"AppPath\"=\"/opt/b\\\\w/\"\r\n\"PostInstall\"=dword:00000001\r\n\r\n"
         "[HKEY_CURRENT_USER\\Software\\Else]\r\n\"X\"=\"y\"\r\n"},
        {"a missing key added at the end",
         "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Else]\n\"X\"=\"y\"",
         "Windows Registry Editor Version "
         "5.00\n\n[HKEY_CURRENT_USER\\Software\\Else]\n\"X\"=\"y\"\n"
         "\n[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\n\"AppPath\"=\"/opt/b\\\\w/\"\n"
         "\"PostInstall\"=dword:00000001\n"},
        {"a deleted section is not the key",
         "REGEDIT4\n\n[-HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\n\"AppPath\"=\"x\"\n",
         "REGEDIT4\n\n[-HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\n\"AppPath\"=\"x\"\n\n"
         "[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\n\"AppPath\"=\"/opt/b\\\\w/\"\n"
         "\"PostInstall\"=dword:00000001\n"},
    };
    for (const Case& test : cases) {
        const std::string after = RegFile::SetValues(test.before, "HKEY_CURRENT_USER",
                                                     "Software\\Brightwave\\Shared", values);
        EXPECT_EQ(after, test.after) << test.what;
        EXPECT_EQ(Read(after, "AppPath"), Nul("/opt/b\\w/")) << test.what;
    }
}

#ifndef _WIN32

class SettingsStoreTest : public test::TemporaryHome {};

// Found by fuzzing: a damaged file whose last line ends in a continuation swallowed the key that
// BWPost added after it, so the installation check could never pass.
TEST(RegFile, SetValues_AfterALastLineThatContinues_AddsAReadableKey) {
    for (const char* lastLine : {"\"X\"=hex:01,\\", "\"X\"=hex:01,\\\\"}) {
        const std::string damaged =
            std::string("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Other]\r\n") + lastLine;
        const std::string edited = RegFile::SetValues(damaged, "HKEY_CURRENT_USER", SharedKey,
                                                      {{"AppPath", RegFile::StringData("/x/")}});
        EXPECT_EQ(Read(edited, "AppPath"), std::string("/x/\0", 4)) << edited;
    }
}

TEST_F(SettingsStoreTest, FileLiesInTheUsersConfigurationFolder) {
    EXPECT_EQ(SettingsStore::FilePath(), Home() + "/config/Brightwave/registry.reg");
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(SettingsStore::FilePath(), Home() + "/.config/Brightwave/registry.reg");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(SettingsStore::FilePath(), Home() + "/.config/Brightwave/registry.reg");
}

TEST_F(SettingsStoreTest, ReadsKeepTheQuerysByteSemanticsWithEitherHeader) {
    // The registry editor writes "REGEDIT4" files in the ANSI code page and "Version 5.00" files
    // in UTF-16; both must read the same.
    const std::string body = "[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\r\n"
                             "\"AppPath\"=\"C:\\\\Suite\"\r\n"
                             "\"PostInstallVer\"=dword:00000005\r\n"
                             "\"One\"=\"1\"\r\n";
    const std::string files[] = {
        "REGEDIT4\r\n\r\n" + body + "\"Name\"=\"Caf\xE9\"\r\n",
        "Windows Registry Editor Version 5.00\r\n\r\n" + body + "\"Name\"=\"Caf\xC3\xA9\"\r\n",
        Utf16FromLatin1("Windows Registry Editor Version 5.00\r\n\r\n" + body +
                        "\"Name\"=\"Caf\xE9\"\r\n"),
    };
    for (const std::string& file : files) {
        WriteStore(file);
        EXPECT_EQ(ReadRegString(HkeyCurrentUser, SharedKey, "AppPath", ""), "C:\\Suite");
        EXPECT_EQ(ReadRegLong(HkeyCurrentUser, SharedKey, "PostInstallVer", 0), 5);
        EXPECT_EQ(ReadRegLong(HkeyCurrentUser, SharedKey, "One", 0), 49);
        EXPECT_TRUE(ReadRegBool(HkeyCurrentUser, SharedKey, "One", false));
        EXPECT_EQ(ReadRegString(HkeyCurrentUser, SharedKey, "Name", ""), "Caf\xC3\xA9");
    }
}

TEST_F(SettingsStoreTest, WithoutAFileEveryReadGivesItsDefault) {
    EXPECT_EQ(ReadRegLong(HkeyCurrentUser, SharedKey, "PostInstallVer", 3), 3);
    EXPECT_TRUE(ReadRegBool(HkeyCurrentUser, SharedKey, "PostInstall", true));
    EXPECT_EQ(ReadRegString(HkeyCurrentUser, SharedKey, "AppPath", "none"), "none");
    WriteStore("");
    EXPECT_EQ(ReadRegString(HkeyCurrentUser, SharedKey, "AppPath", "none"), "none");
}

#endif
