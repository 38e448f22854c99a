#pragma once

#include <string_view>
#include <vector>

namespace bw {

// The array of element texts that the list reader returns: elements addressed from a lower bound
// that the caller chooses (1 in the show model, 0 in the schedule records). An index outside the
// bounds raises the subscript error, which the readers rely on to refuse texts with missing fields.
//
// Elements are views into the text that was read; the array must not outlive that text.
class ElementArray {
public:
    ElementArray() = default;
    explicit ElementArray(int lowerBound) : lowerBound_(lowerBound) {}

    int LBound() const { return lowerBound_; }
    int UBound() const { return lowerBound_ + Count() - 1; }
    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }

    // Raises the subscript error for an index outside LBound() to UBound().
    std::string_view operator[](int index) const;
    void Set(int index, std::string_view text);

    void Append(std::string_view text) { items_.push_back(text); }
    // Extends the array so that its upper bound is `upperBound`; new elements are empty.
    void ExtendTo(int upperBound);

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    int lowerBound_ = 0;
    std::vector<std::string_view> items_;
};

} // namespace bw
