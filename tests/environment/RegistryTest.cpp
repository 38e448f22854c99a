// The registry reads against a key of test values. On Windows the values are in the real
// registry, put there by .ci/windows-tests with "reg add" before the tests run; elsewhere the test
// writes the same values, from tests/data/registry/test-values.reg, into the settings file. Keep
// the two lists alike.
#include "DocumentedErrors.h"
#include "environment/LibRegistry.h"

#include "DataFile.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

using namespace bw;
using namespace bw::LibRegistry;

namespace {

#ifdef _WIN32
using RegistryTest = ::testing::Test;
#else
class RegistryTest : public test::TemporaryHome {
protected:
    void SetUp() override {
        TemporaryHome::SetUp();
        WriteStore(test::DataFile("registry/test-values.reg"));
    }
};
#endif

} // namespace

TEST_F(RegistryTest, ReadsTakeTheBytesWhateverTheTypeOrGiveTheDefault) {
    const std::string key = "Software\\BWShowTest", sub = key + "\\Sub",
                      missing = key + "\\Missing";
    // Key, value: as a long (default 7), as a bool (default true), as a string ("-" default).
    // clang-format off
    const std::tuple<std::string, const char*, int, bool, std::string> cases[] = {
        {key, "Five", 5, true, std::string("\x05\0\0", 3)}, {key, "Minus", -1, true, "\xC3\xBF\xC3\xBF\xC3\xBF"},
        {key, "ZeroDword", 0, false, std::string(3, '\0')},
        {key, "One", 49, true, "1"}, // the text "1" is the bytes "1" and NUL
        {key, "Short", 0x0201, true, "\x01"}, // shorter data leave the upper bytes 0
        {key, "Empty", 0, false, ""}, {key, "NoData", 0, false, "-"}, // only no bytes give the default
        {key, "TooLong", 7, true, "\x01\x02\x03\x04"}, // longer than four bytes: default
        {key, "Ansi", 7, true, "Caf\xC3\xA9"}, {key, "Expand", 7, true, "%TEMP%\\x"},
        {sub, "Deep", 120, true, "x"}, {key, "Missing", 7, true, "-"}, {missing, "Five", 7, true, "-"},
        {"software\\bwshowtest", "FIVE", 5, true, std::string("\x05\0\0", 3)}}; // any letter case
    // clang-format on
    for (const auto& [keyPath, value, number, flag, text] : cases) {
        EXPECT_EQ(ReadRegLong(HkeyCurrentUser, keyPath, value, 7), number) << value;
        EXPECT_EQ(ReadRegBool(HkeyCurrentUser, keyPath, value, true), flag) << value;
        EXPECT_EQ(ReadRegString(HkeyCurrentUser, keyPath, value, "-"), text) << value;
    }
    EXPECT_FALSE(ReadRegBool(HkeyCurrentUser, key, "TooLong", false));

    const Error error =
        test::ErrorOf([&] { CloseKey(OpenKey(HkeyCurrentUser, missing, KeyRead)); });
    EXPECT_EQ(std::to_string(error.Number()) + error.Description(), "2RegOpenKeyEx failure");
}
