// The toolbar's show file commands, the window states and the caption.
#include "EditorTestSupport.h"
#include "editor/TitleWithVersion.h"

#include <QDialog>
#include <QDir>
#include <QTemporaryDir>

#include <random>

namespace bw::test {

namespace {

const QString Unsaved = QStringLiteral(
    "Warning.  You have unsaved changes to this show.  If you proceed, these changes will be "
    "lost.  Do you wish to continue without saving these changes?");
const QString Title = TitleWithVersion(QStringLiteral("BW Show Editor"));

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> temporary_;
    QString folder_;
    // "<tmp>" in a test row stands for the test's own folder.
    QString InFolder(QString text) const { return text.replace(QStringLiteral("<tmp>"), folder_); }

private Q_SLOTS:
    void init() {
        temporary_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/bwshowXXXXXX");
        QVERIFY(temporary_->isValid());
        folder_ = temporary_->path();
    }

    void WindowStates_SaveEnabledOnlyWhenNamedAndChanged() {
        Editor editor;
        frmShow& window = *editor.window;
        const auto state = [&] {
            return QList<bool>{window.ShowFileName().isEmpty(), window.HasUnsavedChanges(),
                               editor.SaveEnabled()};
        };
        QCOMPARE(state(), (QList<bool>{true, false, false}));
        window.AddSequenceToPlaylist("/seq/Intro.kas");
        QCOMPARE(state(), (QList<bool>{true, true, false}));
        const QString path = folder_ + "/Yard.kss";
        editor.prompts.saveAnswers.enqueue(path);
        editor.Click("SaveAs");
        QCOMPARE(state(), (QList<bool>{false, false, false}));
        window.AddSequenceToPlaylist("/seq/Outro.kas");
        QCOMPARE(state(), (QList<bool>{false, true, true}));
        editor.Click("Save");
        QCOMPARE(state(), (QList<bool>{false, false, false}));
        QVERIFY(FileHoldsShow(path, *window.MyShow()));

        // A failed Save stays changed with Save enabled.
        window.AddSequenceToPlaylist("/seq/Finale.kas");
        QVERIFY(QFile::remove(path) && QDir().mkdir(path)); // a folder cannot be replaced
        editor.Click("Save");
        QCOMPARE(editor.prompts.Of(Kind::Message).size(), 1);
        const auto message = editor.prompts.Of(Kind::Message)[0];
        QCOMPARE(message.text, "Unable to write to " + path);
        QCOMPARE(message.title, QStringLiteral("BWShow"));
        QCOMPARE(message.icon, UserPrompts::Icon::None);
        QCOMPARE(state(), (QList<bool>{false, true, true}));

        editor.prompts.questionAnswers.enqueue(true);
        editor.Click("New");
        QCOMPARE(state(), (QList<bool>{true, false, false}));
        QVERIFY(*window.MyShow() == Show());
        QCOMPARE(editor.prompts.unexpected, 0);
    }

