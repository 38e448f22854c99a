// The list reader raises only its four errors, and every element it returns lies inside the text.
#include "FuzzChecks.h"
#include "listtext/Serialize.h"

using namespace bw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    try {
        const ElementArray elements = Serialize::ListFromText(text, 0);
        const bool hasParentheses = text.find('(') != std::string_view::npos;
        fuzz::Check(elements.Empty() != hasParentheses, "elements without parentheses");
        for (std::string_view element : elements)
            fuzz::Check(element.data() >= text.data() &&
                            element.data() + element.size() <= text.data() + text.size(),
                        "element outside the text");
        // Escaping the elements gives a text that reads back to the same elements (no elements
        // at all are written as "()", which reads as one empty element).
        if (elements.Empty())
            return 0;
        std::vector<std::string> escaped;
        for (std::string_view element : elements)
            escaped.push_back(Serialize::EscapeText(element));
        const std::string written = Serialize::ListToText(escaped);
        const ElementArray again = Serialize::ListFromText(written, 0);
        fuzz::Check(again.Count() == elements.Count(), "escaped elements changed count");
        for (int i = 0; i < again.Count(); ++i)
            fuzz::Check(Serialize::UnescapeText(again[i]) == elements[i], "escaping round trip");
    } catch (const Error& error) {
        fuzz::Check(fuzz::IsListError(error), "undocumented list error");
    }
    return 0;
}
