#include "DataFile.h"
#include "DocumentedErrors.h"
#include "listtext/PlainInt.h"
#include "listtext/Serialize.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <variant>
#include <vector>

using namespace bw;
using namespace bw::Serialize;
using bw::test::ErrorNumberOf;

namespace {

// The elements of a list text, each in angle brackets, or its error and where it was raised.
std::string ListOutcome(const std::string& text, int maxElements) {
    try {
        std::string read;
        for (std::string_view element : ListFromText(text, 1, maxElements))
            read += "<" + std::string(element) + ">";
        return read;
    } catch (const Error& error) {
        return "!" + std::to_string(error.Number()) + " " + error.Source() + ": " +
               error.Description();
    }
}

using Strings = std::vector<std::string>;
using Outcome = std::variant<int, Strings>; // the error number, or the elements

// The rules as written: positions searched afresh at every step.
Outcome ReferenceSplit(std::string_view text) {
    constexpr size_t none = std::string_view::npos;
    const size_t first = text.find('('), last = text.rfind(')');
    if (first == none && last == none)
        return Strings{};
    if (first == none || last == none || last < first)
        return 1;
    std::string_view body = text.substr(first + 1, last - first - 1);
    Strings elements;
    size_t scan = 0;
    int depth = 0;
    for (;;) {
        const size_t p = body.find('(', scan), q = body.find(')', scan), c = body.find(',', scan);
        if (c == none && depth == 0)
            break;
        if (depth > 0) {
            if (q == none)
                return 4;
            depth += p != none && p < q ? 1 : -1;
            scan = (p != none && p < q ? p : q) + 1;
        } else if (q != none && (p == none || q < p)) {
            return 3;
        } else if (p != none && q == none) {
            return 2;
        } else if (p != none && c > p) {
            depth = 1;
            scan = p + 1;
        } else {
            elements.emplace_back(body.substr(0, c));
            body.remove_prefix(c + 1);
            scan = 0;
        }
    }
    elements.emplace_back(body);
    return elements;
}

// The elements `read` gives, or the number of the error it raises.
Outcome Run(auto read) {
    Strings elements;
    const int error = test::ErrorNumberOf([&] { elements = read(); });
    return error != 0 ? Outcome(error) : Outcome(elements);
}

// Both readers against the rules: the unescaping one splits, then unescapes every element.
void ExpectAgreement(const std::string& text) {
    const Outcome rules = ReferenceSplit(text);
    const auto strings = [](const ElementArray& array) {
        return Strings(array.begin(), array.end());
    };
    EXPECT_EQ(Run([&] { return strings(ListFromText(text, 1)); }), rules) << text;
    Outcome unescaped = rules;
    if (auto* elements = std::get_if<Strings>(&unescaped))
        for (std::string& element : *elements)
            element = UnescapeText(element);
    EXPECT_EQ(Run([&] { return UnescapedListFromText(text); }), unescaped) << text;
}

// Every text of up to `length` characters drawn from `alphabet`.
void ForEveryText(std::string_view alphabet, size_t length, auto check) {
    std::string text;
    auto extend = [&](auto& self) -> void {
        check(text);
        if (text.size() == length || ::testing::Test::HasFailure())
            return;
        for (char ch : alphabet) {
            text.push_back(ch);
            self(self);
            text.pop_back();
        }
    };
    extend(extend);
}

} // namespace

TEST(ListText, ReadsTheTableOfTexts) {
    const std::map<std::string, std::function<std::string(const std::string&)>> readings = {
        {"list", [](const std::string& t) { return ListOutcome(t, INT_MAX); }},
        {"first two", [](const std::string& t) { return ListOutcome(t, 2); }},
        {"escape", [](const std::string& t) { return EscapeText(t); }},
        {"unescape", [](const std::string& t) { return UnescapeText(t); }},
        {"bool", [](const std::string& t) { return std::string(BoolFromText(t) ? "T" : "F"); }},
        {"padded", [](const std::string& t) { return std::to_string(IntFromText(t)); }},
        {"plain", [](const std::string& t) { return std::to_string(PlainIntFromText(t)); }},
        {"date", [](const std::string& t) { return DateToText(DateFromText(t)); }}};
    for (const auto& row : test::DataRows("listtext/texts.txt"))
        EXPECT_EQ(test::TextOrError([&] { return readings.at(row[0])(row[1]); }), row[2])
            << row[0] << " '" << row[1].substr(0, 24) << "'";
}

