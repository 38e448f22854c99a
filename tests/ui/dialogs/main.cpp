#include "TestRegistry.h"

#include <QApplication>

// The dialogs read the sequence folder D:\Seq\ from a settings file of the tests' own, so that
// relative sequence names resolve the same on every machine.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qputenv("XDG_CONFIG_HOME", BWSHOW_TEST_DATA "/dialogs/config");
    return bw::test::RunRegisteredTests(argc, argv);
}
