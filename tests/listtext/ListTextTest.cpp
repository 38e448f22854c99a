#include "DataFile.h"
#include "DocumentedErrors.h"
#include "listtext/Serialize.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace bw;
using namespace bw::Serialize;
using bw::test::ErrorNumberOf;

TEST(ListText, WritingJoinsElementsVerbatim) {
    EXPECT_EQ(ListToText({}) + ListToText({""}), "()()");
    EXPECT_EQ(ListToText({"a", "", "(b,c)", " y "}), "(a,,(b,c), y )");
}

TEST(ListText, ReadsTheTableOfLists) {
    for (const auto& row : test::DataRows("listtext/lists.txt")) {
        std::string read;
        try {
            for (std::string_view element : ListFromText(row[0], 1))
                read += "<" + std::string(element) + ">";
        } catch (const Error& error) {
            read = "!" + std::to_string(error.Number()) + " " + error.Source() + ": " +
                   error.Description();
        }
        EXPECT_EQ(read, row[1]) << row[0];
    }
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

TEST(ListText, KeepsOnlyTheElementsAskedForButChecksTheWholeText) {
    const ElementArray first = ListFromText("(a,(b,c),d,e)", 0, 2);
    EXPECT_EQ(std::vector<std::string>(first.begin(), first.end()),
              (std::vector<std::string>{"a", "(b,c)"}));
    EXPECT_EQ(ListFromText("(a,b)", 1, 5).Count(), 2);
    EXPECT_EQ(ErrorNumberOf([] { ListFromText("(a,b,c,(d)", 1, 2); }), 2);
    EXPECT_EQ(ErrorNumberOf([] { ListFromText("(a,b,c,d))", 1, 1); }), 3);
}
