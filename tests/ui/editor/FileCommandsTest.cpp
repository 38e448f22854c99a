#include "FileCommandsTest.h"

#include "EditorTestSupport.h"
#include "editor/TitleWithVersion.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <random>

namespace bw::test {

namespace {

using Kind = ScriptedPrompts::Kind;

const QString Unsaved = QStringLiteral(
    "Warning.  You have unsaved changes to this show.  If you proceed, these changes will be "
    "lost.  Do you wish to continue without saving these changes?");

const QString Cancel = QStringLiteral("<cancel>");

std::unique_ptr<QTemporaryDir> temporary;
QString previousCurrentFolder;

// "<tmp>" in a test row stands for the test's own folder.
QString InFolder(QString text, const QString& folder) {
    return text.replace(QStringLiteral("<tmp>"), folder);
}

bool FileHoldsShow(const QString& path, const Show& show) {
    std::string text;
    if (File::ReadWholeFile(path.toStdString(), text) != 0)
        return false;
    const ShowPtr read = ShowFunctions::ShowFromText(text);
    return read && read->HasSameContents(std::make_shared<Show>(show));
}

} // namespace

void FileCommandsTest::init() {
    temporary = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/bwshowXXXXXX"));
    QVERIFY(temporary->isValid());
    folder_ = temporary->path();
    QVERIFY(!folder_.contains(QLatin1Char('.')));
    previousCurrentFolder = QDir::currentPath();
}

void FileCommandsTest::cleanup() {
    QDir::setCurrent(previousCurrentFolder);
    temporary.reset();
}

void FileCommandsTest::WindowStates_SaveEnabledOnlyWhenNamedAndChanged() {
    Editor editor;
    frmShow& window = *editor.window;

    // Unnamed, unchanged: at start.
    QVERIFY(window.ShowFileName().isEmpty());
    QVERIFY(!window.HasUnsavedChanges());
    QVERIFY(!editor.SaveEnabled());

    // Unnamed, changed: an edit of a show that has never been saved.
    editor.prompts.openAnswers.enqueue(QStringList{QStringLiteral("/seq/Intro.kas")});
    editor.Get<QPushButton>("btAdd")->click();
    QVERIFY(window.HasUnsavedChanges());
    QVERIFY(!editor.SaveEnabled());

    // Named, unchanged: Save As wrote the file.
    const QString path = folder_ + QStringLiteral("/Yard.kss");
    editor.prompts.saveAnswers.enqueue(path);
    editor.Click(QStringLiteral("SaveAs"));
    QCOMPARE(window.ShowFileName(), path);
    QVERIFY(!window.HasUnsavedChanges());
    QVERIFY(!editor.SaveEnabled());

    // Named, changed: any edit of a named show.
    editor.prompts.openAnswers.enqueue(QStringList{QStringLiteral("/seq/Outro.kas")});
    editor.Get<QPushButton>("btAdd")->click();
    QVERIFY(window.HasUnsavedChanges());
    QVERIFY(editor.SaveEnabled());

    // Save writes the file and goes back to named, unchanged.
    editor.Click(QStringLiteral("Save"));
    QVERIFY(!window.HasUnsavedChanges());
    QVERIFY(!editor.SaveEnabled());
    QVERIFY(FileHoldsShow(path, *window.MyShow()));
    QCOMPARE(window.MyShow()->Background()->List(),
             (std::vector<std::string>{"/seq/Intro.kas", "/seq/Outro.kas"}));

    // A failed Save stays changed with Save enabled.
    editor.prompts.openAnswers.enqueue(QStringList{QStringLiteral("/seq/Finale.kas")});
    editor.Get<QPushButton>("btAdd")->click();
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkdir(path)); // a folder in the file's place cannot be replaced by a file
    editor.Click(QStringLiteral("Save"));
    const auto messages = editor.prompts.Of(Kind::Message);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].text, QStringLiteral("Unable to write to ") + path);
    QCOMPARE(messages[0].title, QStringLiteral("BWShow"));
    QCOMPARE(messages[0].icon, UserPrompts::Icon::None);
    QVERIFY(window.HasUnsavedChanges());
    QVERIFY(editor.SaveEnabled());

    // New goes back to unnamed, unchanged.
    editor.prompts.questionAnswers.enqueue(true);
    editor.Click(QStringLiteral("New"));
    QVERIFY(window.ShowFileName().isEmpty());
    QVERIFY(!window.HasUnsavedChanges());
    QVERIFY(!editor.SaveEnabled());
    QCOMPARE(window.MyShow()->Background()->Count(), 0);
    QCOMPARE(editor.prompts.unexpected, 0);
}

