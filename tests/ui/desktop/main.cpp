#include "DesktopTestSupport.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return bw::test::RunKeysTest(argc, argv) | bw::test::RunDropsTest(argc, argv) |
           bw::test::RunMarksAndFixesTest(argc, argv);
}
