#include "listtext/ElementArray.h"

#include "listtext/Error.h"

namespace bw {

std::string_view ElementArray::operator[](int index) const {
    if (index < lowerBound_ || index > UBound())
        RaiseSubscriptOutOfRange();
    return Data()[index - lowerBound_];
}

void ElementArray::Set(int index, std::string_view text) {
    if (index < lowerBound_ || index > UBound())
        RaiseSubscriptOutOfRange();
    Data()[index - lowerBound_] = text;
}

void ElementArray::ExtendTo(int upperBound) {
    while (upperBound > UBound())
        Append({});
}

std::vector<std::string_view>& ElementArray::Spill() {
    if (count_ == InlineCapacity)
        spilled_.assign(inline_.begin(), inline_.end());
    return spilled_;
}

} // namespace bw
