#include "listtext/Error.h"
#include "listtext/Serialize.h"

#include <algorithm>
#include <array>

namespace bw::Serialize {

namespace {

constexpr size_t none = std::string_view::npos;

[[noreturn]] void RaiseListError(int number, const char* description) {
    throw Error(number, ListErrorSource, description);
}

constexpr std::array<bool, 256> StructureCharacters = [] {
    std::array<bool, 256> structure{};
    structure['('] = structure[')'] = structure[','] = true;
    return structure;
}();

// Next occurrence of one character at or after a position that only ever moves forward. Keeping
// the last answer makes every search resume where the previous one stopped.
class NextOccurrence {
public:
    NextOccurrence(std::string_view body, char wanted) : body_(body), wanted_(wanted) {}

    // Position of the next `wanted` at or after `from`, or none.
    size_t From(size_t from) {
        if (found_ != none && found_ >= from)
            return found_;
        if (exhausted_)
            return none;
        found_ = body_.find(wanted_, from);
        exhausted_ = found_ == none;
        return found_;
    }

private:
    std::string_view body_;
    char wanted_;
    size_t found_ = none;
    bool exhausted_ = false;
};

// Position of the first `wanted` at or after `from`, or none. The first bytes are looked at one
// by one: in the short records of a show the next one is mostly a few bytes away, where a call of
// memchr would cost more than it saves.
size_t FindFrom(std::string_view text, char wanted, size_t from) {
    for (const size_t nearEnd = std::min(text.size(), from + 16); from < nearEnd; ++from)
        if (text[from] == wanted)
            return from;
    return text.find(wanted, from);
}

// Cuts the body of a list into its top-level elements in one forward pass. The reading rules
// check, at each step while a comma lies ahead, which parenthesis comes next; between two steps
// that meet only commas that parenthesis stays the same, so the pass checks it when it gets
// there: a parenthesis right after a cut comma is checked in any case, one elsewhere only when a
// comma follows it. The errors are the same ones, for the same texts.
class BodySplitter {
public:
    explicit BodySplitter(std::string_view body) : body_(body) {}

    template <typename Emit> void Split(Emit emit) {
        size_t elementStart = 0;
        size_t scan = 0;
        bool afterComma = false; // nothing but an element has been passed since the last cut
        for (size_t at; (at = FirstStructureCharacter(scan)) != none;) {
            if (body_[at] == ',') {
                emit(body_.substr(elementStart, at - elementStart));
                elementStart = scan = at + 1;
                afterComma = true;
                continue;
            }
            const bool commaAhead = FindFrom(body_, ',', at + 1) != none;
            if (!commaAhead && !afterComma)
                break; // the rest is the last element, whatever it holds
            if (body_[at] == ')')
                RaiseListError(3, "Badly formatted list, unexpected closing paren");
            if (!commaAhead) {
                if (!CloseAfter(at))
                    RaiseListError(2, "Badly formatted list, missing closing paren");
                break;
            }
            scan = AfterNestedList(at);
            afterComma = false;
        }
        emit(body_.substr(elementStart));
    }

private:
    size_t FirstStructureCharacter(size_t from) const {
        for (; from < body_.size(); ++from)
            if (StructureCharacters[static_cast<unsigned char>(body_[from])])
                return from;
        return none;
    }

    bool CloseAfter(size_t position) const {
        const size_t lastClose = body_.rfind(')');
        return lastClose != none && lastClose > position;
    }

    // The position after the ")" that closes the list opened at `open`; inside it only
    // parentheses count. A short list, such as a trigger, is walked byte by byte; a long one
    // hops from parenthesis to parenthesis with memchr.
    size_t AfterNestedList(size_t open) const {
        int depth = 1;
        size_t i = open + 1;
        for (const size_t nearEnd = std::min(body_.size(), i + 64); i < nearEnd; ++i) {
            if (body_[i] == '(')
                ++depth;
            else if (body_[i] == ')' && --depth == 0)
                return i + 1;
        }
        NextOccurrence nextOpen(body_, '(');
        NextOccurrence nextClose(body_, ')');
        for (;;) {
            const size_t p = nextOpen.From(i);
            const size_t q = nextClose.From(i);
            if (q == none) {
                if (!CloseAfter(open))
                    RaiseListError(2, "Badly formatted list, missing closing paren");
                RaiseListError(4, "Badly formatted list, missing closing paren");
            }
            if (p != none && p < q) {
                ++depth;
                i = p + 1;
            } else if (--depth == 0) {
                return q + 1;
            } else {
                i = q + 1;
            }
        }
    }

    std::string_view body_;
};

} // namespace

ElementArray ListFromText(std::string_view text, int lowerBound, int maxElements) {
    ElementArray result(lowerBound);
    const size_t firstOpen = text.find('(');
    const size_t lastClose = text.rfind(')');
    if (firstOpen == none && lastClose == none)
        return result;
    if (firstOpen == none || lastClose == none || lastClose < firstOpen)
        RaiseListError(1, "Badly formatted list, enclosing parens");

    BodySplitter(text.substr(firstOpen + 1, lastClose - firstOpen - 1))
        .Split([&](std::string_view element) {
            if (result.Count() < maxElements)
                result.Append(element);
        });
    return result;
}

} // namespace bw::Serialize
