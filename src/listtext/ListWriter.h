#pragma once

#include <string>
#include <string_view>

namespace bw::Serialize {

// Appends escaped text to `out`.
void AppendEscaped(std::string& out, std::string_view text);

// Writes a list text straight into a string, so that nested lists are built in one buffer
// instead of being joined from copies level by level. The result is the same as ListToText of
// the elements: "(", the elements separated by ",", ")".
class ListWriter {
public:
    explicit ListWriter(std::string& out) : out_(out) { out_ += '('; }

    void Element(std::string_view text) { Next() += text; }
    void EscapedElement(std::string_view text) { AppendEscaped(Next(), text); }
    // Starts the next element and hands out the buffer for the caller to append it, for
    // example a nested list written with a ListWriter of its own.
    std::string& Next() {
        if (!first_)
            out_ += ',';
        first_ = false;
        return out_;
    }
    void Close() { out_ += ')'; }

private:
    std::string& out_;
    bool first_ = true;
};

} // namespace bw::Serialize
