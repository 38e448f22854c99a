#pragma once

#include "DocumentedErrors.h"
#include "listtext/Error.h"

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>

namespace bw::fuzz {

// Stops the fuzzer with a message: libFuzzer keeps the input that got here.
[[noreturn]] inline void Fail(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "FUZZ CHECK FAILED: %s %s\n", what, detail.c_str());
    std::abort();
}

inline void Check(bool condition, const char* what, const std::string& detail = {}) {
    if (!condition)
        Fail(what, detail);
}

using test::IsListError;

// A list error, or one of the given run-time errors (which carry no source).
inline void CheckDocumentedError(const Error& error, std::initializer_list<int> runTimeErrors) {
    if (IsListError(error))
        return;
    for (int number : runTimeErrors)
        if (error.Number() == number && error.Source().empty())
            return;
    Fail("undocumented error",
         std::to_string(error.Number()) + " " + error.Source() + " " + error.Description());
}

inline std::string_view AsText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace bw::fuzz
