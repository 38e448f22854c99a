// The undo history: one step per action, undone and redone where it was made, anew with each show.

#include "DesktopTestSupport.h"
#include "dialogs/frmChooseGroupType.h"
#include "dialogs/frmInteractiveGroupEditor.h"
#include "dialogs/frmOptions.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QUndoStack>

namespace bw::test {
namespace {

void Push(const QObject& parent, const char* button) {
    parent.findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
}

// OK in the group dialogs that come next, the group renamed (and a new one given an entry).
void EditGroup(bool isNew) {
    WhenModal<frmInteractiveGroupEditor>([isNew](frmInteractiveGroupEditor& dialog) {
        if (isNew)
            dialog.IG()->AddTriggeredSequences(Entry(0, 1, 1, "T", {"bell.kas"}));
        dialog.findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("Gate"));
        Push(dialog, "btOK");
    });
    if (isNew)
        WhenModal<frmChooseGroupType>([](auto& chooser) { Push(chooser, "OKButton"); });
}

// The window on a show opened from a file: three songs and one group.
struct History : Window {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Show.kss"));

    History() {
        Show show;
        show.Musical()->List() = {"a.kms", "b.kms", "c.kms"};
        show.InteractiveGroups()->push_back(std::make_shared<InteractiveGroup>());
        show.InteractiveGroups()->front()->AddTriggeredSequences(Entry(0, 1, 1, "T", {"bell.kas"}));
        WriteShowFile(path, show);
        Command("Open");
    }
    void Yes(QStringList open = {}) {
        prompts.questionAnswers << true, prompts.openAnswers << open;
    }
    void Command(const char* key) { Yes({path}), Click(QString::fromLatin1(key)); }
    void Type(const char* box, const char* text) const {
        Get<QLineEdit>(box)->setFocus();
        QTest::keyClicks(Get<QLineEdit>(box), QString::fromLatin1(text));
    }
    void Press(QKeyCombination keys) const {
        QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
    }
    int Steps() const { return window->findChild<QUndoStack*>()->count(); }
    std::string Text() const { return ShowFunctions::ShowToText(show()); }
};

using enum frmShow::Tab;

// clang-format off
const struct { const char* name; int tab, selection, steps; void (*act)(History&); } Actions[] = {
    {"adding two", MusicalTab, 1, 1, [](auto& e) { e.Yes({"d.kms", "e.kms"}), Push(*e.window, "btAdd"); }},
    {"removal", MusicalTab, 1, 1, [](auto& e) { e.Yes(), Push(*e.window, "btRemove"); }},
    {"move", MusicalTab, 1, 1, [](auto& e) { Push(*e.window, "btDown"); }},
    {"play option", AnimationTab, -1, 1, [](auto& e) { Push(*e.window, "opStandard"); }},
    {"cleanup", MusicalTab, -1, 1, [](auto& e) { e.Yes({"off.kas"}), Push(*e.window, "btCleanup"); }},
    {"delay typed in two runs", MusicalTab, -1, 2,
     [](auto& e) { e.Type("txtDelay", "12"), e.Type("txtCleanup", ""), e.Type("txtDelay", "3"); }},
    {"edited group", InteractiveTab, 0, 1, [](auto& e) { EditGroup(false), Push(*e.window, "btEdit"); }},
    {"new group", InteractiveTab, -1, 1, [](auto& e) { EditGroup(true), Push(*e.window, "btAdd"); }},
    {"removed group", InteractiveTab, 0, 1, [](auto& e) { e.Yes(), Push(*e.window, "btRemove"); }},
    {"show options", BackgroundTab, -1, 1, [](auto& e) {
         WhenModal<frmOptions>([](auto& d) { Push(d, "optStartupType1"), Push(d, "cmdOK"); });
         e.Command("Options"); }}};
// clang-format on

} // namespace

class ShowHistoryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void Action_IsUndoneAndRedoneWhereItWasMade() {
        for (const auto& test : Actions) {
            History editor;
            editor.SelectTab(test.tab);
            editor.Select(test.selection);
            const std::string before = editor.Text();
            const auto monitoring = editor.show().Monitoring(); // not in the text: undo leaves it
            test.act(editor);
            const std::string after = editor.Text();
            QApplication::setActiveWindow(editor.window.get()); // again, after a dialog
            QCOMPARE(editor.Steps(), test.steps);
            editor.SelectTab(test.tab % 6 + 1);
            for (int step = 0; step < test.steps; ++step)
                editor.Press(Qt::CTRL | Qt::Key_Z);
            QVERIFY2(editor.Text() == before, test.name);
            QCOMPARE(editor.window->CurrentTabIndex(), test.tab);
            QCOMPARE(editor.Selected(), test.selection);
            QCOMPARE(editor.show().Monitoring(), monitoring);
            // Back where the file was opened: nothing to save, nothing to ask about.
            QVERIFY(!editor.window->HasUnsavedChanges() && !editor.Button("Save")->isEnabled());
            for (int step = 0; step < test.steps; ++step)
                editor.Press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
            QCOMPARE(editor.Text(), after);
            QVERIFY(editor.window->HasUnsavedChanges() && editor.Button("Save")->isEnabled());
        }
    }

    // New and Open start the history anew, Save keeps it: going back from the saved show is a
    // change.
    void FileCommand_StartsOrKeepsTheHistory() {
        for (const auto& [command, steps] : {std::pair{"New", 0}, {"Open", 0}, {"Save", 1}}) {
            History editor;
            editor.window->AddSequenceToPlaylist("y.kas");
            editor.Command(command);
            QCOMPARE(editor.Steps(), steps);
            const std::string current = editor.Text();
            editor.Press(Qt::CTRL | Qt::Key_Z);
            QCOMPARE(editor.Text() != current, steps > 0);
            QCOMPARE(editor.window->HasUnsavedChanges(), steps > 0);
        }
    }
};

} // namespace bw::test

QTEST_MAIN(bw::test::ShowHistoryTest)
#include "ShowHistoryTest.moc"
