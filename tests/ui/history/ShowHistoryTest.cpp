// The main window's undo history: one step per user action, undo and redo bringing back the show
// and the place where it changed, and a history that starts anew with each show.

#include "ScriptedPrompts.h"
#include "WhenModal.h"
#include "dialogs/frmChooseGroupType.h"
#include "dialogs/frmInteractiveGroupEditor.h"
#include "dialogs/frmOptions.h"
#include "editor/frmShow.h"
#include "showfile/File.h"
#include "showfile/ShowFunctions.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QUndoStack>

#include <functional>
#include <stdexcept>

namespace bw::test {
namespace {

template <class Control> Control* Child(const QObject& parent, const QString& name) {
    auto* control = parent.findChild<Control*>(name);
    if (control == nullptr)
        throw std::runtime_error("no control " + name.toStdString());
    return control;
}

// One triggered sequence: a door bell on input `input` of unit 1.
TriggeredSequencesPtr DoorBell(int input) {
    auto trigger = std::make_shared<Trigger>();
    trigger->SetUnitId(1);
    trigger->SetInputNumber(input);
    auto entry = std::make_shared<TriggeredSequences>();
    entry->SetTrig(trigger);
    entry->AddSequence("C:\\Seq\\door.kas");
    return entry;
}

// The main window, shown and active so that keys and focus work, on a show opened from a file:
// three songs, one animation and one interactive group.
struct Editor {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("Show.kss"));
    ScriptedPrompts prompts;
    frmShow window{prompts, {}};
    bool active = false;

    Editor() {
        Show show;
        for (const char* song : {"C:\\Seq\\a.kms", "C:\\Seq\\b.kms", "C:\\Seq\\c.kms"})
            show.Musical()->List().push_back(song);
        show.Main()->List().push_back("C:\\Seq\\x.kas");
        auto group = std::make_shared<InteractiveGroup>();
        group->SetName("Porch");
        group->AddTriggeredSequences(DoorBell(1));
        show.InteractiveGroups()->push_back(group);
        File::WriteWholeFile(path.toStdString(), ShowFunctions::ShowToText(show));
        prompts.openAnswers.enqueue(QStringList{path});
        Toolbar(QStringLiteral("Open"));
        window.show();
        window.activateWindow();
        active = QTest::qWaitForWindowActive(&window);
    }

