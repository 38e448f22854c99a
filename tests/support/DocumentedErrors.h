#pragma once

#include "listtext/Error.h"

#include <string>

// The errors that the readers of outside text may raise, for tests and fuzz targets alike.
namespace bw::test {

// The error that `call` raises, or one numbered 0 when it raises none.
template <typename Call> Error ErrorOf(Call&& call) {
    try {
        call();
    } catch (const Error& error) {
        return error;
    }
    return Error(0, "", "");
}

template <typename Call> int ErrorNumberOf(Call&& call) {
    return ErrorOf(call).Number();
}

// The text that `call` returns, or "!" and the number of the error it raises.
template <typename Call> std::string TextOrError(Call&& call) {
    std::string text;
    const int number = ErrorNumberOf([&] { text = call(); });
    return number != 0 ? "!" + std::to_string(number) : text;
}

// One of the list reader's four errors.
inline bool IsListError(const Error& error) {
    return error.Number() >= 1 && error.Number() <= 4 && error.Source() == "Serialize.ListFromText";
}

} // namespace bw::test