    void SaveAs_ChosenName_data() {
        QTest::addColumn<QStringList>("answers"); // empty: the dialog is cancelled
        QTest::addColumn<QString>("saved");
        const QString halloween = "<tmp>/Halloween.kss";
        QTest::newRow("no extension gets .kss") << QStringList{"<tmp>/Halloween"} << halloween;
        QTest::newRow(".kss taken as it is") << QStringList{halloween} << halloween;
        QTest::newRow("upper-case .KSS") << QStringList{"C:\\Shows\\Halloween.KSS", ""} << "";
        QTest::newRow(".txt") << QStringList{"C:\\Shows\\Halloween.txt", ""} << "";
        QTest::newRow("dot in a folder") << QStringList{"C:\\My.Shows\\Halloween", ""} << "";
        QTest::newRow("refused twice, then taken")
            << QStringList{"<tmp>/Halloween.txt", "<tmp>/Halloween.Kss", "<tmp>/Halloween"}
            << halloween;
        QTest::newRow("cancelled") << QStringList{""} << "";
    }
    void SaveAs_ChosenName() {
        QFETCH(QStringList, answers);
        QFETCH(QString, saved);
        saved = InFolder(saved);
        Editor editor;
        frmShow& window = *editor.window;
        window.AddSequenceToPlaylist("/seq/Intro.kas");
        for (const QString& answer : answers)
            editor.prompts.saveAnswers.enqueue(answer.isEmpty() ? std::nullopt
                                                                : std::optional(InFolder(answer)));
        editor.Click("SaveAs");

        // Each dialog starts in the sequence folder; after a refusal it offers the refused name.
        const auto dialogs = editor.prompts.Of(Kind::SaveFile);
        QCOMPARE(dialogs.size(), answers.size());
        for (qsizetype i = 0; i < dialogs.size(); ++i) {
            const FileDialogRequest& request = dialogs[i].request;
            QCOMPARE(request.title, QStringLiteral("Select a show file"));
            QCOMPARE(request.filter, QStringLiteral("All Files|*.*|Shows|*.kss"));
            QCOMPARE(request.filterIndex, 2);
            QCOMPARE(request.startFolder, QStringLiteral("/home/user/Sequences/"));
            QCOMPARE(request.fileName, i == 0 ? QString() : InFolder(answers[i - 1]));
        }
        const auto messages = editor.prompts.Of(Kind::Message);
        QCOMPARE(messages.size(), answers.size() - 1);
        for (const auto& message : messages) {
            QCOMPARE(message.text, QStringLiteral("Your file name must end in .kss"));
            QCOMPARE(message.title, QStringLiteral("Brightwave"));
        }
        QCOMPARE(window.ShowFileName(), saved);
        QCOMPARE(window.HasUnsavedChanges(), saved.isEmpty());
        QCOMPARE(QDir(folder_).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 saved.isEmpty() ? QStringList() : QStringList{"Halloween.kss"});
        QVERIFY(saved.isEmpty() || FileHoldsShow(saved, *window.MyShow()));
        QCOMPARE(window.windowTitle(), Title + (saved.isEmpty() ? "" : " - Halloween"));
    }

    void SaveAs_FailedWrite_KeepsTheNewNameForSave() {
        Editor editor;
        frmShow& window = *editor.window;
        const QString path = folder_ + "/Halloween.kss";
        QVERIFY(QDir().mkdir(path));
        window.AddSequenceToPlaylist("/seq/Intro.kas");
        editor.prompts.saveAnswers.enqueue(folder_ + "/Halloween");
        editor.Click("SaveAs");
        QCOMPARE(window.ShowFileName(), path);
        QCOMPARE(window.windowTitle(), Title + " - Halloween");
        QVERIFY(editor.SaveEnabled());
        // The message names the path as the dialog returned it, without the added extension.
        QCOMPARE(editor.prompts.Of(Kind::Message).value(0).text,
                 "Unable to write to " + folder_ + "/Halloween");

        QVERIFY(QDir().rmdir(path));
        editor.Click("Save");
        QCOMPARE(editor.prompts.Of(Kind::Message).size(), 1);
        QVERIFY(!window.HasUnsavedChanges());
        QVERIFY(FileHoldsShow(path, *window.MyShow()));
    }

    void Captions_data() {
        QTest::addColumn<QString>("relativePath");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("show name") << "Halloween.kss"
                                   << " - Halloween";
        QTest::newRow("dots in the name") << "a.b.kss"
                                          << " - a.b";
        QTest::newRow("no extension") << "README"
                                      << " - ";
        QTest::newRow("dot only in a folder") << "My.Shows/Halloween"
                                              << " - ";
        QTest::newRow("other extension") << "Front Yard.txt"
                                         << " - Front Yard";
    }
    void Captions() {
        QFETCH(QString, relativePath);
        QFETCH(QString, suffix);
        QCOMPARE(TitleWithVersion("BW Show Editor", {10, 0, 12}), "BW Show Editor v10.0.12");
        QCOMPARE(Title, QStringLiteral("BW Show Editor v" BWSHOW_VERSION));
        const QString path = folder_ + '/' + relativePath;
        QVERIFY(QDir().mkpath(QFileInfo(path).path()) && WriteShowFile(path, Show()));
        Editor editor;
        QCOMPARE(editor.window->windowTitle(), Title);
        editor.Open(path);
        QCOMPARE(editor.window->windowTitle(), Title + suffix);
    }

