#include "TestRegistry.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Tests close the main window without running the program's event loop.
    QApplication::setQuitOnLastWindowClosed(false);
    return bw::test::RunRegisteredTests(argc, argv);
}
