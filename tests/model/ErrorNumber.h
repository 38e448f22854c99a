#pragma once

#include "listtext/Error.h"

namespace bw::test {

// The number of the error that `call` raises, or 0 when it raises none.
template <typename Call> int ErrorNumberOf(Call&& call) {
    try {
        call();
    } catch (const Error& error) {
        return error.Number();
    }
    return 0;
}

} // namespace bw::test
