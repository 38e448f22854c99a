#include "listtext/ByteSearch.h"
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
            const bool commaAhead = ByteSearch::FindFirstOf<','>(body_, at + 1) != none;
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
        return ByteSearch::FindFirstOf<',', '(', ')'>(body_, from);
    }

    bool CloseAfter(size_t position) const {
        const size_t lastClose = body_.rfind(')');
        return lastClose != none && lastClose > position;
    }

    // The position after the ")" that closes the list opened at `open`; inside it only
    // parentheses count.
    size_t AfterNestedList(size_t open) const {
        int depth = 1;
        for (size_t at = open + 1;; ++at) {
            at = ByteSearch::FindFirstOf<'(', ')'>(body_, at);
            if (at == none) {
                if (!CloseAfter(open))
                    RaiseListError(2, "Badly formatted list, missing closing paren");
                RaiseListError(4, "Badly formatted list, missing closing paren");
            }
            if (body_[at] == '(')
                ++depth;
            else if (--depth == 0)
                return at + 1;
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
