#pragma once

#include "environment/LibRegistry.h"

#include <cstdint>
#include <string>

// The one query that the registry reads are built on, with the status codes and the calling
// convention of the system's RegQueryValueExA. Internal to the registry module.
namespace bw::LibRegistry::Query {

inline constexpr std::int32_t StatusSuccess = 0;
inline constexpr std::int32_t StatusFileNotFound = 2;
inline constexpr std::int32_t StatusAccessDenied = 5;
inline constexpr std::int32_t StatusMoreData = 234;

// `type` and `size` are in and out. With `data` null, `size` receives the data's size in bytes
// and the status is success. With a buffer smaller than the data, `size` receives the size needed
// and the status is StatusMoreData. A missing value is StatusFileNotFound.
std::int32_t QueryValue(KeyHandle key, const std::string& valueName, std::uint32_t* type,
                        unsigned char* data, std::uint32_t* size);

} // namespace bw::LibRegistry::Query
