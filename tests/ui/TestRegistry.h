#pragma once

#include <QObject>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace bw::test {

// The Qt Test classes of one program register themselves; main runs each, non-zero if any failed.
// Constant-initialized, so that registrations in other files' static initializers find it ready.
inline std::vector<std::function<std::unique_ptr<QObject>()>> registeredTests;

inline int RunRegisteredTests(int argc, char** argv) {
    int status = 0;
    for (const auto& make : registeredTests)
        status |= QTest::qExec(make().get(), argc, argv);
    return status;
}

} // namespace bw::test

#define BWSHOW_REGISTER_TEST(Class)                                                                \
    static const bool registered##Class =                                                          \
        (bw::test::registeredTests.push_back([] { return std::make_unique<Class>(); }), true)
