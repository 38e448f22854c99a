// The registry reads against a key of test values. On Windows the values are in the real
// registry, put there by .ci/windows-tests with "reg add" before the tests run; elsewhere the test
// writes the same values into the settings file. Keep the two lists alike.

#include "environment/LibRegistry.h"
#include "listtext/Error.h"

#include "TemporaryHome.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace bw;
using namespace bw::LibRegistry;

namespace {

const std::string TestKey = "Software\\BWShowTest";

#ifdef _WIN32

using RegistryTest = ::testing::Test;

#else

class RegistryTest : public test::TemporaryHome {
protected:
    void SetUp() override {
        TemporaryHome::SetUp();
        WriteStore("Windows Registry Editor Version 5.00\r\n"
                   "\r\n"
                   "[HKEY_CURRENT_USER\\Software\\BWShowTest]\r\n"
                   "\"Text\"=\"C:\\\\Shows\"\r\n"
                   "\"Empty\"=\"\"\r\n"
                   "\"NoData\"=hex:\r\n"
                   "\"Five\"=dword:00000005\r\n"
                   "\"Minus\"=dword:ffffffff\r\n"
                   "\"ZeroDword\"=dword:00000000\r\n"
                   "\"TooLong\"=hex:01,02,03,04,05\r\n"
                   "\"Short\"=hex:01,02\r\n"
                   "\"One\"=\"1\"\r\n"
                   "\"Naught\"=\"0\"\r\n"
                   "\"Ansi\"=hex:43,61,66,e9,00\r\n"
                   "\"Expand\"=hex(2):25,00,54,00,45,00,4d,00,50,00,25,00,5c,00,78,00,00,00\r\n"
                   "\r\n"
                   "[HKEY_CURRENT_USER\\Software\\BWShowTest\\Sub]\r\n"
                   "\"Deep\"=\"x\"\r\n"
                   "\r\n");
    }
};

#endif

} // namespace

TEST_F(RegistryTest, ReadRegLong_TakesFirstFourBytesWhateverTheType) {
    struct Case {
        const char* key;
        const char* value;
        std::int32_t expected;
    };
    const std::int32_t fallback = 7;
    const Case cases[] = {
        {"Software\\BWShowTest", "Five", 5},
        {"Software\\BWShowTest", "Minus", -1},
        {"Software\\BWShowTest", "ZeroDword", 0},
        // A text "1" is the bytes "1" and NUL: 49.
        {"Software\\BWShowTest", "One", 49},
        // Shorter data leave the upper bytes 0.
        {"Software\\BWShowTest", "Short", 0x0201},
        {"Software\\BWShowTest", "Empty", 0},
        {"Software\\BWShowTest", "NoData", 0},
        // Longer data than four bytes give the default.
        {"Software\\BWShowTest", "TooLong", fallback},
        {"Software\\BWShowTest", "Text", fallback},
        {"Software\\BWShowTest", "Missing", fallback},
        {"Software\\BWShowTest\\Missing", "Five", fallback},
        {"Software\\NoSuchProduct", "Five", fallback},
        // Names of keys and values are compared as the registry does, without letter case.
        {"software\\bwshowtest", "FIVE", 5},
    };
    for (const Case& test : cases)
        EXPECT_EQ(ReadRegLong(HkeyCurrentUser, test.key, test.value, fallback), test.expected)
            << test.key << " " << test.value;
}

TEST_F(RegistryTest, ReadRegBool_IsNonZeroOrTheDefault) {
    struct Case {
        const char* value;
        bool fallback;
        bool expected;
    };
    const Case cases[] = {
        {"Five", false, true},     {"ZeroDword", true, false}, {"Minus", false, true},
        {"One", false, true},      {"Naught", false, true}, // "0" is 48, not zero
        {"TooLong", true, true},   {"TooLong", false, false},  {"Missing", true, true},
        {"Missing", false, false},
    };
    for (const Case& test : cases)
        EXPECT_EQ(ReadRegBool(HkeyCurrentUser, TestKey, test.value, test.fallback), test.expected)
            << test.value << " with default " << test.fallback;
    EXPECT_TRUE(ReadRegBool(HkeyCurrentUser, "Software\\NoSuchProduct", "Five", true));
}

TEST_F(RegistryTest, ReadRegString_IsTheDataLessItsTerminatingNul) {
    struct Case {
        const char* key;
        const char* value;
        std::string expected;
    };
    const std::string fallback = "default";
    const Case cases[] = {
        {"Software\\BWShowTest", "Text", "C:\\Shows"},
        // The empty text still has its NUL; only data of no bytes at all give the default.
        {"Software\\BWShowTest", "Empty", ""},
        {"Software\\BWShowTest", "NoData", fallback},
        {"Software\\BWShowTest", "One", "1"},
        // The type is not checked: a dword's first three bytes.
        {"Software\\BWShowTest", "Five", std::string("\x05\0\0", 3)},
        // Bytes in the ANSI code page come back as UTF-8.
        {"Software\\BWShowTest", "Ansi", "Caf\xC3\xA9"},
        // An expandable text comes back as stored.
        {"Software\\BWShowTest", "Expand", "%TEMP%\\x"},
        {"Software\\BWShowTest\\Sub", "Deep", "x"},
        {"Software\\BWShowTest", "Missing", fallback},
        {"Software\\BWShowTest\\Missing", "Text", fallback},
        {"software\\BWSHOWTEST", "text", "C:\\Shows"},
    };
    for (const Case& test : cases)
        EXPECT_EQ(ReadRegString(HkeyCurrentUser, test.key, test.value, fallback), test.expected)
            << test.key << " " << test.value;
}

TEST_F(RegistryTest, OpenKey_RaisesTheSystemStatusForAMissingKey) {
    try {
        CloseKey(OpenKey(HkeyCurrentUser, "Software\\BWShowTest\\Missing", KeyRead));
        ADD_FAILURE() << "no error raised";
    } catch (const Error& error) {
        EXPECT_EQ(error.Number(), 2);
        EXPECT_EQ(error.Source(), "");
        EXPECT_EQ(error.Description(), "RegOpenKeyEx failure");
    }
    const KeyHandle key = OpenKey(HkeyCurrentUser, TestKey, KeyRead);
    EXPECT_NE(key, nullptr);
    CloseKey(key);
}
