#include "EditorHelpersTest.h"
#include "FileCommandsTest.h"
#include "PlayOptionsTest.h"
#include "SectionTabsTest.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Tests close the main window without running the program's event loop.
    QApplication::setQuitOnLastWindowClosed(false);

    int status = 0;
    {
        bw::test::FileCommandsTest test;
        status |= QTest::qExec(&test, argc, argv);
    }
    {
        bw::test::SectionTabsTest test;
        status |= QTest::qExec(&test, argc, argv);
    }
    {
        bw::test::PlayOptionsTest test;
        status |= QTest::qExec(&test, argc, argv);
    }
    {
        bw::test::EditorHelpersTest test;
        status |= QTest::qExec(&test, argc, argv);
    }
    return status;
}
