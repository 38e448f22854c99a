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

// A report file ("-o file,format") is one per class, numbered "1-file" and on, so that no class's
// report replaces another's.
inline int RunRegisteredTests(int argc, char** argv) {
    int status = 0, number = 0;
    for (const auto& make : registeredTests) {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        if (const qsizetype o = arguments.indexOf("-o"); o >= 0 && o + 1 < arguments.size())
            arguments[o + 1].prepend(QString::number(++number) + '-');
        status |= QTest::qExec(make().get(), arguments);
    }
    return status;
}

} // namespace bw::test

#define BWSHOW_REGISTER_TEST(Class)                                                                \
    static const bool registered##Class =                                                          \
        (bw::test::registeredTests.push_back([] { return std::make_unique<Class>(); }), true)
