// The toolbar, its show file commands, the window states, the caption and the session's end.
#include "DataFile.h"
#include "EditorTestSupport.h"
#include "dialogs/EditorIcons.h"

#include <QDialog>
#include <QDir>
#include <QSessionManager>
#include <QTemporaryDir>
#include <QtGui/private/qsessionmanager_p.h>
#include <qpa/qplatformsessionmanager.h>

namespace bw::test {

namespace {

const QString Unsaved = QStringLiteral(
    "Unsaved Changes: Warning.  You have unsaved changes to this show.  If you proceed, these "
    "changes will be lost.  Do you wish to continue without saving these changes?");
const QString Title = QStringLiteral("BW Show Editor v" BWSHOW_VERSION);
const QString ShowDialog = "Select a show file|All Files|*.*|Shows|*.kss|2|/home/user/Sequences/|";

// Ends the desktop session as a session manager that lets programs ask, or not, would; true
// when no program stopped it. Qt's offscreen platform never lets them ask, so the test puts in
// its own session behind the application's.
bool EndSession(bool interactive) {
    struct Session : QPlatformSessionManager {
        bool interactive, cancelled = false;
        explicit Session(bool interactive)
            : QPlatformSessionManager({}, {}), interactive(interactive) {}
        bool allowsInteraction() override { return interactive; }
        void cancel() override { cancelled = true; }
    } session(interactive);
    QPlatformSessionManager*& platform =
        static_cast<QSessionManagerPrivate*>(
            QObjectPrivate::get(qApp->findChild<QSessionManager*>()))
            ->platformSessionManager;
    QPlatformSessionManager* const desktop = std::exchange(platform, &session);
    session.appCommitData();
    platform = desktop;
    return !session.cancelled;
}

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;
    QString Path(const QString& name) const { return folder_.filePath(name); }

private Q_SLOTS:
    void init() {
        QVERIFY(QDir(folder_.path()).removeRecursively() && QDir().mkpath(folder_.path()));
    }