    template <class Control> Control* Get(const char* name) const {
        return Child<Control>(window, QString::fromLatin1(name));
    }
    void Click(const char* button) const { Get<QAbstractButton>(button)->click(); }
    void Toolbar(const QString& key) {
        for (QAction* action : Get<QToolBar>("Toolbar1")->actions())
            if (action->data().toString() == key)
                action->trigger();
    }
    QUndoStack& Stack() const { return *window.findChild<QUndoStack*>(); }
    void Undo() const { Get<QAction>("actionUndo")->trigger(); }
    void Redo() const { Get<QAction>("actionRedo")->trigger(); }
    std::string Text() const { return ShowFunctions::ShowToText(*window.MyShow()); }
    int Selected() const {
        const auto rows = Get<QListWidget>("lbSequences")->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
    // What the section list should show of the window's show.
    int Listed() const {
        return window.CurrentTabIndex() == frmShow::InteractiveTab
                   ? static_cast<int>(window.MyShow()->InteractiveGroups()->size())
                   : window.CurrentPlaylist()->Count();
    }
};

// A dialog's control, found when the dialog is running.
template <class Control> Control* In(QWidget& dialog, const char* name) {
    return Child<Control>(dialog, QString::fromLatin1(name));
}

using Action = std::function<void(Editor&)>;

struct ActionCase {
    const char* name;
    int tab;
    int selection; // selected before the action, -1 for none
    int steps;
    Action act;
};

void TypeIn(Editor& editor, const char* box, const QString& text) {
    auto* textBox = editor.Get<QLineEdit>(box);
    textBox->setFocus();
    QTest::keyClicks(textBox, text);
}

const ActionCase ActionCases[] = {
    {"add of two files", frmShow::MusicalTab, 1, 1,
     [](Editor& e) {
         e.prompts.openAnswers.enqueue(QStringList{"C:\\Seq\\d.kms", "C:\\Seq\\e.kms"});
         e.Click("btAdd");
     }},
    {"removal", frmShow::MusicalTab, 1, 1,
     [](Editor& e) {
         e.prompts.questionAnswers.enqueue(true);
         e.Click("btRemove");
     }},
    {"removal answered No", frmShow::MusicalTab, 1, 0,
     [](Editor& e) {
         e.prompts.questionAnswers.enqueue(false);
         e.Click("btRemove");
     }},
    {"move down", frmShow::MusicalTab, 1, 1, [](Editor& e) { e.Click("btDown"); }},
    {"play option", frmShow::AnimationTab, -1, 1, [](Editor& e) { e.Click("opStandard"); }},
    {"group's lights off", frmShow::InteractiveTab, 0, 1,
     [](Editor& e) { e.Click("chkLightsOffAtEnd"); }},
    {"cleanup chosen", frmShow::MusicalTab, -1, 1,
     [](Editor& e) {
         e.prompts.openAnswers.enqueue(QStringList{"C:\\Seq\\off.kas"});
         e.Click("btCleanup");
     }},
    {"cleanup typed", frmShow::MusicalTab, -1, 1,
     [](Editor& e) { TypeIn(e, "txtCleanup", QStringLiteral("off")); }},
    {"delay typed and stepped", frmShow::MusicalTab, -1, 1,
     [](Editor& e) {
         TypeIn(e, "txtDelay", QStringLiteral("12"));
         QTest::keyClick(e.Get<QLineEdit>("txtDelay"), Qt::Key_Up);
     }},
    {"delay typed in two runs", frmShow::MusicalTab, -1, 2,
     [](Editor& e) {
         TypeIn(e, "txtDelay", QStringLiteral("1"));
         e.Get<QListWidget>("lbSequences")->setFocus();
         TypeIn(e, "txtDelay", QStringLiteral("2"));
     }},
    {"delay typed and erased", frmShow::MusicalTab, -1, 0,
     [](Editor& e) {
         TypeIn(e, "txtDelay", QStringLiteral("5"));
         QTest::keyClick(e.Get<QLineEdit>("txtDelay"), Qt::Key_Backspace);
     }},
    {"edited group", frmShow::InteractiveTab, 0, 1,
     [](Editor& e) {
         WhenModal<frmInteractiveGroupEditor>([](frmInteractiveGroupEditor& dialog) {
             In<QLineEdit>(dialog, "txtName")->setText(QStringLiteral("Gate"));
             In<QPushButton>(dialog, "btOK")->click();
         });
         e.Click("btEdit");
     }},
    {"edited group cancelled", frmShow::InteractiveTab, 0, 0,
     [](Editor& e) {
         WhenModal<frmInteractiveGroupEditor>([](frmInteractiveGroupEditor& dialog) {
             In<QLineEdit>(dialog, "txtName")->setText(QStringLiteral("Gate"));
             In<QPushButton>(dialog, "btCancel")->click();
         });
         e.Click("btEdit");
     }},
    {"new group", frmShow::InteractiveTab, 0, 1,
     [](Editor& e) {
         WhenModal<frmInteractiveGroupEditor>([](frmInteractiveGroupEditor& dialog) {
             dialog.IG()->AddTriggeredSequences(DoorBell(2));
             In<QLineEdit>(dialog, "txtName")->setText(QStringLiteral("Gate"));
             In<QPushButton>(dialog, "btOK")->click();
         });
         WhenModal<frmChooseGroupType>(
             [](frmChooseGroupType& chooser) { In<QPushButton>(chooser, "OKButton")->click(); });
         e.Click("btAdd");
     }},
    {"removed group", frmShow::InteractiveTab, 0, 1,
     [](Editor& e) {
         e.prompts.questionAnswers.enqueue(true);
         e.Click("btRemove");
     }},
    {"show options", frmShow::BackgroundTab, -1, 1,
     [](Editor& e) {
         WhenModal<frmOptions>([](frmOptions& dialog) {
             In<QRadioButton>(dialog, "optStartupType1")->click();
             In<QPushButton>(dialog, "cmdOK")->click();
         });
         e.Toolbar(QStringLiteral("Options"));
     }},
    {"show options cancelled", frmShow::BackgroundTab, -1, 0,
     [](Editor& e) {
         WhenModal<frmOptions>([](frmOptions& dialog) {
             In<QRadioButton>(dialog, "optStartupType1")->click();
             In<QPushButton>(dialog, "cmdCancel")->click();
         });
         e.Toolbar(QStringLiteral("Options"));
     }},
};

} // namespace

class ShowHistoryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void Action_MakesItsSteps_UndoneAndRedoneWhereItHappened_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < static_cast<int>(std::size(ActionCases)); ++i)
            QTest::newRow(ActionCases[i].name) << i;
    }

    void Action_MakesItsSteps_UndoneAndRedoneWhereItHappened() {
        QFETCH(int, index);
        const ActionCase& test = ActionCases[index];
        Editor editor;
        QVERIFY(editor.active);
        editor.window.findChild<QTabBar*>()->setCurrentIndex(test.tab - 1);
        editor.Get<QListWidget>("lbSequences")->setCurrentRow(test.selection);
        const std::string before = editor.Text();
        const auto monitoring = editor.window.MyShow()->Monitoring();

        test.act(editor);
        QCOMPARE(editor.prompts.unexpected, 0);
        QCOMPARE(editor.Stack().count(), test.steps);
        const std::string after = editor.Text();
        QCOMPARE(after == before, test.steps == 0);
        if (test.steps == 0)
            return;

        // Undo brings the user back from another tab to where the change was made.
        editor.window.findChild<QTabBar*>()->setCurrentIndex(
            test.tab == frmShow::BackgroundTab ? 1 : 0);
        editor.window.AddSequenceToPlaylist("/unused"); // a step to drop, not to undo
        editor.Undo();
        for (int step = 0; step < test.steps; ++step)
            editor.Undo();
        QCOMPARE(editor.Text(), before);
        QCOMPARE(editor.window.CurrentTabIndex(), test.tab);
        QCOMPARE(editor.Selected(), test.selection);
        QCOMPARE(editor.Get<QListWidget>("lbSequences")->count(), editor.Listed());
        QCOMPARE(editor.window.MyShow()->Monitoring(), monitoring);
        QVERIFY(editor.window.HasUnsavedChanges());

        for (int step = 0; step < test.steps; ++step)
            editor.Redo();
        QCOMPARE(editor.Text(), after);
        QCOMPARE(editor.window.CurrentTabIndex(), test.tab);
        QCOMPARE(editor.Get<QListWidget>("lbSequences")->count(), editor.Listed());
    }

    void NewChange_AfterUndo_DropsTheRedoBranch() {
        Editor editor;
        editor.window.findChild<QTabBar*>()->setCurrentIndex(frmShow::MusicalTab - 1);
        const std::string start = editor.Text();
        editor.Click("opVariant");
        const std::string shuffled = editor.Text();
        editor.Get<QListWidget>("lbSequences")->setCurrentRow(0);
        editor.Click("btDown");
        editor.Undo();
        QCOMPARE(editor.Text(), shuffled);

        editor.Click("chkVariantOption1");
        const std::string latest = editor.Text();
        QCOMPARE(editor.Stack().count(), 2);
        QVERIFY(!editor.Get<QAction>("actionRedo")->isEnabled());
        editor.Redo();
        QCOMPARE(editor.Text(), latest);
        editor.Undo();
        editor.Undo();
        QCOMPARE(editor.Text(), start);
    }

    void FileCommand_StartsOrKeepsTheHistory_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("steps");
        QTest::newRow("New") << "New" << true << QString() << 0;
        QTest::newRow("New answered No") << "New" << false << QString() << 1;
        QTest::newRow("Open") << "Open" << true << "Show.kss" << 0;
        QTest::newRow("Open of a missing file") << "Open" << true << "Missing.kss" << 1;
        QTest::newRow("Save") << "Save" << true << QString() << 1;
    }

    void FileCommand_StartsOrKeepsTheHistory() {
        QFETCH(QString, command);
        QFETCH(bool, answer);
        QFETCH(QString, file);
        QFETCH(int, steps);
        Editor editor;
        editor.window.AddSequenceToPlaylist("C:\\Seq\\y.kas");
        editor.prompts.questionAnswers.enqueue(answer);
        if (!file.isEmpty())
            editor.prompts.openAnswers.enqueue(QStringList{editor.folder.filePath(file)});
        editor.Toolbar(command);
        QCOMPARE(editor.Stack().count(), steps);
        QCOMPARE(editor.Get<QAction>("actionUndo")->isEnabled(), steps > 0);

        // The history goes back no further than the show the command left in the window, and
        // going back is a change even to the state last saved.
        const std::string current = editor.Text();
        editor.window.AddSequenceToPlaylist("C:\\Seq\\z.kas");
        editor.Undo();
        QCOMPARE(editor.Text(), current);
        QVERIFY(editor.window.HasUnsavedChanges());
    }

    void Key_UndoesOrRedoes_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("redo");
        QTest::addColumn<QString>("focus");
        const int ctrl = Qt::ControlModifier;
        const int shift = Qt::ShiftModifier;
        QTest::newRow("Ctrl+Z") << (ctrl | Qt::Key_Z) << false << "lbSequences";
        QTest::newRow("Ctrl+Z in the delay box") << (ctrl | Qt::Key_Z) << false << "txtDelay";
        QTest::newRow("Ctrl+Y") << (ctrl | Qt::Key_Y) << true << "lbSequences";
        QTest::newRow("Ctrl+Shift+Z") << (ctrl | shift | Qt::Key_Z) << true << "lbSequences";
        QTest::newRow("Ctrl+Shift+Z in the cleanup box")
            << (ctrl | shift | Qt::Key_Z) << true << "txtCleanup";
    }

    void Key_UndoesOrRedoes() {
        QFETCH(int, key);
        QFETCH(bool, redo);
        QFETCH(QString, focus);
        Editor editor;
        QVERIFY(editor.active);
        editor.window.findChild<QTabBar*>()->setCurrentIndex(frmShow::MusicalTab - 1);
        const std::string before = editor.Text();
        editor.Click("opVariant");
        const std::string after = editor.Text();
        if (redo)
            editor.Undo();

        auto* target = Child<QWidget>(editor.window, focus);
        target->setFocus();
        const QKeyCombination combination = QKeyCombination::fromCombined(key);
        QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
        QCOMPARE(editor.Text(), redo ? after : before);
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
