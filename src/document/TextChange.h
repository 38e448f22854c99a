#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bw {

// One change of a text, kept as the part that differs: the text before and the text after share
// everything up to `start` and everything behind their two middles. A change of one field of a
// long show text thus costs the size of that field, not twice the size of the show.
struct TextChange {
    std::size_t start = 0;
    std::string before;
    std::string after;

    static TextChange Between(std::string_view from, std::string_view to);

    bool IsEmpty() const { return before == after; }
    // Turns the text before the change into the text after it.
    void Apply(std::string& text) const { text.replace(start, before.size(), after); }
    // Turns the text after the change back into the text before it.
    void Revert(std::string& text) const { text.replace(start, after.size(), before); }
};

} // namespace bw
