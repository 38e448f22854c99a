#include "DocumentedErrors.h"
#include "listtext/Serialize.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace bw;
using namespace bw::Serialize;
using bw::test::ErrorNumberOf;

namespace {

using Strings = std::vector<std::string>;

Strings Elements(std::string_view text) {
    const ElementArray array = ListFromText(text, 1);
    return {array.begin(), array.end()};
}

// The list reader's error number and description, or {0, ""} when it reads the text.
std::pair<int, std::string> ListErrorOf(std::string_view text) {
    try {
        ListFromText(text, 1);
    } catch (const Error& error) {
        EXPECT_EQ(error.Source(), "Serialize.ListFromText");
        return {error.Number(), error.Description()};
    }
    return {0, ""};
}

} // namespace

TEST(ListText, WritingJoinsElementsVerbatim) {
    EXPECT_EQ(ListToText({}) + ListToText({""}), "()()");
    EXPECT_EQ(ListToText({"a", "", "(b,c)", " y "}), "(a,,(b,c), y )");
}

TEST(ListText, ReadingSplitsTopLevelElements) {
    // clang-format off
    const std::pair<const char*, Strings> cases[] = {
        {"()", {""}},                         {"(,)", {"", ""}},
        {"(a,,b)", {"a", "", "b"}},           {"((a,b)c,d)", {"(a,b)c", "d"}},
        {"((a)", {"(a"}},                     {"abc", {}},
        {"", {}},                             {"zz(a,b)yy", {"a", "b"}},
        {"( a , b )", {" a ", " b "}},        {"(a,(b,(c,d)),e)", {"a", "(b,(c,d))", "e"}},
    };
    // clang-format on
    for (const auto& [text, elements] : cases)
        EXPECT_EQ(Elements(text), elements) << text;
}

TEST(ListText, LowerBoundAddressesElements) {
    const ElementArray array = ListFromText("(x,(a,b),y)", 0);
    EXPECT_EQ(array.LBound() + array.UBound(), 2);
    EXPECT_EQ(array[1], "(a,b)");
    const ElementArray fromOne = ListFromText("(a,b)", 1);
    EXPECT_EQ(std::string(fromOne[1]) + std::string(fromOne[2]), "ab");
    EXPECT_EQ(ErrorNumberOf([&] { (void)fromOne[0]; }) + ErrorNumberOf([&] { (void)fromOne[3]; }),
              18);
}

TEST(ListText, BadlyFormattedListsRaiseTheirErrors) {
    const std::string enclosing = "Badly formatted list, enclosing parens";
    const std::string missing = "Badly formatted list, missing closing paren";
    const std::string unexpected = "Badly formatted list, unexpected closing paren";
    // clang-format off
    const std::pair<const char*, std::pair<int, std::string>> cases[] = {
        {"(a", {1, enclosing}},            {"a)", {1, enclosing}},     {")(", {1, enclosing}},
        {"((0,1,2", {1, enclosing}},       {"(a,(b)", {2, missing}},   {"((0,1,2,0,,,T,F,F)", {2, missing}},
        {"(a,b))", {3, unexpected}},       {"(a),b)", {3, unexpected}},
        {"(a,b)", {0, ""}},                {"((a)", {0, ""}},
    };
    // clang-format on
    for (const auto& [text, error] : cases)
        EXPECT_EQ(ListErrorOf(text), error) << text;
    EXPECT_EQ(ListErrorOf("(x,((a),b)").first, 4);
}

TEST(ListText, KeepsOnlyTheElementsAskedForButChecksTheWholeText) {
    const ElementArray first = ListFromText("(a,b,c,d)", 1, 2);
    ASSERT_EQ(first.Count(), 2);
    EXPECT_EQ(first[2], "b");
    EXPECT_EQ(ListFromText("(a,b)", 1, 5).Count(), 2);
    EXPECT_THROW(ListFromText("(a,b,c,(d)", 1, 2), Error);
    EXPECT_THROW(ListFromText("(a,b,c),d)", 1, 1), Error);
}
