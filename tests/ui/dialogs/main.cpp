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
    QFile file(QString::fromStdString(bw::SettingsStore::FilePath()));
    if (!QDir().mkpath(QFileInfo(file).path()) || !file.open(QIODevice::WriteOnly))
        return 1;
    file.write("Windows Registry Editor Version 5.00\r\n\r\n"
               "[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\r\n"
               "\"NonAudioPath\"=\"D:\\\\Seq\\\\\"\r\n");
    file.close();
    return bw::test::RunRegisteredTests(argc, argv);
}