    void Open_data() {
        QTest::addColumn<QByteArray>("content"); // "<missing>", "<folder>" or the file's bytes
        QTest::addColumn<bool>("refused");
        QTest::newRow("missing file") << QByteArray("<missing>") << true;
        QTest::newRow("a folder") << QByteArray("<folder>") << true;
        QTest::newRow("list without a show") << QByteArray("(a)\r\n") << true;
        QTest::newRow("too few fields") << QByteArray("((),(),())\r\n") << true;
        QTest::newRow("binary list") << QByteArray("(\x00\x01\xff,\x80\x81)", 9) << true;
        // Without "(" there is no list at all: the reader raises and Open ends silently.
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("text without parentheses") << QByteArray("Halloween\r\n") << false;
        QByteArray noise(4096, '\0');
        std::mt19937 random(3);
        for (char& byte : noise)
            byte = static_cast<char>(random());
        QTest::newRow("random bytes") << noise.replace('(', 'x') << false;
    }
    void Open() {
        QFETCH(QByteArray, content);
        QFETCH(bool, refused);
        const QString path = folder_ + "/Broken.kss";
        QFile file(path);
        if (content == "<folder>")
            QVERIFY(QDir().mkpath(path));
        else if (content != "<missing>")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();

        Editor editor;
        frmShow& window = *editor.window;
        const QString named = folder_ + "/Yard.kss";
        editor.MakeNamedChangedShow(named);
        const QByteArray savedBefore = ReadBytes(named);
        const ShowPtr before = window.MyShow();
        editor.prompts.questionAnswers.enqueue(true);
        editor.Open(path);

        const auto messages = editor.prompts.Of(Kind::Message);
        QCOMPARE(messages.size(), refused ? 1 : 0);
        if (refused)
            QCOMPARE(messages[0].text, "Unable to open " + path);
        QCOMPARE(window.MyShow(), before);
        QCOMPARE(window.ShowFileName(), named);
        QVERIFY(editor.SaveEnabled());
        QCOMPARE(editor.Entries(), QStringList{"Intro"});
        QCOMPARE(ReadBytes(named), savedBefore);
    }

    void Open_ShowFile_ReplacesShowAndClearsChanges() {
        Show stored;
        stored.Main()->List() = {"C:\\Shows\\Seq\\Intro Part 2.kas", "/seq/Finale.kas"};
        stored.Background()->List() = {"/seq/Snow.kas"};
        const QString path = folder_ + "/Halloween.kss";
        QVERIFY(WriteShowFile(path, stored));
        Editor editor;
        editor.window->AddSequenceToPlaylist("/seq/Other.kas");
        editor.prompts.questionAnswers.enqueue(true);
        editor.Open(path);

        const FileDialogRequest request = editor.prompts.Of(Kind::OpenFiles).value(0).request;
        QCOMPARE(request.title, QStringLiteral("Select a show file"));
        QCOMPARE(request.filter, QStringLiteral("All Files|*.*|Shows|*.kss"));
        QCOMPARE(request.filterIndex, 2);
        QCOMPARE(request.startFolder, QStringLiteral("/home/user/Sequences/"));
        QVERIFY(!request.multiple);
        QVERIFY(*editor.window->MyShow() == stored);
        QCOMPARE(editor.window->ShowFileName(), path);
        QVERIFY(!editor.window->HasUnsavedChanges() && !editor.SaveEnabled());
        QCOMPARE(editor.Entries(), QStringList{"Snow"});
    }

