#pragma once

#include "listtext/Error.h"

#include <gtest/gtest.h>

#include <optional>

namespace bw::test {

// The error that `action` raises, or nothing (recorded as a failure) when it raises none.
template <typename Action> std::optional<Error> RaisedError(Action action) {
    try {
        action();
    } catch (const Error& error) {
        return error;
    }
    ADD_FAILURE() << "no error was raised";
    return std::nullopt;
}

} // namespace bw::test
