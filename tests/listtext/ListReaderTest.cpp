// The list reader and the one-pass reader of scalar lists against a plain transcription of the
// reading rules, on every short text over the characters that matter and on random longer ones.

#include "DocumentedErrors.h"
#include "listtext/Serialize.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <variant>
#include <vector>

using namespace bw;
using namespace bw::Serialize;

namespace {

using Strings = std::vector<std::string>;
using Outcome = std::variant<int, Strings>; // the error number, or the elements

// The rules as written: positions searched afresh at every step.
Outcome ReferenceSplit(std::string_view text) {
    constexpr size_t none = std::string_view::npos;
    const size_t first = text.find('(');
    const size_t last = text.rfind(')');
    if (first == none && last == none)
        return Strings{};
    if (first == none || last == none || last < first)
        return 1;
    std::string_view body = text.substr(first + 1, last - first - 1);
    Strings elements;
    size_t scan = 0;
    int depth = 0;
    for (;;) {
        const size_t p = body.find('(', scan);
        const size_t q = body.find(')', scan);
        const size_t c = body.find(',', scan);
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
    EXPECT_EQ(Run([&] {
                  const ElementArray array = ListFromText(text, 1);
                  return Strings(array.begin(), array.end());
              }),
              rules)
        << text;
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

TEST(ListReader, UnescapedListIsPlacedOnceAtItsCount) {
    for (const std::string& body : {std::string(5000, ','), std::string(300, 'a') + ",b,c"}) {
        const Strings list = UnescapedListFromText("(" + body + ")");
        EXPECT_EQ(list.capacity(), list.size());
    }
}
