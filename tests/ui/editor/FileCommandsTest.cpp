// The toolbar and its show file commands, the window states, the caption, the session's end, the
// check window the window opens, and the copies that unfinished saves left, offered at start.
#include "EditorTestSupport.h"
#include "checkwindow/frmShowCheck.h"
#include "document/QtText.h"
#include "document/ShowDocument.h"
#include "editor/SaveBackupOffer.h"
#include "environment/SaveBackups.h"
#include "environment/WholeFile.h"
#include "listtext/Error.h"

#include <QDir>
#include <QSessionManager>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtGui/private/qsessionmanager_p.h>
#include <qpa/qplatformsessionmanager.h>

#include <algorithm>

namespace bw::test {

namespace {

const QString Unsaved = DataText("editor/unsaved-question.txt").trimmed();
const QString Title = QStringLiteral("BW Show Editor v" BWSHOW_VERSION);
const QString ShowDialog = "Select a show file|All Files|*.*|Shows|*.kss|2|/home/user/Sequences/|";

// Ends the desktop session under a stand-in manager (offscreen, Qt's never lets programs ask) that
// lets programs ask, or not; true when none stopped it. Qt exports no type information for its
// private session manager, which the sanitizer's type checks would look up.
__attribute__((no_sanitize("vptr"))) bool EndSession(bool interactive) {
    struct Session : QPlatformSessionManager {
        bool interactive, cancelled = false;
        explicit Session(bool asks) : QPlatformSessionManager({}, {}), interactive(asks) {}
        bool allowsInteraction() override { return interactive; }
        void cancel() override { cancelled = true; }
    } session(interactive);
    QSessionManager* manager = qApp->findChild<QSessionManager*>();
    auto* d = static_cast<QSessionManagerPrivate*>(QObjectPrivate::get(manager));
    QPlatformSessionManager* const desktop = std::exchange(d->platformSessionManager, &session);
    session.appCommitData();
    d->platformSessionManager = desktop;
    return !session.cancelled;
}

// Whether the file holds what Save writes of a new show with /seq/Intro.kas in Background.
bool HoldsIntro(const QString& path) {
    return ReadBytes(path) == DataText("editor/intro.kss").toUtf8();
}

// Whether a finding names the file.
bool Names(const std::vector<ShowCheck::Finding>& findings, const std::string& name) {
    return std::any_of(findings.begin(), findings.end(), [&](const ShowCheck::Finding& f) {
        return f.text.find(name) != std::string::npos;
    });
}

} // namespace

// The files go to a fresh folder, the working one, under the names the dialogs return.
class FileCommandsTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;

private Q_SLOTS:
    void init() {
        // Windows removes no folder that is a program's current one.
        QVERIFY(QDir::setCurrent(QDir::tempPath()) && QDir(folder_.path()).removeRecursively() &&
                QDir().mkpath(folder_.path()));
        QVERIFY(QDir::setCurrent(folder_.path()));
    }

    // A failed write counts as a change and keeps the new name, so that Save tries it again.
    void Save_WritesTheNamedShow() {
        Editor editor;
        QVERIFY(QDir().mkdir("Yard.kss")); // a folder is not replaced by the file
        editor.prompts.saveAnswers << "Yard";
        editor.Click("SaveAs");
        editor.Click("Save"); // enabled: named and changed
        QCOMPARE(editor.prompts.Said(), (QStringList{"BWShow: Unable to write to Yard",
                                                     "BWShow: Unable to write to Yard.kss"}));
        QVERIFY(QDir().rmdir("Yard.kss"));
        editor.window->AddSequenceToPlaylist("/seq/Intro.kas");
        editor.Click("Save");
        QVERIFY(HoldsIntro("Yard.kss") && !editor.window->HasUnsavedChanges());
    }