void FileCommandsTest::SaveAs_ChosenName_data() {
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("expectedFileName");
    QTest::addColumn<int>("refusals");

    QTest::newRow("no extension gets .kss") << QStringList{QStringLiteral("<tmp>/Halloween")}
                                            << QStringLiteral("<tmp>/Halloween.kss") << 0;
    QTest::newRow(".kss taken as it is") << QStringList{QStringLiteral("<tmp>/Halloween.kss")}
                                         << QStringLiteral("<tmp>/Halloween.kss") << 0;
    QTest::newRow("upper-case .KSS refused")
        << QStringList{QStringLiteral("C:\\Shows\\Halloween.KSS"), Cancel} << QString() << 1;
    QTest::newRow(".txt refused") << QStringList{QStringLiteral("C:\\Shows\\Halloween.txt"), Cancel}
                                  << QString() << 1;
    QTest::newRow("dot in a folder refused")
        << QStringList{QStringLiteral("C:\\My.Shows\\Halloween"), Cancel} << QString() << 1;
    QTest::newRow("refused twice, then accepted")
        << QStringList{QStringLiteral("<tmp>/Halloween.txt"), QStringLiteral("<tmp>/Halloween.Kss"),
                       QStringLiteral("<tmp>/Halloween")}
        << QStringLiteral("<tmp>/Halloween.kss") << 2;
    QTest::newRow("cancelled") << QStringList{Cancel} << QString() << 0;
}

