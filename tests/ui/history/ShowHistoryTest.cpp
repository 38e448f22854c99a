// The main window's undo history: one step per user action, undone and redone where it was made,
// and a history that starts anew with each show.

#include "ScriptedPrompts.h"
#include "WhenModal.h"
#include "dialogs/frmChooseGroupType.h"
#include "dialogs/frmInteractiveGroupEditor.h"
#include "dialogs/frmOptions.h"
#include "editor/frmShow.h"
#include "showfile/File.h"
#include "showfile/ShowFunctions.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

namespace bw::test {
namespace {

template <class Control = QAbstractButton> Control* Find(const QObject& parent, const char* name) {
    return parent.findChild<Control*>(QString::fromLatin1(name));
}

TriggeredSequencesPtr Bell() {
    auto entry = std::make_shared<TriggeredSequences>();
    entry->SetTrig(std::make_shared<Trigger>());
    entry->AddSequence("bell.kas");
    return entry;
}

// The main window, active, on a show opened from a file: three songs and one group.
struct Editor {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    frmShow window{prompts, {}};
    bool active = false;

    Editor() {
        Show show;
        show.Musical()->List() = {"a.kms", "b.kms", "c.kms"};
        show.InteractiveGroups()->push_back(std::make_shared<InteractiveGroup>());
        show.InteractiveGroups()->front()->SetName("Porch");
        show.InteractiveGroups()->front()->AddTriggeredSequences(Bell());
        File::WriteWholeFile(Path().toStdString(), ShowFunctions::ShowToText(show));
        Command("Open");
        window.show();
        active = Activate();
    }
    bool Activate() {
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
    QString Path() const { return folder.filePath(QStringLiteral("Show.kss")); }
    // Yes to the next question, and the files to the next file dialog.
    void Answer(const QStringList& files = {}) {
        prompts.questionAnswers << true;
        prompts.openAnswers << files;
    }
    void Command(const char* key) {
        Answer({Path()});
        window.ToolbarCommand(QString::fromLatin1(key));
    }
    void Click(const char* name) { Find(window, name)->click(); }
    void Type(const char* box, const char* text) {
        Find<QLineEdit>(window, box)->setFocus();
        QTest::keyClicks(Find<QLineEdit>(window, box), QString::fromLatin1(text));
    }
    void Press(QKeyCombination keys) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &window, keys.key(), keys.keyboardModifiers());
    }
    QUndoStack& Stack() const { return *window.findChild<QUndoStack*>(); }
    void SelectTab(int tab) { Find<QTabBar>(window, "tsMain")->setCurrentIndex(tab - 1); }
    std::string Text() const { return ShowFunctions::ShowToText(*window.MyShow()); }
    int Selected() const { return Find<QListWidget>(window, "lbSequences")->currentRow(); }
};

struct ActionCase {
    const char* name;
    int tab;
    int selection;
    int steps;
    void (*act)(Editor&);
};

const ActionCase ActionCases[] = {
    {"add of two files", frmShow::MusicalTab, 1, 1,
     [](Editor& e) {
         e.Answer({"d.kms", "e.kms"}), e.Click("btAdd");
     }},
    {"removal", frmShow::MusicalTab, 1, 1, [](Editor& e) { e.Answer(), e.Click("btRemove"); }},
    {"move", frmShow::MusicalTab, 1, 1, [](Editor& e) { e.Click("btDown"); }},
    {"play option", frmShow::AnimationTab, -1, 1, [](Editor& e) { e.Click("opStandard"); }},
    {"cleanup", frmShow::MusicalTab, -1, 1,
     [](Editor& e) { e.Answer({"off.kas"}), e.Click("btCleanup"); }},
    {"delay typed in two runs", frmShow::MusicalTab, -1, 2,
     [](Editor& e) {
         e.Type("txtDelay", "12"), e.Type("txtCleanup", ""), e.Type("txtDelay", "3");
     }},
    {"edited group", frmShow::InteractiveTab, 0, 1,
     [](Editor& e) {
         WhenModal<frmInteractiveGroupEditor>([](frmInteractiveGroupEditor& dialog) {
             Find<QLineEdit>(dialog, "txtName")->setText(QStringLiteral("Gate"));
             Find(dialog, "btOK")->click();
         });
         e.Click("btEdit");
     }},
    {"new group", frmShow::InteractiveTab, -1, 1,
     [](Editor& e) {
         WhenModal<frmInteractiveGroupEditor>([](frmInteractiveGroupEditor& dialog) {
             dialog.IG()->AddTriggeredSequences(Bell());
             Find<QLineEdit>(dialog, "txtName")->setText(QStringLiteral("Gate"));
             Find(dialog, "btOK")->click();
         });
         WhenModal<frmChooseGroupType>([](auto& chooser) { Find(chooser, "OKButton")->click(); });
         e.Click("btAdd");
     }},
    {"removed group", frmShow::InteractiveTab, 0, 1,
     [](Editor& e) { e.Answer(), e.Click("btRemove"); }},
    {"show options", frmShow::BackgroundTab, -1, 1,
     [](Editor& e) {
         WhenModal<frmOptions>([](frmOptions& dialog) {
             Find(dialog, "optStartupType1")->click();
             Find(dialog, "cmdOK")->click();
         });
         e.Command("Options");
     }},
};

} // namespace

class ShowHistoryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void Action_IsUndoneAndRedoneWhereItWasMade_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < static_cast<int>(std::size(ActionCases)); ++i)
            QTest::newRow(ActionCases[i].name) << i;
    }

    void Action_IsUndoneAndRedoneWhereItWasMade() {
        QFETCH(int, index);
        const ActionCase& test = ActionCases[index];
        Editor editor;
        QVERIFY(editor.active);
        editor.SelectTab(test.tab);
        Find<QListWidget>(editor.window, "lbSequences")->setCurrentRow(test.selection);
        const std::string before = editor.Text();
        const auto monitoring = editor.window.MyShow()->Monitoring();
        test.act(editor);
        const std::string after = editor.Text();
        QVERIFY(editor.Activate()); // again, after a dialog
        QCOMPARE(editor.Stack().count(), test.steps);

        editor.SelectTab(test.tab % 6 + 1);
        for (int step = 0; step < test.steps; ++step)
            editor.Press(Qt::CTRL | Qt::Key_Z);
        QCOMPARE(editor.Text(), before);
        QCOMPARE(editor.window.CurrentTabIndex(), test.tab);
        QCOMPARE(editor.Selected(), test.selection);
        QCOMPARE(editor.window.MyShow()->Monitoring(), monitoring);
        QVERIFY(editor.window.HasUnsavedChanges());
        for (int step = 0; step < test.steps; ++step)
            editor.Press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        QCOMPARE(editor.Text(), after);
    }

    // Ctrl+Z in the delay box undoes the run typed there; a new change then drops what Ctrl+Y
    // would have redone.
    void NewChange_AfterUndo_DropsTheRedoBranch() {
        Editor editor;
        QVERIFY(editor.active);
        editor.SelectTab(frmShow::MusicalTab);
        editor.Click("opVariant");
        const std::string before = editor.Text();
        editor.Type("txtDelay", "9");
        editor.Press(Qt::CTRL | Qt::Key_Z);
        QCOMPARE(editor.Text(), before);
        editor.Click("chkVariantOption1");
        const std::string latest = editor.Text();
        editor.Press(Qt::CTRL | Qt::Key_Y);
        QCOMPARE(editor.Text(), latest);
        QCOMPARE(editor.Stack().count(), 2);
    }

    void FileCommand_StartsOrKeepsTheHistory_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("steps");
        QTest::newRow("New") << "New" << 0;
        QTest::newRow("Open") << "Open" << 0;
        QTest::newRow("Save") << "Save" << 1;
    }

    // The history goes back no further than the show that the command leaves; going back is a
    // change even to the state last saved.
    void FileCommand_StartsOrKeepsTheHistory() {
        QFETCH(QString, command);
        QFETCH(int, steps);
        Editor editor;
        QVERIFY(editor.active);
        editor.window.AddSequenceToPlaylist("y.kas");
        editor.Command(command.toLatin1().constData());
        QCOMPARE(editor.Stack().count(), steps);
        const std::string current = editor.Text();
        editor.Press(Qt::CTRL | Qt::Key_Z);
        QCOMPARE(editor.Text() != current, steps > 0);
        QCOMPARE(editor.window.HasUnsavedChanges(), steps > 0);
    }
};

} // namespace bw::test

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    bw::test::ShowHistoryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ShowHistoryTest.moc"
