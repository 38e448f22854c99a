#pragma once

#include <QObject>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace bw::test {

// The Qt Test classes of one program register themselves; main runs each, non-zero if any failed.
inline std::vector<std::function<std::unique_ptr<QObject>()>>& RegisteredTests() {
    static std::vector<std::function<std::unique_ptr<QObject>()>> tests;
    return tests;
}

inline int RunRegisteredTests(int argc, char** argv) {
    int status = 0;
    for (const auto& make : RegisteredTests())
        status |= QTest::qExec(make().get(), argc, argv);
    return status;
}

} // namespace bw::test

#define BWSHOW_REGISTER_TEST(Class)                                                                \
    static const bool registered##Class =                                                          \
        (bw::test::RegisteredTests().push_back([] { return std::make_unique<Class>(); }), true)