    // New, Open, the Exit button and the close box ask before unsaved changes are lost.
    void UnsavedQuestion_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("answer");
        for (const char* command : {"New", "Open", "Exit", "close box"}) {
            QTest::addRow("%s unchanged", command) << command << false << false;
            QTest::addRow("%s changed, No", command) << command << true << false;
            QTest::addRow("%s changed, Yes", command) << command << true << true;
        }
    }
    void UnsavedQuestion() {
        QFETCH(QString, command);
        QFETCH(bool, changed);
        QFETCH(bool, answer);
        const QString path = folder_ + "/Other.kss";
        QVERIFY(WriteShowFile(path, Show()));
        Editor editor;
        frmShow& window = *editor.window;
        editor.MakeNamedChangedShow(folder_ + "/Yard.kss");
        const QByteArray written = ReadBytes(folder_ + "/Yard.kss");
        if (!changed) {
            editor.Click("Save");
            editor.prompts.prompts.clear();
        }
        editor.ShowWindow();
        const ShowPtr before = window.MyShow();
        editor.prompts.questionAnswers.enqueue(answer);
        editor.prompts.openAnswers.enqueue(QStringList{path});
        if (command == "close box")
            window.close();
        else
            editor.Click(command);

        const auto questions = editor.prompts.Of(Kind::Question);
        QCOMPARE(questions.size(), changed ? 1 : 0);
        if (changed) {
            QCOMPARE(questions[0].text, Unsaved);
            QCOMPARE(questions[0].title, QStringLiteral("Unsaved Changes"));
        }
        const bool proceeds = !changed || answer;
        const bool closing = command == "Exit" || command == "close box";
        QCOMPARE(window.isVisible(), !(closing && proceeds));
        QCOMPARE(window.MyShow() == before, closing || !proceeds);
        QCOMPARE(window.HasUnsavedChanges(), changed && (closing || !proceeds));
        QCOMPARE(window.ShowFileName(), proceeds && command == "New"    ? QString()
                                        : proceeds && command == "Open" ? path
                                                                        : folder_ + "/Yard.kss");
        if (changed) // nothing is saved on the way
            QCOMPARE(ReadBytes(folder_ + "/Yard.kss"), written);
    }

    void SessionEnd_AskedOnceAndNoCancels() {
        Editor editor;
        frmShow& window = *editor.window;
        QVERIFY(window.AgreeToEndSession());
        window.AddSequenceToPlaylist("/seq/Intro.kas");
        editor.prompts.questionAnswers << false << true;
        QVERIFY(!window.AgreeToEndSession());
        QVERIFY(window.HasUnsavedChanges());
        // Agreed: the closing that ends the session does not ask a second time.
        editor.ShowWindow();
        QVERIFY(window.AgreeToEndSession());
        window.close();
        QVERIFY(!window.isVisible());
        QCOMPARE(editor.prompts.Of(Kind::Question).size(), 2);
        QCOMPARE(editor.prompts.unexpected, 0);
    }

    void HelpAndOptions() {
        Editor editor;
        frmShow& window = *editor.window;
        editor.Click("Help");
        QCOMPARE(editor.helpCalls, (QList<std::pair<QWidget*, int>>{{&window, 4}}));

        editor.ShowWindow();
        QString title;
        WhenModal([&](QWidget& dialog) {
            title = dialog.windowTitle();
            QVERIFY(dialog.parentWidget() == &window && dialog.isModal());
            // What a dialog changes in the show is listed when it closes.
            window.MyShow()->Background()->List().push_back("/seq/Added.kas");
            qobject_cast<QDialog*>(&dialog)->reject();
        });
        editor.Click("Options");
        QCOMPARE(title, QStringLiteral("Show Options"));
        QCOMPARE(editor.Entries(), QStringList{"Added"});
        QVERIFY(!window.HasUnsavedChanges());
        QCOMPARE(editor.prompts.prompts.size(), 0);
    }
};

BWSHOW_REGISTER_TEST(FileCommandsTest);

} // namespace bw::test

#include "FileCommandsTest.moc"
