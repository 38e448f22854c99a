#include "listtext/Error.h"
#include "listtext/Serialize.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace bw;
using namespace bw::Serialize;

namespace {

std::vector<std::string> Elements(std::string_view text, int lowerBound = 1) {
    const ElementArray array = ListFromText(text, lowerBound);
    return {array.begin(), array.end()};
}

int ListErrorOf(std::string_view text) {
    try {
        ListFromText(text, 1);
    } catch (const Error& error) {
        EXPECT_EQ(error.Source(), "Serialize.ListFromText");
        return error.Number();
    }
    return 0;
}

using Strings = std::vector<std::string>;

} // namespace

TEST(ListText, WritingJoinsElementsVerbatim) {
    EXPECT_EQ(ListToText({}), "()");
    EXPECT_EQ(ListToText({""}), "()");
    EXPECT_EQ(ListToText({"a", "", "(b,c)"}), "(a,,(b,c))");
    EXPECT_EQ(ListToText(std::vector<std::string>{"x", " y "}), "(x, y )");
}

TEST(ListText, ReadingSplitsTopLevelElements) {
    EXPECT_EQ(Elements("()"), Strings{""});
    EXPECT_EQ(Elements("(,)"), (Strings{"", ""}));
    EXPECT_EQ(Elements("(a,,b)"), (Strings{"a", "", "b"}));
    EXPECT_EQ(Elements("((a,b),c)"), (Strings{"(a,b)", "c"}));
    EXPECT_EQ(Elements("((a,b)c,d)"), (Strings{"(a,b)c", "d"}));
    EXPECT_EQ(Elements("((a)"), Strings{"(a"});
    EXPECT_EQ(Elements("abc"), Strings{});
    EXPECT_EQ(Elements(""), Strings{});
    EXPECT_EQ(Elements("zz(a,b)yy"), (Strings{"a", "b"}));
    EXPECT_EQ(Elements("( a , b )"), (Strings{" a ", " b "}));
    EXPECT_EQ(Elements("(a,(b,(c,d)),e)"), (Strings{"a", "(b,(c,d))", "e"}));
    // Text after a nested list and before the next comma belongs to that element.
    EXPECT_EQ(Elements("((x)y(z),w)"), (Strings{"(x)y(z)", "w"}));
}

TEST(ListText, LowerBoundAddressesElements) {
    const ElementArray array = ListFromText("(x,(a,b),y,(c,(d,e)),z)", 0);
    ASSERT_EQ(array.LBound(), 0);
    ASSERT_EQ(array.UBound(), 4);
    EXPECT_EQ(array[0], "x");
    EXPECT_EQ(array[1], "(a,b)");
    EXPECT_EQ(array[2], "y");
    EXPECT_EQ(array[3], "(c,(d,e))");
    EXPECT_EQ(array[4], "z");

    const ElementArray fromOne = ListFromText("(a,b)", 1);
    EXPECT_EQ(fromOne[1], "a");
    EXPECT_EQ(fromOne[2], "b");
    try {
        (void)fromOne[3];
        FAIL() << "index beyond the last element was accepted";
    } catch (const Error& error) {
        EXPECT_EQ(error.Number(), 9);
        EXPECT_EQ(error.Description(), "Subscript out of range");
    }
    EXPECT_THROW((void)fromOne[0], Error);
}

TEST(ListText, BadlyFormattedListsRaiseTheirErrors) {
    struct Case {
        const char* text;
        int number;
    };
    const Case cases[] = {
        {"(a", 1},         {"a)", 1},      {")(", 1},
        {"(a,(b)", 2},     {"(a,b))", 3},  {"(a),b)", 3},
        {"(x,((a),b)", 4}, {"((0,1,2", 1}, {"((0,1,2,0,,,T,F,F)", 2},
        {"(a,b)", 0},      {"((a)", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListErrorOf(c.text), c.number) << c.text;

    try {
        ListFromText("(a,(b)", 1);
    } catch (const Error& error) {
        EXPECT_EQ(error.Description(), "Badly formatted list, missing closing paren");
    }
    try {
        ListFromText("(a", 1);
    } catch (const Error& error) {
        EXPECT_EQ(error.Description(), "Badly formatted list, enclosing parens");
    }
    try {
        ListFromText("(a,b))", 1);
    } catch (const Error& error) {
        EXPECT_EQ(error.Description(), "Badly formatted list, unexpected closing paren");
    }
}

TEST(ListText, NestedListsRoundTrip) {
    const std::string inner = ListToText({"1", EscapeText("a,(b)*c"), ListToText({"x", ""})});
    const std::string outer = ListToText({inner, "", inner});
    const ElementArray top = ListFromText(outer, 1);
    ASSERT_EQ(top.Count(), 3);
    EXPECT_EQ(top[1], inner);
    EXPECT_EQ(top[2], "");
    const ElementArray again = ListFromText(top[3], 1);
    ASSERT_EQ(again.Count(), 3);
    EXPECT_EQ(UnescapeText(again[2]), "a,(b)*c");
    EXPECT_EQ(ListFromText(again[3], 1).Count(), 2);
}

TEST(ListText, ManyElementsAndDeepNestingAreRead) {
    std::string text = "(";
    for (int i = 0; i < 100000; ++i)
        text += "e,";
    text += "last)";
    const ElementArray array = ListFromText(text, 1);
    EXPECT_EQ(array.Count(), 100001);
    EXPECT_EQ(array[100001], "last");

    // Deep nesting costs no recursion in the reader.
    const int depth = 50000;
    std::string deep = "(a," + std::string(depth, '(') + std::string(depth, ')') + ",b)";
    const ElementArray nested = ListFromText(deep, 1);
    ASSERT_EQ(nested.Count(), 3);
    EXPECT_EQ(nested[2].size(), 2u * depth);
    EXPECT_EQ(nested[3], "b");
}

TEST(ListText, KeepsOnlyTheElementsAskedForButChecksTheWholeText) {
    const ElementArray first = ListFromText("(a,b,c,d)", 1, 2);
    ASSERT_EQ(first.Count(), 2);
    EXPECT_EQ(first[2], "b");
    EXPECT_EQ(ListFromText("(a,b)", 1, 5).Count(), 2);
    // Damage after the kept elements is still found.
    EXPECT_THROW(ListFromText("(a,b,c,(d)", 1, 2), Error);
    EXPECT_THROW(ListFromText("(a,b,c),d)", 1, 1), Error);
}
