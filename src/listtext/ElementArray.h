#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace bw {

// The array of element texts that the list reader returns: elements addressed from a lower bound
// that the caller chooses (1 in the show model, 0 in the schedule records). An index outside the
// bounds raises the subscript error, which the readers rely on to refuse texts with missing fields.
//
// Elements are views into the text that was read; the array must not outlive that text. The
// records of the show model have at most ten fields: that many are kept without an allocation of
// their own, which a show of thousands of triggers would otherwise pay for each record it reads.
class ElementArray {
public:
    ElementArray() = default;
    explicit ElementArray(int lowerBound) : lowerBound_(lowerBound) {}

    int LBound() const { return lowerBound_; }
    int UBound() const { return lowerBound_ + Count() - 1; }
    int Count() const { return static_cast<int>(count_); }
    bool Empty() const { return count_ == 0; }

    // Raises the subscript error for an index outside LBound() to UBound().
    std::string_view operator[](int index) const;
    void Set(int index, std::string_view text);

    void Append(std::string_view text) {
        if (count_ < InlineCapacity)
            inline_[count_] = text;
        else
            Spill().push_back(text);
        ++count_;
    }
    // Extends the array so that its upper bound is `upperBound`; new elements are empty.
    void ExtendTo(int upperBound);

    const std::string_view* begin() const { return Data(); }
    const std::string_view* end() const { return Data() + count_; }

private:
    static constexpr size_t InlineCapacity = 10;

    const std::string_view* Data() const {
        return count_ <= InlineCapacity ? inline_.data() : spilled_.data();
    }
    std::string_view* Data() { return count_ <= InlineCapacity ? inline_.data() : spilled_.data(); }
    // The heap storage, holding the inline elements once the array has outgrown them.
    std::vector<std::string_view>& Spill();

    int lowerBound_ = 0;
    size_t count_ = 0;
    std::array<std::string_view, InlineCapacity> inline_{};
    std::vector<std::string_view> spilled_;
};

} // namespace bw