void FileCommandsTest::SaveAs_ChosenName() {
    QFETCH(QStringList, answers);
    QFETCH(QString, expectedFileName);
    QFETCH(int, refusals);
    expectedFileName = InFolder(expectedFileName, folder_);

    Editor editor(QStringLiteral("/home/user/Sequences/"));
    frmShow& window = *editor.window;
    window.AddSequenceToPlaylist("/seq/Intro.kas");
    for (const QString& answer : answers) {
        if (answer == Cancel)
            editor.prompts.saveAnswers.enqueue(std::nullopt);
        else
            editor.prompts.saveAnswers.enqueue(InFolder(answer, folder_));
    }
    editor.Click(QStringLiteral("SaveAs"));

    // Each dialog starts in the sequence folder; after a refusal it offers the refused name.
    const auto dialogs = editor.prompts.Of(Kind::SaveFile);
    QCOMPARE(dialogs.size(), answers.size());
    for (qsizetype i = 0; i < dialogs.size(); ++i) {
        const FileDialogRequest& request = dialogs[i].request;
        QCOMPARE(request.title, QStringLiteral("Select a show file"));
        QCOMPARE(request.filter, QStringLiteral("All Files|*.*|Shows|*.kss"));
        QCOMPARE(request.filterIndex, 2);
        QCOMPARE(request.startFolder, QStringLiteral("/home/user/Sequences/"));
        QCOMPARE(request.fileName, i == 0 ? QString() : InFolder(answers[i - 1], folder_));
    }

    const auto messages = editor.prompts.Of(Kind::Message);
    QCOMPARE(messages.size(), refusals);
    for (const auto& message : messages) {
        QCOMPARE(message.text, QStringLiteral("Your file name must end in .kss"));
        QCOMPARE(message.title, QStringLiteral("Brightwave"));
        QCOMPARE(message.icon, UserPrompts::Icon::None);
    }

    QCOMPARE(window.ShowFileName(), expectedFileName);
    if (expectedFileName.isEmpty()) {
        QVERIFY(window.HasUnsavedChanges());
        QCOMPARE(QDir(folder_).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
        QCOMPARE(window.windowTitle(), TitleWithVersion(QStringLiteral("BW Show Editor")));
    } else {
        QVERIFY(!window.HasUnsavedChanges());
        QVERIFY(FileHoldsShow(expectedFileName, *window.MyShow()));
        QCOMPARE(QDir(folder_).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{QStringLiteral("Halloween.kss")});
        QCOMPARE(window.windowTitle(), TitleWithVersion(QStringLiteral("BW Show Editor")) +
                                           QStringLiteral(" - Halloween"));
    }
    QVERIFY(!editor.SaveEnabled());
}

void FileCommandsTest::SaveAs_FailedWrite_KeepsNewNameAndSaveRetriesIt() {
    // A Windows path is a plain file name here; a folder of that name in the current folder
    // makes the write fail.
    QDir::setCurrent(folder_);
    QVERIFY(QDir().mkdir(QStringLiteral("C:\\Shows\\Halloween.kss")));

    Editor editor;
    frmShow& window = *editor.window;
    window.AddSequenceToPlaylist("/seq/Intro.kas");
    editor.prompts.saveAnswers.enqueue(QStringLiteral("C:\\Shows\\Halloween"));
    editor.Click(QStringLiteral("SaveAs"));

    QCOMPARE(window.ShowFileName(), QStringLiteral("C:\\Shows\\Halloween.kss"));
    QCOMPARE(window.windowTitle(),
             TitleWithVersion(QStringLiteral("BW Show Editor")) + QStringLiteral(" - Halloween"));
    QVERIFY(window.HasUnsavedChanges());
    QVERIFY(editor.SaveEnabled());
    auto messages = editor.prompts.Of(Kind::Message);
    QCOMPARE(messages.size(), 1);
    // The message names the path as the dialog returned it, without the added extension.
    QCOMPARE(messages[0].text, QStringLiteral("Unable to write to C:\\Shows\\Halloween"));
    QCOMPARE(messages[0].title, QStringLiteral("BWShow"));
    QCOMPARE(messages[0].icon, UserPrompts::Icon::None);

    editor.Click(QStringLiteral("Save"));
    messages = editor.prompts.Of(Kind::Message);
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages[1].text, QStringLiteral("Unable to write to C:\\Shows\\Halloween.kss"));
    QVERIFY(window.HasUnsavedChanges());
    QVERIFY(editor.SaveEnabled());

    QVERIFY(QDir().rmdir(QStringLiteral("C:\\Shows\\Halloween.kss")));
    editor.Click(QStringLiteral("Save"));
    QCOMPARE(editor.prompts.Of(Kind::Message).size(), 2);
    QVERIFY(!window.HasUnsavedChanges());
    QVERIFY(FileHoldsShow(QStringLiteral("C:\\Shows\\Halloween.kss"), *window.MyShow()));
}

void FileCommandsTest::Captions_data() {
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("show name") << QStringLiteral("Halloween.kss") << QStringLiteral(" - Halloween");
    QTest::newRow("dots in the name") << QStringLiteral("a.b.kss") << QStringLiteral(" - a.b");
    QTest::newRow("no extension") << QStringLiteral("README") << QStringLiteral(" - ");
    QTest::newRow("dot only in a folder")
        << QStringLiteral("My.Shows/Halloween") << QStringLiteral(" - ");
    QTest::newRow("other extension")
        << QStringLiteral("Front Yard.txt") << QStringLiteral(" - Front Yard");
}