TEST(ListText, WritesListsFlagsNumbersAndDates) {
    EXPECT_EQ(ListToText({}) + ListToText({""}), "()()");
    EXPECT_EQ(ListToText({"a", "", "(b,c)", " y "}), "(a,,(b,c), y )");
    EXPECT_EQ(BoolToText(true) + BoolToText(false), "TF");
    EXPECT_EQ(IntToText(0) + IntToText(-1) + IntToText(INT_MIN), " 0-1-2147483648");
    EXPECT_EQ(PlainIntToText(5) + PlainIntToText(-5), "5-5");
    EXPECT_EQ(DateToText(MakeDateTime(2004, 3, 5, 19, 8, 9)), "2004-03-05 19:08:09");
}

TEST(ListText, LowerBoundAddressesElements) {
    const ElementArray array = ListFromText("(x,(a,b),y)", 0), fromOne = ListFromText("(a,b)", 1);
    EXPECT_EQ(std::tuple(array.LBound(), array.UBound(), array[0], array[1], array[2]),
              std::tuple(0, 2, "x", "(a,b)", "y"));
    EXPECT_EQ(std::tuple(fromOne.LBound(), fromOne.UBound(), fromOne[1], fromOne[2]),
              std::tuple(1, 2, "a", "b"));
    for (int outside : {0, 3})
        EXPECT_EQ(ErrorNumberOf([&] { (void)fromOne[outside]; }), 9) << outside;
}

TEST(Errors, StandardRunTimeErrorsCarryTheirDescriptions) {
    // clang-format off
    const std::tuple<void (*)(), int, const char*> cases[] = {
        {RaiseOverflow, 6, "Overflow"}, {RaiseSubscriptOutOfRange, 9, "Subscript out of range"},
        {RaiseTypeMismatch, 13, "Type mismatch"},
        {RaiseObjectNotSet, 91, "Object variable or With block variable not set"}};
    // clang-format on
    for (const auto& [raise, number, description] : cases) {
        const Error error = bw::test::ErrorOf(raise);
        EXPECT_EQ(std::to_string(error.Number()) + error.Description() + "|" + error.Source() +
                      "|" + error.what(),
                  std::to_string(number) + description + "||" + description);
    }
}

TEST(ListReader, AgreesWithTheRulesOnEveryShortText) {
    ForEveryText("(),a", 8, ExpectAgreement);
    ForEveryText("(),*S", 7, ExpectAgreement);
    // Runs longer than a machine word, with escapes at every offset within one.
    for (size_t offset = 0; offset < 20; ++offset) {
        const std::string name =
            std::string(offset, 'x') + "*O*E*C" + std::string(19 - offset, 'y');
        ExpectAgreement("z(" + name + "," + name + "*,,*S*" + ")z");
    }
}

TEST(ListReader, AgreesWithTheRulesOnLongRandomTexts) {
    // Long enough for nested lists beyond the reader's short walk and for names spanning words.
    const std::string pool = std::string(6, '(') + std::string(6, ')') + std::string(8, ',') +
                             std::string(6, '*') + std::string(74, 'a');
    std::mt19937 random(17);
    for (int round = 0; round < 3000 && !HasFailure(); ++round) {
        std::string text = "(";
        const int length = std::uniform_int_distribution<int>(0, 300)(random);
        for (int i = 0; i < length; ++i) {
            const int pick = std::uniform_int_distribution<int>(0, 99)(random);
            text += pool[pick] == 'a' ? 'a' + pick % 3 : pool[pick];
        }
        ExpectAgreement(text + ")");
    }
}
