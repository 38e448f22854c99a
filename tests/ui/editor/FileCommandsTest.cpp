// The toolbar with its icons, its show file commands, the window states and the caption.
#include "EditorTestSupport.h"
#include "dialogs/EditorIcons.h"
#include "editor/TitleWithVersion.h"

#include <QDialog>
#include <QDir>
#include <QTemporaryDir>

namespace bw::test {

namespace {

const QString Unsaved = QStringLiteral(
    "Unsaved Changes: Warning.  You have unsaved changes to this show.  If you proceed, these "
    "changes will be lost.  Do you wish to continue without saving these changes?");
const QString Title = TitleWithVersion(QStringLiteral("BW Show Editor"));
const QString ShowDialog = "Select a show file|All Files|*.*|Shows|*.kss|2|/home/user/Sequences/|";

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;
    QString Path(const QString& name) const { return folder_.filePath(name); }

private Q_SLOTS:
    void init() {
        QVERIFY(QDir(folder_.path()).removeRecursively() && QDir().mkpath(folder_.path()));
    }

    void IconsAndToolbar() {
        QCOMPARE(EditorIcons::Keys().size(), 12);
        for (const QString& key : EditorIcons::Keys()) {
            // The scalable icons need the SVG support at run time; without it they are empty.
            const QImage image = EditorIcons::Icon(key).pixmap(QSize(32, 32)).toImage();
            const auto painted =
                std::count_if(image.constBits(), image.constBits() + image.sizeInBytes(),
                              [](uchar byte) { return byte != 0; });
            QVERIFY2(painted > image.sizeInBytes() / 8, qPrintable(key));
        }
        QVERIFY(EditorIcons::Icon("NoSuchIcon").isNull());

        Editor editor;
        auto* toolbar = editor.Get<QToolBar>("Toolbar1");
        QCOMPARE(toolbar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QStringList buttons;
        for (QAction* action : toolbar->actions()) {
            // The specified tooltip, before the key that the window names after it.
            const QString tip = action->toolTip().section(QStringLiteral(" ("), 0, 0);
            buttons << action->data().toString() + '|' + action->text() + '|' + tip;
            QVERIFY(!action->icon().isNull());
            QVERIFY(toolbar->widgetForAction(action)->geometry().bottom() < toolbar->height());
        }
        QCOMPARE(
            buttons,
            (QStringList{"New|New|Create a new show", "Open|Open|Open a show file",
                         "Options|Options|Configure show options", "Save|Save|Save this show",
                         "SaveAs|Save As|Save this this show to a new file",
                         "Help|Help|Launch the Help Menu", "Exit|Exit|Close the Show Editor"}));
    }

    // Unnamed or named, changed or not: Save is enabled for a named, changed show only.
    void WindowStates() {
        Editor editor;
        frmShow& window = *editor.window;
        const auto state = [&] {
            return QString("%1 %2 %3")
                .arg(window.ShowFileName(), window.HasUnsavedChanges() ? "changed" : "unchanged",
                     editor.SaveEnabled() ? "Save" : "-");
        };
        QCOMPARE(state(), " unchanged -");
        QCOMPARE(window.windowTitle(), "BW Show Editor v" BWSHOW_VERSION);
        QVERIFY(window.AgreeToEndSession()); // nothing to lose; an edit takes the agreement back
        window.AddSequenceToPlaylist("/seq/Intro.kas");
        QCOMPARE(state(), " changed -");
        editor.prompts.saveAnswers << Path("Yard.kss") << Path("Halloween");
        editor.Click("SaveAs");
        QCOMPARE(state(), Path("Yard.kss") + " unchanged -");
        window.AddSequenceToPlaylist("/seq/Outro.kas");
        QCOMPARE(state(), Path("Yard.kss") + " changed Save");
        editor.Click("Save");
        QCOMPARE(state(), Path("Yard.kss") + " unchanged -");
        QVERIFY(FileHoldsShow(Path("Yard.kss"), editor.show()));
        // Failed writes count as changes, and Save As keeps the new name; a folder cannot be
        // replaced by the file. The message names the path as the dialog returned it.
        QVERIFY(QDir().mkdir(Path("Halloween.kss")));
        editor.Click("SaveAs");
        QCOMPARE(state(), Path("Halloween.kss") + " changed Save");
        editor.Click("Save");
        QCOMPARE(editor.prompts.Said(),
                 (QStringList{"BWShow: Unable to write to " + Path("Halloween"),
                              "BWShow: Unable to write to " + Path("Halloween.kss")}));
        QVERIFY(QDir().rmdir(Path("Halloween.kss")));
        editor.Click("Save");
        QVERIFY(FileHoldsShow(Path("Halloween.kss"), editor.show()));
        window.AddSequenceToPlaylist("/seq/Finale.kas");
        editor.prompts.questionAnswers << false << true;
        QVERIFY(!window.close());
        editor.Click("New");
        QCOMPARE(state(), " unchanged -");
        QVERIFY(editor.show() == Show());
    }

    void SaveAs_TakesOnlyKssNames() {
        // The names chosen one after the other ("" cancels), and the file saved.
        // clang-format off
        const std::pair<QStringList, QString> cases[] = {
            {{"<tmp>/Halloween"}, "<tmp>/Halloween.kss"}, {{"<tmp>/Halloween.kss"}, "<tmp>/Halloween.kss"},
            {{"C:\\Shows\\Halloween.KSS", ""}, ""}, {{"C:\\My.Shows\\Halloween", ""}, ""},
            {{"<tmp>/Halloween.txt", "<tmp>/Halloween.Kss", "<tmp>/Halloween"}, "<tmp>/Halloween.kss"},
            {{""}, ""}};
        // clang-format on
        for (auto [answers, saved] : cases) {
            QVERIFY(QDir(folder_.path()).removeRecursively() && QDir().mkpath(folder_.path()));
            answers.replaceInStrings("<tmp>", folder_.path());
            saved.replace("<tmp>", folder_.path());
            Editor editor;
            editor.window->AddSequenceToPlaylist("/seq/Intro.kas");
            for (const QString& answer : answers)
                editor.prompts.saveAnswers.enqueue(answer.isEmpty() ? std::nullopt
                                                                    : std::optional(answer));
            editor.Click("SaveAs");
            // After a refusal the dialog offers the refused name.
            QStringList dialogs{ShowDialog + "|one"}, refusals;
            for (qsizetype i = 1; i < answers.size(); ++i) {
                dialogs << ShowDialog + answers[i - 1] + "|one";
                refusals << "Brightwave: Your file name must end in .kss";
            }
            QCOMPARE(editor.prompts.Dialogs(), dialogs);
            QCOMPARE(editor.prompts.Said(), refusals);
            QCOMPARE(editor.window->ShowFileName(), saved);
            QCOMPARE(editor.window->HasUnsavedChanges(), saved.isEmpty());
            QCOMPARE(QDir(folder_.path()).entryList(QDir::Files).size(), saved.isEmpty() ? 0 : 1);
            QVERIFY(saved.isEmpty() || FileHoldsShow(saved, editor.show()));
        }
    }

    void Open_ReplacesTheShowOrKeepsIt() {
        Show stored;
        stored.Main()->List() = {"C:\\Shows\\Seq\\Intro Part 2.kas"};
        const QByteArray newShow = ShowFunctions::ShowToText(Show()).c_str();
        const QString unable = "BWShow: Unable to open <path>";
        // File name, its bytes ("-" none), what the person is told, the caption's end ("" kept).
        // clang-format off
        const std::tuple<QString, QByteArray, QString, QString> cases[] = {
            {"Halloween.kss", ShowFunctions::ShowToText(stored).c_str(), "", " - Halloween"},
            {"a.b.kss", newShow, "", " - a.b"}, {"README", newShow, "", " - "},
            {"missing.kss", "-", unable, ""}, {"list.kss", "(a)\r\n", unable, ""},
            // Without "(" there is no list at all: the reader raises and Open ends silently.
            {"empty.kss", "", "", ""}, {"words.kss", "Halloween\r\n", "", ""}};
        // clang-format on
        for (const auto& [name, bytes, said, caption] : cases) {
            if (QFile file(Path(name)); bytes != "-")
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            Editor editor;
            editor.MakeNamedChangedShow(Path("Yard.kss"));
            const ShowPtr before = editor.window->MyShow();
            editor.prompts.questionAnswers.enqueue(true);
            editor.Open(Path(name));
            QCOMPARE(editor.prompts.Dialogs(), QStringList{ShowDialog + "|one"});
            QCOMPARE(editor.prompts.Said().mid(1),
                     said.isEmpty() ? QStringList()
                                    : QStringList{QString(said).replace("<path>", Path(name))});
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
                if (command == "session end")
                    QCOMPARE(window.AgreeToEndSession() && window.close(), !changed || answer);
                else
                    command == "close box" ? void(window.close()) : editor.Click(command);

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
    }

    void HelpAndOptions() {
        Editor editor;
        editor.Click("Help");
        QCOMPARE(editor.helpTopics, QList<int>{4});
        editor.ShowWindow();
        QString title;
        WhenModal([&](QWidget& dialog) {
            title = dialog.windowTitle();
            QVERIFY(dialog.parentWidget() == editor.window.get() && dialog.isModal());
            // What a dialog changes in the show is listed when it closes.
            editor.show().Background()->List().push_back("/seq/Added.kas");
            qobject_cast<QDialog*>(&dialog)->reject();
        });
        editor.Click("Options");
        QCOMPARE(title, QStringLiteral("Show Options"));
        QCOMPARE(editor.Entries(), QStringList{"Added"});
        QCOMPARE(editor.prompts.prompts.size(), 0);
    }
};

BWSHOW_REGISTER_TEST(FileCommandsTest);

} // namespace bw::test

#include "FileCommandsTest.moc"