void FileCommandsTest::Captions() {
    QFETCH(QString, relativePath);
    QFETCH(QString, suffix);

    QCOMPARE(TitleWithVersion(QStringLiteral("BW Show Editor"), {2, 8, 8}),
             QStringLiteral("BW Show Editor v2.8.8"));
    QCOMPARE(TitleWithVersion(QStringLiteral("BW Show Editor"), {10, 0, 12}),
             QStringLiteral("BW Show Editor v10.0.12"));
    const QString title = TitleWithVersion(QStringLiteral("BW Show Editor"));
    QCOMPARE(title, QStringLiteral("BW Show Editor v") + QStringLiteral(BWSHOW_VERSION));

    const QString path = folder_ + QLatin1Char('/') + relativePath;
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QVERIFY(WriteShowFile(path, Show()));

    Editor editor;
    QCOMPARE(editor.window->windowTitle(), title);
    editor.Open(path);
    QCOMPARE(editor.window->ShowFileName(), path);
    QCOMPARE(editor.window->windowTitle(), title + suffix);
}

void FileCommandsTest::Open_FileWithoutShow_KeepsCurrentShow_data() {
    QTest::addColumn<QString>("kind"); // "missing", "folder" or "file"
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("refused");

    QTest::newRow("missing file") << "missing" << QByteArray() << true;
    QTest::newRow("a folder") << "folder" << QByteArray() << true;
    QTest::newRow("list without a show") << "file" << QByteArray("(a)\r\n") << true;
    QTest::newRow("too few fields") << "file" << QByteArray("((),(),())\r\n") << true;
    QTest::newRow("binary list") << "file" << QByteArray("(\x00\x01\xff,\x80\x81)", 9) << true;
    QTest::newRow("empty file") << "file" << QByteArray() << false;
    QTest::newRow("text without parentheses") << "file" << QByteArray("Halloween\r\n") << false;
    // Random bytes without "(" hold no list at all: the reader raises and Open ends silently.
    QByteArray noise(4096, '\0');
    std::mt19937 random(3);
    for (char& byte : noise)
        byte = static_cast<char>(random());
    noise.replace('(', 'x');
    QTest::newRow("random bytes") << "file" << noise << false;
}

void FileCommandsTest::Open_FileWithoutShow_KeepsCurrentShow() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(bool, refused);

    const QString path = folder_ + QStringLiteral("/Broken.kss");
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QLatin1String("file")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    Editor editor;
    frmShow& window = *editor.window;
    const QString named = folder_ + QStringLiteral("/Yard.kss");
    editor.MakeNamedChangedShow(named);
    const QByteArray savedBefore = ReadBytes(named);
    const ShowPtr before = window.MyShow();

    editor.prompts.questionAnswers.enqueue(true);
    editor.Open(path);

    const auto messages = editor.prompts.Of(Kind::Message);
    if (refused) {
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, QStringLiteral("Unable to open ") + path);
        QCOMPARE(messages[0].title, QStringLiteral("BWShow"));
        QCOMPARE(messages[0].icon, UserPrompts::Icon::None);
    } else {
        QCOMPARE(messages.size(), 0);
    }
    QCOMPARE(window.MyShow(), before);
    QCOMPARE(window.ShowFileName(), named);
    QVERIFY(window.HasUnsavedChanges());
    QVERIFY(editor.SaveEnabled());
    QCOMPARE(editor.Entries(), QStringList{QStringLiteral("Intro")});
    QCOMPARE(ReadBytes(named), savedBefore);
    QCOMPARE(editor.prompts.unexpected, 0);
}

