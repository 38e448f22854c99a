#include "DocumentedErrors.h"
#include "listtext/Error.h"
#include "showfile/ShowFunctions.h"

#include <gtest/gtest.h>

#include <random>

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

} // namespace

// Small versions of the texts the benchmark reads at full size; none may recurse per level.
TEST(HostileText, DeepNestingIsReadWithoutRecursion) {
    const int depth = 100000;
    const std::string nested = std::string(depth, '(') + std::string(depth, ')');
    EXPECT_EQ(ReadAnything(nested), nullptr);
    EXPECT_EQ(ReadAnything("(" + nested + "," + nested + ")"), nullptr);

    // A playlist whose entries nest deeply is still a playlist with one odd entry.
    const std::string playlist = "(1,0,1,0,,(" + nested + "),T,F,F)";
    const std::string show = "(" + playlist + "," + playlist + "," + playlist + "," + playlist +
                             ",," + playlist + ",, 0,,F)";
    const ShowPtr read = ReadAnything(show);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Main()->List().at(0), nested);
}

TEST(HostileText, LongRunsOfCommas) {
    const std::string commas(1000000, ',');
    EXPECT_EQ(ReadAnything(commas), nullptr);             // no parentheses: error 9
    EXPECT_EQ(ReadAnything("(" + commas + ")"), nullptr); // a million empty fields
    const std::string playlist = "(1,0,1,0,,(" + commas + "),T,F,F)";
    const ShowPtr read =
        ReadAnything("(" + playlist + "," + playlist + "," + playlist + "," + playlist + ")");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Main()->Count(), 1000001);
}

TEST(HostileText, RandomBytesGiveNoShowOrADocumentedError) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::string text(static_cast<size_t>(random() % 5000), '\0');
        for (char& ch : text)
            ch = static_cast<char>(byte(random));
        ReadAnything(text);
    }
    // Random bytes drawn mostly from the list format's own characters.
    const char alphabet[] = "(),*ESOC T0123-";
    for (int round = 0; round < 2000; ++round) {
        std::string text(static_cast<size_t>(random() % 200), ' ');
        for (char& ch : text)
            ch = alphabet[random() % (sizeof alphabet - 1)];
        if (const ShowPtr show = ReadAnything(text)) {
            EXPECT_EQ(ShowToText(*ShowFromText(ShowToText(*show))), ShowToText(*show)) << text;
        }
    }
}
