#include "document/TextChange.h"

#include <algorithm>

namespace bw {

TextChange TextChange::Between(std::string_view from, std::string_view to) {
    const std::size_t shorter = std::min(from.size(), to.size());
    const auto prefix = static_cast<std::size_t>(
        std::mismatch(from.begin(), from.begin() + static_cast<std::ptrdiff_t>(shorter), to.begin())
            .first -
        from.begin());
    // The common end may not reach into the common beginning.
    const auto suffix = static_cast<std::size_t>(
        std::mismatch(from.rbegin(), from.rbegin() + static_cast<std::ptrdiff_t>(shorter - prefix),
                      to.rbegin())
            .first -
        from.rbegin());
    return {prefix, std::string(from.substr(prefix, from.size() - prefix - suffix)),
            std::string(to.substr(prefix, to.size() - prefix - suffix))};
}

} // namespace bw