void FileCommandsTest::Open_ShowFile_ReplacesShowAndClearsChanges() {
    Show stored;
    stored.Main()->List() = {"C:\\Shows\\Seq\\Intro Part 2.kas", "/seq/Finale.kas"};
    stored.Background()->List() = {"/seq/Snow.kas"};
    const QString path = folder_ + QStringLiteral("/Halloween.kss");
    QVERIFY(WriteShowFile(path, stored));

    Editor editor(QStringLiteral("/home/user/Sequences/"));
    editor.window->AddSequenceToPlaylist("/seq/Other.kas");
    editor.prompts.questionAnswers.enqueue(true);
    editor.Open(path);

    const auto dialogs = editor.prompts.Of(Kind::OpenFiles);
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs[0].request.title, QStringLiteral("Select a show file"));
    QCOMPARE(dialogs[0].request.filter, QStringLiteral("All Files|*.*|Shows|*.kss"));
    QCOMPARE(dialogs[0].request.filterIndex, 2);
    QCOMPARE(dialogs[0].request.startFolder, QStringLiteral("/home/user/Sequences/"));
    QVERIFY(!dialogs[0].request.multiple);

    QVERIFY(editor.window->MyShow()->HasSameContents(std::make_shared<Show>(stored)));
    QCOMPARE(editor.window->ShowFileName(), path);
    QVERIFY(!editor.window->HasUnsavedChanges());
    QVERIFY(!editor.SaveEnabled());
    QCOMPARE(editor.Entries(), QStringList{QStringLiteral("Snow")});
    editor.SelectTab(frmShow::AnimationTab);
    QCOMPARE(editor.Entries(),
             (QStringList{QStringLiteral("Intro Part 2"), QStringLiteral("Finale")}));
}

void FileCommandsTest::UnsavedQuestion_NewAndOpen_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("answer");

    for (const QString& command : {QStringLiteral("New"), QStringLiteral("Open")}) {
        const QByteArray name = command.toLatin1();
        QTest::newRow(name + " unchanged") << command << false << false;
        QTest::newRow(name + " changed, answered No") << command << true << false;
        QTest::newRow(name + " changed, answered Yes") << command << true << true;
    }
}

void FileCommandsTest::UnsavedQuestion_NewAndOpen() {
    QFETCH(QString, command);
    QFETCH(bool, changed);
    QFETCH(bool, answer);

    const QString path = folder_ + QStringLiteral("/Other.kss");
    Show other;
    other.Background()->List() = {"/seq/Other.kas"};
    QVERIFY(WriteShowFile(path, other));

    Editor editor;
    frmShow& window = *editor.window;
    if (changed)
        window.AddSequenceToPlaylist("/seq/Intro.kas");
    const ShowPtr before = window.MyShow();
    editor.prompts.questionAnswers.enqueue(answer);
    editor.prompts.openAnswers.enqueue(QStringList{path});
    editor.Click(command);

    const auto questions = editor.prompts.Of(Kind::Question);
    QCOMPARE(questions.size(), changed ? 1 : 0);
    if (changed) {
        QCOMPARE(questions[0].text, Unsaved);
        QCOMPARE(questions[0].title, QStringLiteral("Unsaved Changes"));
    }
    const bool proceeds = !changed || answer;
    QCOMPARE(editor.prompts.Of(Kind::OpenFiles).size(),
             proceeds && command == QLatin1String("Open") ? 1 : 0);
    if (proceeds) {
        QVERIFY(window.MyShow() != before);
        QVERIFY(!window.HasUnsavedChanges());
        QCOMPARE(window.ShowFileName(), command == QLatin1String("Open") ? path : QString());
    } else {
        QCOMPARE(window.MyShow(), before);
        QVERIFY(window.HasUnsavedChanges());
        QCOMPARE(editor.Entries(), QStringList{QStringLiteral("Intro")});
    }
}

void FileCommandsTest::Closing_WithUnsavedChanges_data() {
    QTest::addColumn<bool>("throughExit");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("answer");

    for (bool throughExit : {true, false}) {
        const QByteArray way = throughExit ? "Exit button" : "close box";
        QTest::newRow(way + ", unchanged") << throughExit << false << false;
        QTest::newRow(way + ", answered No") << throughExit << true << false;
        QTest::newRow(way + ", answered Yes") << throughExit << true << true;
    }
}