    void Toolbar() {
        for (const QString& key : EditorIcons::Keys()) {
            // The scalable icons need the SVG support at run time; without it they are empty.
            const QImage image = EditorIcons::Icon(key).pixmap(QSize(32, 32)).toImage();
            const auto painted =
                std::count_if(image.constBits(), image.constBits() + image.sizeInBytes(),
                              [](uchar byte) { return byte != 0; });
            QVERIFY2(painted > image.sizeInBytes() / 8, qPrintable(key));
        }
        Editor editor;
        auto* toolbar = editor.Get<QToolBar>("Toolbar1");
        QCOMPARE(toolbar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QString buttons;
        for (QAction* action : toolbar->actions()) {
            // The tooltip, before the key that the window names after it.
            buttons += action->data().toString() + '|' + action->text() + '|' +
                       action->toolTip().section(QStringLiteral(" ("), 0, 0) + '\n';
            QVERIFY(!action->icon().isNull());
            QVERIFY(toolbar->widgetForAction(action)->geometry().bottom() < toolbar->height());
        }
        QCOMPARE(buttons, QString::fromStdString(DataFile("editor/toolbar.txt")));
    }

    // Save is enabled for a named, changed show only. A failed write counts as a change and
    // keeps the new name; the message names the path as the dialog returned it.
    void Save_WritesTheNamedShow() {
        Editor editor;
        QVERIFY(QDir().mkdir(Path("Yard.kss"))); // a folder is not replaced by the file
        editor.prompts.saveAnswers << Path("Yard");
        editor.Click("SaveAs");
        QVERIFY(editor.SaveEnabled());
        editor.Click("Save");
        QCOMPARE(editor.prompts.Said(),
                 (QStringList{"BWShow: Unable to write to " + Path("Yard"),
                              "BWShow: Unable to write to " + Path("Yard.kss")}));
        QVERIFY(QDir().rmdir(Path("Yard.kss")));
        editor.Click("Save");
        QVERIFY(!editor.SaveEnabled() && !editor.window->HasUnsavedChanges());
        editor.window->AddSequenceToPlaylist("/seq/Intro.kas");
        QVERIFY(editor.SaveEnabled());
        editor.Click("Save");
        QVERIFY(FileHoldsShow(Path("Yard.kss"), editor.show()) && !editor.SaveEnabled());
    }

    void SaveAs_TakesOnlyKssNames() {
        // The names chosen one after the other ("" cancels), and the file saved.
        // clang-format off
        const std::pair<QStringList, QString> cases[] = {
            {{"<tmp>/Halloween"}, "<tmp>/Halloween.kss"}, {{"<tmp>/Halloween.kss"}, "<tmp>/Halloween.kss"},
            {{"C:\\My.Shows\\Halloween", ""}, ""}, {{""}, ""},
            {{"<tmp>/Halloween.txt", "<tmp>/Halloween.Kss", "<tmp>/Halloween"}, "<tmp>/Halloween.kss"}};
        // clang-format on
        for (auto [answers, saved] : cases) {
            init();
            answers.replaceInStrings("<tmp>", folder_.path());
            saved.replace("<tmp>", folder_.path());
            Editor editor;
            editor.window->AddSequenceToPlaylist("/seq/Intro.kas");
            for (const QString& answer : answers)
                editor.prompts.saveAnswers.enqueue(answer.isEmpty() ? std::nullopt
                                                                    : std::optional(answer));
            editor.Click("SaveAs");
            // After a refusal the dialog offers the refused name.
            QStringList dialogs{ShowDialog + "|one"};
            for (qsizetype i = 1; i < answers.size(); ++i)
                dialogs << ShowDialog + answers[i - 1] + "|one";
            QCOMPARE(editor.prompts.Dialogs(), dialogs);
            QCOMPARE(
                editor.prompts.Said(),
                QStringList(answers.size() - 1, "Brightwave: Your file name must end in .kss"));
            QCOMPARE(editor.window->ShowFileName(), saved);
            QCOMPARE(editor.window->HasUnsavedChanges(), saved.isEmpty());
            QCOMPARE(editor.window->windowTitle(), Title + (saved.isEmpty() ? "" : " - Halloween"));
            QVERIFY(!editor.SaveEnabled());
            QCOMPARE(QDir(folder_.path()).entryList(QDir::Files).size(), saved.isEmpty() ? 0 : 1);
            QVERIFY(saved.isEmpty() || FileHoldsShow(saved, editor.show()));
        }
    }

    void Open_ReplacesTheShowOrKeepsIt() {
        Show stored;
        stored.Main()->List() = {"C:\\Shows\\Seq\\Intro Part 2.kas"};
        const QByteArray newShow = ShowFunctions::ShowToText(Show()).c_str();
        // File name, its bytes ("-" none), whether it cannot be opened, the caption's end (""
        // kept).
        // clang-format off
        const std::tuple<QString, QByteArray, bool, QString> cases[] = {
            {"Halloween.kss", ShowFunctions::ShowToText(stored).c_str(), false, " - Halloween"},
            {"a.b.kss", newShow, false, " - a.b"}, {"README", newShow, false, " - "},
            {"missing.kss", "-", true, ""}, {"list.kss", "(a)\r\n", true, ""},
            // Without "(" there is no list at all: the reader raises and Open ends silently.
            {"words.kss", "Halloween\r\n", false, ""}};
        // clang-format on
        for (const auto& [name, bytes, unable, caption] : cases) {
            if (QFile file(Path(name)); bytes != "-")
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            Editor editor;
            editor.MakeNamedChangedShow(Path("Yard.kss"));
            const ShowPtr before = editor.window->MyShow();
            editor.prompts.questionAnswers.enqueue(true);
            editor.Open(Path(name));
            QCOMPARE(editor.prompts.Dialogs(), QStringList{ShowDialog + "|one"});
            QCOMPARE(editor.prompts.Said().mid(1),
                     unable ? QStringList{"BWShow: Unable to open " + Path(name)} : QStringList());
            QCOMPARE(editor.window->windowTitle(),
                     Title + (caption.isEmpty() ? " - Yard" : caption));
            QCOMPARE(editor.window->MyShow() == before, caption.isEmpty());
            QCOMPARE(editor.SaveEnabled(), caption.isEmpty());
            QVERIFY(name != "Halloween.kss" || editor.show() == stored);
        }
    }

    // New, Open, the Exit button, the close box and the end of the session ask before unsaved
    // changes are lost; a session end that was agreed to does not ask again on closing.
    void UnsavedQuestion() {
        QVERIFY(WriteShowFile(Path("Other.kss"), Show()));
        for (const QString command : {"New", "Open", "Exit", "close box", "session end"}) {
            for (const auto& [changed, answer] :
                 {std::pair{false, false}, {true, false}, {true, true}}) {
                Editor editor;
                frmShow& window = *editor.window;
                editor.MakeNamedChangedShow(Path("Yard.kss"));
                if (!changed)
                    editor.Click("Save");
                const QByteArray written = ReadBytes(Path("Yard.kss"));
                editor.ShowWindow();
                const ShowPtr before = window.MyShow();
                editor.prompts.prompts.clear();
                editor.prompts.questionAnswers.enqueue(answer);
                editor.prompts.openAnswers.enqueue(QStringList{Path("Other.kss")});
                if (command == "session end") {
                    const bool ends = EndSession(true);
                    QCOMPARE(editor.prompts.prompts.size(), changed ? 1 : 0);
                    if (ends)
                        window.close();
                } else {
                    command == "close box" ? void(window.close()) : editor.Click(command);
                }
                const bool proceeds = !changed || answer,
                           closing = command == "Exit" || command.contains(' ');
                QCOMPARE(editor.prompts.Said(), changed ? QStringList{Unsaved} : QStringList());
                QCOMPARE(window.isVisible(), !(closing && proceeds));
                QCOMPARE(window.MyShow() == before, closing || !proceeds);
                QCOMPARE(window.HasUnsavedChanges(), changed && (closing || !proceeds));
                QCOMPARE(window.ShowFileName(), !proceeds || closing ? Path("Yard.kss")
                                                : command == "New"   ? QString()
                                                                     : Path("Other.kss"));
                QCOMPARE(ReadBytes(Path("Yard.kss")), written); // nothing is saved on the way
            }
        }
        // A session that lets no program ask ends only when nothing would be lost.
        for (const bool changed : {false, true}) {
            Editor editor;
            if (changed)
                editor.window->AddSequenceToPlaylist("/seq/Intro.kas");
            QCOMPARE(EndSession(false), !changed);
            QCOMPARE(editor.prompts.prompts.size(), 0);
        }
    }

    void HelpAndOptions() {
        Editor editor;
        editor.Click("Help");
        QCOMPARE(editor.helpTopics, QList<int>{4});
        editor.ShowWindow();
        WhenModal([&](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Show Options"));
            // What a dialog changes in the show is listed when it closes.
            editor.show().Background()->List().push_back("/seq/Added.kas");
            qobject_cast<QDialog*>(&dialog)->reject();
        });
        editor.Click("Options");
        QCOMPARE(editor.Entries(), QStringList{"Added"});
    }
};

BWSHOW_REGISTER_TEST(FileCommandsTest);

} // namespace bw::test

#include "FileCommandsTest.moc"
