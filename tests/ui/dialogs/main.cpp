#include "TestRegistry.h"
#include "environment/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// The sequence folder D:\Seq\ in a settings file of the tests' own, so that relative sequence
// names resolve the same on every machine.
bool UseSequenceFolder(const QTemporaryDir& configFolder) {
    qputenv("XDG_CONFIG_HOME", configFolder.path().toLocal8Bit());
    const QString path = QString::fromStdString(bw::SettingsStore::FilePath());
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write("Windows Registry Editor Version 5.00\r\n\r\n"
               "[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\r\n"
               "\"NonAudioPath\"=\"D:\\\\Seq\\\\\"\r\n");
    return file.error() == QFile::NoError;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir configFolder;
    if (!configFolder.isValid() || !UseSequenceFolder(configFolder)) {
        qCritical("cannot write the test settings file");
        return 1;
    }

    return bw::test::RunRegisteredTests(argc, argv);
}