void FileCommandsTest::Closing_WithUnsavedChanges() {
    QFETCH(bool, throughExit);
    QFETCH(bool, changed);
    QFETCH(bool, answer);

    const QString path = folder_ + QStringLiteral("/Yard.kss");
    Editor editor;
    frmShow& window = *editor.window;
    editor.prompts.saveAnswers.enqueue(path);
    editor.Click(QStringLiteral("SaveAs"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    file.close();
    if (changed)
        window.AddSequenceToPlaylist("/seq/Intro.kas");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const ShowPtr before = window.MyShow();
    editor.prompts.prompts.clear();

    editor.prompts.questionAnswers.enqueue(answer);
    if (throughExit)
        editor.Click(QStringLiteral("Exit"));
    else
        window.close();

    QCOMPARE(editor.prompts.Of(Kind::Question).size(), changed ? 1 : 0);
    if (changed)
        QCOMPARE(editor.prompts.Of(Kind::Question)[0].text, Unsaved);
    const bool closes = !changed || answer;
    QCOMPARE(window.isVisible(), !closes);
    QCOMPARE(window.MyShow(), before);
    QCOMPARE(window.HasUnsavedChanges(), changed);
    // Nothing is saved on the way out.
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), written);
}

void FileCommandsTest::SessionEnd_AnsweredNo_IsCancelled() {
    Editor editor;
    frmShow& window = *editor.window;
    QVERIFY(window.AgreeToEndSession());
    QCOMPARE(editor.prompts.prompts.size(), 0);

    window.AddSequenceToPlaylist("/seq/Intro.kas");
    editor.prompts.questionAnswers.enqueue(false);
    QVERIFY(!window.AgreeToEndSession());
    QCOMPARE(editor.prompts.Of(Kind::Question).size(), 1);
    QCOMPARE(editor.prompts.Of(Kind::Question)[0].text, Unsaved);
    QCOMPARE(editor.prompts.Of(Kind::Question)[0].title, QStringLiteral("Unsaved Changes"));
    QVERIFY(window.HasUnsavedChanges());

    // Agreed: the closing that ends the session does not ask a second time.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    editor.prompts.questionAnswers.enqueue(true);
    QVERIFY(window.AgreeToEndSession());
    window.close();
    QVERIFY(!window.isVisible());
    QCOMPARE(editor.prompts.Of(Kind::Question).size(), 2);
    QCOMPARE(editor.prompts.unexpected, 0);
}

void FileCommandsTest::Help_OpensShowEditorTopic() {
    Editor editor;
    editor.window->AddSequenceToPlaylist("/seq/Intro.kas");
    editor.Click(QStringLiteral("Help"));
    QCOMPARE(editor.helpCalls.size(), 1);
    QCOMPARE(editor.helpCalls[0].owner, editor.window.get());
    QCOMPARE(editor.helpCalls[0].topic, 4);
    QCOMPARE(editor.prompts.prompts.size(), 0);
    QVERIFY(editor.window->HasUnsavedChanges());
}

void FileCommandsTest::Options_OpensModalDialog_AndRefreshesWhenItCloses() {
    Editor editor;
    frmShow& window = *editor.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto seen = std::make_shared<bool>(false);
    QString title;
    QWidget* owner = nullptr;
    bool modal = false;
    WhenModal(
        [&](QWidget& dialog) {
            title = dialog.windowTitle();
            owner = dialog.parentWidget();
            modal = dialog.isModal();
            // What a dialog may change in the show while it is open is listed when it closes.
            window.MyShow()->Background()->List().push_back("/seq/Added.kas");
            qobject_cast<QDialog*>(&dialog)->reject();
        },
        seen);
    editor.Click(QStringLiteral("Options"));

    QVERIFY(*seen);
    QCOMPARE(title, QStringLiteral("Show Options"));
    QCOMPARE(owner, &window);
    QVERIFY(modal);
    QCOMPARE(editor.Entries(), QStringList{QStringLiteral("Added")});
    QVERIFY(!window.HasUnsavedChanges());
    QCOMPARE(editor.prompts.prompts.size(), 0);
}

} // namespace bw::test
