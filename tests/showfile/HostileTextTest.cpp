#include "DocumentedErrors.h"
#include "listtext/Error.h"
#include "showfile/ShowFunctions.h"

#include <gtest/gtest.h>

using namespace bw;
using namespace bw::ShowFunctions;

namespace {

// Reads a text that may not be a show at all: a show, no show, or one of the documented errors.
ShowPtr ReadAnything(std::string_view text) {
    try {
        return ShowFromText(text);
    } catch (const Error& error) {
        EXPECT_TRUE(test::IsShowReadError(error)) << error.Number() << " " << error.Description();
        return nullptr;
    }
}

std::string ShowOfMainEntries(const std::string& entries) {
    const std::string playlist = "(1,0,1,0,,(" + entries + "),T,F,F)";
    return "(" + playlist + "," + playlist + "," + playlist + "," + playlist + ")";
}

} // namespace

// Small versions of the texts the benchmark reads at full size; none may recurse per level.
TEST(HostileText, DeepNestingAndLongRunsOfCommas) {
    const int depth = 100000;
    const std::string nested = std::string(depth, '(') + std::string(depth, ')');
    EXPECT_EQ(ReadAnything("(" + nested + "," + nested + ")"), nullptr);
    const ShowPtr deep = ReadAnything(ShowOfMainEntries(nested));
    ASSERT_NE(deep, nullptr);
    EXPECT_EQ(deep->Main()->List().at(0), nested);

    const std::string commas(1000000, ',');
    EXPECT_EQ(ReadAnything("(" + commas + ")"), nullptr);
    const ShowPtr wide = ReadAnything(ShowOfMainEntries(commas));
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(wide->Main()->Count(), 1000001);
}
