#include "listtext/ElementArray.h"

#include "listtext/Error.h"

namespace bw {

std::string_view ElementArray::operator[](int index) const {
    if (index < lowerBound_ || index > UBound())
        RaiseSubscriptOutOfRange();
    return items_[static_cast<size_t>(index - lowerBound_)];
}

void ElementArray::Set(int index, std::string_view text) {
    if (index < lowerBound_ || index > UBound())
        RaiseSubscriptOutOfRange();
    items_[static_cast<size_t>(index - lowerBound_)] = text;
}

void ElementArray::ExtendTo(int upperBound) {
    if (upperBound > UBound())
        items_.resize(static_cast<size_t>(upperBound - lowerBound_ + 1));
}

} // namespace bw
