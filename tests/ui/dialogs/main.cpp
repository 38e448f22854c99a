#include "TestRegistry.h"
#include "environment/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

// The dialogs read the sequence folder D:\Seq\ from a settings file of the tests' own, so that
// relative sequence names resolve the same on every machine.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir configFolder;
    qputenv("XDG_CONFIG_HOME", configFolder.path().toLocal8Bit());
    const QString settings = QString::fromStdString(bw::SettingsStore::FilePath());
    if (!QDir().mkpath(QFileInfo(settings).path()) ||
        !QFile::copy(BWSHOW_TEST_DATA "/dialogs/registry.reg", settings))
        return 1;
    return bw::test::RunRegisteredTests(argc, argv);
}