    void SaveAs_TakesOnlyKssNames() {
        // The names chosen one after the other (an empty one cancels), and the file saved.
        for (const QString& row : DataLines("editor/save-as.txt")) {
            const QStringList answers = row.section('\t', 0, 0).split(',');
            const QString saved = row.section('\t', 1);
            init();
            Editor editor;
            editor.window->AddSequenceToPlaylist("/seq/Intro.kas");
            for (const QString& answer : answers)
                editor.prompts.saveAnswers.enqueue(answer.isEmpty() ? std::nullopt
                                                                    : std::optional(answer));
            editor.Click("SaveAs");
            // After a refusal the dialog offers the refused name.
            QCOMPARE(editor.prompts.Dialogs().size(), answers.size());
            QCOMPARE(editor.prompts.Dialogs().last(),
                     ShowDialog + answers.value(answers.size() - 2) + "|one");
            QCOMPARE(
                editor.prompts.Said(),
                QStringList(answers.size() - 1, "Brightwave: Your file name must end in .kss"));
            QCOMPARE(editor.window->ShowFileName(), saved);
            QCOMPARE(editor.window->HasUnsavedChanges(), saved.isEmpty());
            // The caption names the show by the file name up to its last ".".
            QCOMPARE(editor.window->windowTitle(),
                     Title + (saved.isEmpty() ? "" : " - " + saved.chopped(4)));
            QVERIFY(!editor.Button("Save")->isEnabled() && (saved.isEmpty() || HoldsIntro(saved)));
        }
    }

    // Each way of leaving the show asks before unsaved changes are lost; a session that lets no
    // program ask ends only when nothing would be lost.
    void UnsavedQuestion() {
        QVERIFY(WriteShowFile("README", Show())); // without a "." the caption names no show
        for (const QString command :
             {"New", "Open", "Exit", "close box", "session end", "silent session end"}) {
            for (const auto& [changed, answer] :
                 {std::pair{false, false}, {true, false}, {true, true}}) {
                Editor editor;
                frmShow& window = *editor.window;
                editor.prompts.saveAnswers << "Yard.kss";
                editor.Click("SaveAs");
                if (changed)
                    window.AddSequenceToPlaylist("/seq/Intro.kas");
                editor.ShowWindow();
                const ShowPtr before = window.MyShow();
                editor.prompts.prompts.clear();
                editor.prompts.questionAnswers.enqueue(answer);
                editor.prompts.openAnswers.enqueue(QStringList{"README"});
                const bool asks = changed && !command.startsWith("silent"),
                           proceeds = !changed || (asks && answer),
                           closing = command != "New" && command != "Open";
                if (!command.endsWith("session end")) {
                    command == "close box" ? void(window.close()) : editor.Click(command);
                } else {
                    // The question comes while the session ends, not when the window closes.
                    const bool ends = EndSession(!command.startsWith("silent"));
                    QCOMPARE(editor.prompts.prompts.size(), asks ? 1 : 0);
                    if (ends)
                        window.close();
                }
                const bool opens = command == "Open" && proceeds;
                QCOMPARE(editor.prompts.Said(), asks ? QStringList{Unsaved} : QStringList());
                QCOMPARE(editor.prompts.Dialogs(), QStringList(opens ? 1 : 0, ShowDialog + "|one"));
                QCOMPARE(window.isVisible(), !(closing && proceeds));
                QCOMPARE(window.MyShow() == before, closing || !proceeds);
                QCOMPARE(window.HasUnsavedChanges(), changed && (closing || !proceeds));
                const char* caption = closing || !proceeds ? " - Yard" : opens ? " - " : "";
                QCOMPARE(window.windowTitle(), Title + caption);
            }
        }
        // An edit after the session's end was agreed to takes the agreement back.
        Editor editor;
        editor.ShowWindow();
        editor.window->AddSequenceToPlaylist("/seq/Intro.kas");
        editor.prompts.questionAnswers << true << false;
        QVERIFY(EndSession(true));
        editor.window->AddSequenceToPlaylist("/seq/Outro.kas");
        QVERIFY(!editor.window->close());
        QCOMPARE(editor.prompts.Said(), QStringList(2, Unsaved));
    }

