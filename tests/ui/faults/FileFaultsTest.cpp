// The editor under file faults: a file that vanishes between the dialog and the read on Open;
// read-only files, removed folders and a full disk on Save and Save As. (Folders, binary and
// empty files on Open are cases of the editor's own Open tests.) In every case the person
// sees the usual message, the editor keeps its show and its unsaved-changes state, and the file
// that was on disk before is untouched.

#include "EditorTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace bw::test {

namespace {

// Prompts whose open dialog removes the chosen file before the editor gets to read it.
class VanishingPrompts : public ScriptedPrompts {
public:
    std::optional<QStringList> OpenFiles(QWidget* parent,
                                         const FileDialogRequest& request) override {
        auto answer = ScriptedPrompts::OpenFiles(parent, request);
        if (answer)
            for (const QString& path : *answer)
                QFile::remove(path);
        return answer;
    }
};

// The soft file-size limit of this process, lowered while it lives: writes beyond it fail as on
// a full disk (with SIGXFSZ ignored they return an error instead of ending the process).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace

class FileFaultsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(folder_.isValid()); }

    void Open_VanishedFile_IsRefused();
    void Save_Faults_KeepTheShowAndTheFile_data();
    void Save_Faults_KeepTheShowAndTheFile();

private:
    QTemporaryDir folder_;
};

void FileFaultsTest::Open_VanishedFile_IsRefused() {
    const QString path = folder_.filePath(QStringLiteral("Vanishing.kss"));
    Show stored;
    stored.Main()->List() = {"/seq/a.kas"};
    QVERIFY(WriteShowFile(path, stored));

    VanishingPrompts prompts;
    frmShowEnvironment environment;
    environment.defaultPath = folder_.path() + QLatin1Char('/');
    frmShow window(prompts, std::move(environment));
    const ShowPtr before = window.MyShow();
    prompts.openAnswers.enqueue(QStringList{path});
    window.ToolbarCommand(QStringLiteral("Open"));

    QVERIFY(!QFile::exists(path));
    const auto messages = prompts.Of(Kind::Message);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].text, QStringLiteral("Unable to open ") + path);
    QCOMPARE(window.MyShow(), before);
    QVERIFY(window.ShowFileName().isEmpty());
    QVERIFY(!window.HasUnsavedChanges());
}

void FileFaultsTest::Save_Faults_KeepTheShowAndTheFile_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("saveAs");
    for (const char* fault : {"read-only file", "removed folder", "full disk"}) {
        QTest::newRow(QByteArray("Save onto ") + fault) << fault << false;
        QTest::newRow(QByteArray("Save As onto ") + fault) << fault << true;
    }
}

void FileFaultsTest::Save_Faults_KeepTheShowAndTheFile() {
    QFETCH(QString, fault);
    QFETCH(bool, saveAs);
    const QString subfolder = folder_.filePath(QStringLiteral("Shows ") + QTest::currentDataTag());
    QVERIFY(QDir().mkpath(subfolder));
    const QString path = subfolder + QStringLiteral("/Halloween.kss");

    Editor editor;
    editor.MakeNamedChangedShow(path);
    // A large show, so that its text does not fit under the lowered file-size limit.
    for (int i = 0; i < 2000; ++i)
        editor.window->AddSequenceToPlaylist("/seq/Sequence number " + std::to_string(i) + ".kas");
    const QByteArray onDisk = ReadBytes(path);
    QVERIFY(!onDisk.isEmpty());
    const ShowPtr before = editor.window->MyShow();
    const Show showBefore = *ShowFunctions::ShowFromText(ShowFunctions::ShowToText(*before));

    if (fault == QLatin1String("read-only file")) {
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    } else if (fault == QLatin1String("removed folder")) {
        QVERIFY(QDir(subfolder).removeRecursively());
    }
    {
        std::optional<FileSizeLimit> limit;
        if (fault == QLatin1String("full disk"))
            limit.emplace(onDisk.size() + 1024);
        if (saveAs) {
            editor.prompts.saveAnswers.enqueue(path);
            editor.Click(QStringLiteral("SaveAs"));
        } else {
            editor.Click(QStringLiteral("Save"));
        }
    }

    const auto messages = editor.prompts.Of(Kind::Message);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].text, QStringLiteral("Unable to write to ") + path);
    QCOMPARE(editor.window->MyShow(), before);
    QVERIFY(*before == showBefore);
    QCOMPARE(editor.window->ShowFileName(), path);
    QVERIFY(editor.window->HasUnsavedChanges());
    QVERIFY(editor.SaveEnabled());
    if (fault == QLatin1String("removed folder")) {
        QVERIFY(!QFile::exists(path));
    } else {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(ReadBytes(path), onDisk);
        QCOMPARE(QDir(subfolder).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

} // namespace bw::test

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    bw::test::FileFaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FileFaultsTest.moc"
