#pragma once

#include <memory>

namespace bw {

// Deep equality through shared references: both empty, or both set to equal objects.
template <typename T>
bool PointeeEqual(const std::shared_ptr<T>& left, const std::shared_ptr<T>& right) {
    return left == right || (left && right && *left == *right);
}

} // namespace bw