    // A file that cannot be read, or a list that holds no show, is refused with a message; a text
    // that is no list at all ends Open silently; either way the window keeps its show. A show in
    // UTF-16 is no file of this program's: refused, not read as a show with empty lists. A name
    // with a byte not valid in the file's encoding is kept as it is, and named once the show is
    // open.
    void Open_RefusesWhatIsNoShowAndTellsOfDamagedNames() {
        const QString newShow = QString::fromStdString(ShowFunctions::ShowToText(Show()));
        const QByteArray utf16 =
            QByteArray("\xFF\xFE") +
            QByteArray(reinterpret_cast<const char*>(newShow.utf16()), newShow.size() * 2);
        const QByteArray damaged =
            "\xEF\xBB\xBF((0,1,2,0,,,T,F,F),(0,1,2,0,,,T,F,F),(1,0,1,0,Caf\xE9"
            ".kas,,T,F,F),(0,1,2,0,,,T,F,F),,(2,0,1,0,,,T,F,F),, 0,,F)\r\n";
        const QString path = QDir::current().filePath("opened.kss");
        const QString refused = "BWShow: Unable to open " + path;
        const std::pair<QByteArray, QString> cases[] = {
            {QByteArray(), refused},
            {"(a)\r\n", refused},
            {"Yard\r\n", ""},
            {utf16, refused},
            {damaged, "BWShow: This name holds bytes that are not UTF-8 (shown as \\xHH), kept as "
                      "they are:\n\nCaf\\xE9.kas (!)"}};
        for (const auto& [bytes, said] : cases) {
            QVERIFY(bytes.isNull() || WholeFile::Write(path.toStdString(), bytes.toStdString()));
            Editor editor;
            const ShowPtr before = editor.window->MyShow();
            editor.Open(path);
            const bool opens = bytes == damaged;
            QCOMPARE(editor.prompts.Said().join('|'), said);
            QCOMPARE(editor.window->MyShow() == before, !opens);
            QCOMPARE(editor.window->windowTitle(), Title + (opens ? " - opened" : ""));
            QVERIFY(!opens || editor.show().Main()->CleanUp() == "Caf\xE9.kas");
            QVERIFY(QFile::remove(path) || bytes.isNull());
        }
    }

