#include "EditorHelpersTest.h"
#include "FileCommandsTest.h"
#include "PlayOptionsTest.h"
#include "SectionTabsTest.h"

#include "RunTestClasses.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Tests close the main window without running the program's event loop.
    QApplication::setQuitOnLastWindowClosed(false);

    return bw::test::RunTestClasses<bw::test::FileCommandsTest, bw::test::SectionTabsTest,
                                    bw::test::PlayOptionsTest, bw::test::EditorHelpersTest>(argc,
                                                                                            argv);
}
