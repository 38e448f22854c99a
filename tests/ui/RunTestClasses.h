#pragma once

#include <QTest>

namespace bw::test {

// Runs several Qt Test classes in one program, each on an object of its own; the result is
// non-zero when any of them failed.
template <class... Tests> int RunTestClasses(int argc, char** argv) {
    int status = 0;
    auto run = [&](auto&& test) { status |= QTest::qExec(&test, argc, argv); };
    (run(Tests{}), ...);
    return status;
}

} // namespace bw::test