    // The toolbar; Help opens its topic; what a dialog changes is listed when it closes.
    void Toolbar_HelpAndOptions() {
        Editor editor;
        auto* toolbar = editor.Get<QToolBar>("Toolbar1");
        QCOMPARE(toolbar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QStringList buttons;
        for (QAction* action : toolbar->actions()) {
            // The tooltip, before the key that the window names after it.
            buttons << action->data().toString() + '|' + action->text() + '|' +
                           action->toolTip().section(QStringLiteral(" ("), 0, 0);
            QVERIFY(!action->icon().isNull());
        }
        QCOMPARE(buttons, DataLines("editor/toolbar.txt"));
        editor.Click("Help");
        QCOMPARE(editor.helpTopics, QList<int>{4});
        editor.ShowWindow();
        WhenModal([&](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Show Options"));
            editor.show().Background()->List().push_back("/seq/Added.kas");
        });
        editor.Click("Options");
        QCOMPARE(editor.Entries(), QStringList{"Added"});

        // A dialog that fails is reported, and nothing changes.
        struct Failing : frmShow {
            using frmShow::frmShow;
            void RunModal(QDialog&) override { throw Error(ErrorNumber::Overflow, {}, "Overflow"); }
        };
        editor.window = std::make_unique<Failing>(editor.prompts, frmShowEnvironment{});
        editor.Click("Options");
        QCOMPARE(editor.prompts.Said(), QStringList{"Cannot Set Show Options: Overflow (!)"});
        QVERIFY(!editor.window->HasUnsavedChanges());
    }

    // Check Show opens one window on the show; its findings follow an edit and a replaced show;
    // a finding selects its entry; a relink of two files is one step of the history.
    void CheckShow_FollowsTheDocument() {
        QTemporaryDir folder;
        Editor editor(folder.path() + QLatin1Char('/'));
        editor.Fill(frmShow::BackgroundTab, {"gone1.kas", "gone2.kas"});
        editor.window->Document().Changed();
        QVERIFY(editor.window->CheckWindow() == nullptr);
        editor.Click(QStringLiteral("CheckShow"));
        editor.Click(QStringLiteral("CheckShow"));
        frmShowCheck* check = editor.window->CheckWindow();
        QVERIFY(check != nullptr && check->isVisible() && check->isWindow());
        QCOMPARE(editor.window->findChildren<frmShowCheck*>().size(), 1);
        QTRY_VERIFY(Names(check->Findings(), "gone2.kas") && !check->Busy());
        QVERIFY(!Names(check->Findings(), "gone3.kas"));

        editor.window->Document().AppendSequences(frmShow::BackgroundTab, {"gone3.kas"});
        QTRY_VERIFY(Names(check->Findings(), "gone3.kas"));

        editor.SelectTab(frmShow::MusicalTab); // a finding turns to its own tab
        for (const auto& [name, row] : {std::pair{"gone3.kas", 2}, {"gone2.kas", 1}}) {
            const auto found = check->FindingList()->findItems(name, Qt::MatchContains, 2);
            QVERIFY(found.size() == 1);
            check->FindingList()->setCurrentItem(found[0]);
            QCOMPARE(editor.Get<QTabBar>("tsMain")->currentIndex(), frmShow::BackgroundTab - 1);
            QCOMPARE(editor.List()->currentIndex().row(), row);
        }

        const std::string moved = folder.filePath(QStringLiteral("moved/")).toStdString();
        const int steps = editor.window->Document().UndoStack().count();
        Q_EMIT check->relinkRequested(
            {{{ShowCheck::Section::Background, 1}, "gone1.kas", moved + "gone1.kas"},
             {{ShowCheck::Section::Background, 2}, "gone2.kas", moved + "gone2.kas"}});
        QCOMPARE(editor.show().Background()->List(),
                 (std::vector<std::string>{moved + "gone1.kas", moved + "gone2.kas", "gone3.kas"}));
        QCOMPARE(editor.window->Document().UndoStack().count(), steps + 1);
        editor.Get<QAction>("actionUndo")->trigger();
        QCOMPARE(editor.show().Background()->List(),
                 (std::vector<std::string>{"gone1.kas", "gone2.kas", "gone3.kas"}));

        // Undo replaced the show object; the window checks the new one.
        editor.window->Document().New();
        QTRY_VERIFY(!Names(check->Findings(), "gone1.kas") && !check->Busy());
    }

    // Save As asks before it replaces the file its added ".kss" names (in Cyrillic, in a folder
    // named in Chinese, as people may); Open reads the show back from there.
    void AddedExtensionNamesAnExistingFile_AsksFirst() {
        QTemporaryDir temporary;
        const QString folder = temporary.filePath(QStringLiteral("灯光秀/")),
                      name = QStringLiteral("Свет"), file = folder + name + ".kss";
        QVERIFY(QDir().mkpath(folder));
        for (const bool replace : {false, true}) {
            QVERIFY(File::WriteWholeFile(file.toStdString(), "old") == 0);
            Editor editor;
            editor.window->AddSequenceToPlaylist("/seq/Intro.kas");
            editor.prompts.saveAnswers << folder + name << std::nullopt; // No: dialog again
            editor.prompts.questionAnswers.enqueue(replace);
            editor.Click(QStringLiteral("SaveAs"));
            QCOMPARE(editor.prompts.Said(),
                     QStringList("Select a show file: " + name +
                                 ".kss already exists.\nDo you want to replace it?"));
            QCOMPARE(editor.prompts.Dialogs().size(), replace ? 1 : 2);
            QVERIFY(replace || ReadBytes(file).startsWith("old"));
            Editor opened;
            opened.Open(file);
            QCOMPARE(opened.show() == editor.show(), replace);
        }
    }

    // Names whose bytes are not UTF-8 pass through Qt's strings unchanged.
    void NamesThatAreNotUtf8_PassThroughQtStringsUnchanged() {
        for (const char* name :
             {"plain", "/home/caf\xE9/\xC5\x81\xC3\xB3\x64\xC5\xBA \xF0\x9F\x8E\x84",
              "cut off \xC5", "\xED\xB2\x80 no surrogate", "\xEF\xBF\xBD", "\xFF\xFE"})
            QVERIFY(QtText::ToBytes(QtText::FromBytes(name)) == name);
        // Valid text is what Qt makes of it; a byte that is not UTF-8 is no U+FFFD.
        QCOMPARE(QtText::FromBytes("\xC5\x81 \xF0\x9F\x8E\x84"), QStringLiteral("Ł 🎄"));
        QCOMPARE(QtText::FromBytes("a\xE9").size(), 2);
        QVERIFY(QtText::FromBytes("a\xE9") != QString::fromUtf8("a\xE9"));
    }

    // The file as the save left it ("-": gone with its folder), the answer, the file afterwards;
    // a copy is set aside on No and still offered when it cannot be put back.
    void LeftCopies_AreOfferedBack() {
        const std::tuple<const char*, std::optional<bool>, const char*> cases[] = {
            {"(fragm", true, "(old)"},
            {"(fragm", false, "(fragm"},
            {"(old)", std::nullopt, "(old)"},
            {"-", true, "<unreadable>"}};
        for (const auto& [now, answer, after] : cases) {
            QTemporaryDir home;
            qputenv("XDG_STATE_HOME", home.filePath("state").toUtf8());
            const std::string show = home.filePath("shows/Yard.kss").toStdString();
            QVERIFY(QDir(home.path()).mkpath("shows"));
            const auto backup = SaveBackups::Keep(show, "(old)");
            const bool gone = now == std::string("-");
            QVERIFY(backup && (gone ? QDir(home.filePath("shows")).removeRecursively()
                                    : WholeFile::Write(show, now)));
            ScriptedPrompts prompts;
            if (answer)
                prompts.questionAnswers.enqueue(*answer);
            // Windows keeps the copies of every case in one folder: only this case's count.
            const QDir copies(QString::fromStdString(SaveBackups::Folder()));
            const qsizetype setAside = copies.entryList({"*.set-aside"}).size();
            OfferLeftSaveBackups(nullptr, prompts);

            QStringList said(answer ? 1 : 0, DataText("editor/unfinished-save.txt")
                                                 .trimmed()
                                                 .arg(QDir::toNativeSeparators(show.c_str()),
                                                      backup->copyPath.c_str()));
            if (gone)
                said << "BWShow: Unable to write to " + QDir::toNativeSeparators(show.c_str());
            QCOMPARE(prompts.Said(), said);
            QCOMPARE(ReadBytes(QString::fromStdString(show)), QByteArray(after));
            QCOMPARE(SaveBackups::Left().size(), std::size_t(gone));
            QCOMPARE(QDir(copies.path()).entryList({"*.set-aside"}).size() - setAside,
                     answer == false ? 1 : 0);
            // On Windows the folder outlives the test: a copy left there would be offered to the
            // next run.
            SaveBackups::Discard(*backup);
        }
    }
};

BWSHOW_REGISTER_TEST(FileCommandsTest);

} // namespace bw::test

#include "FileCommandsTest.moc"
