#include "DesktopTestSupport.h"
#include "WhenModal.h"
#include "dialogs/frmChooseGroupType.h"
#include "dialogs/frmInteractiveGroupEditor.h"
#include "dialogs/frmOptions.h"
#include "dialogs/frmTriggeredSequenceEditor.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabBar>
#include <QToolBar>
#include <QTreeWidget>

namespace bw::test {

class KeysTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ToolbarKeys_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QKeySequence>("sequence");
        QTest::newRow("New") << "New" << QKeySequence(QKeySequence::New);
        QTest::newRow("Open") << "Open" << QKeySequence(QKeySequence::Open);
        QTest::newRow("SaveAs") << "SaveAs" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
        QTest::newRow("Help") << "Help" << QKeySequence(QKeySequence::HelpContents);
        QTest::newRow("Exit") << "Exit" << QKeySequence(QKeySequence::Quit);
    }
    // The key runs the command, is named in the tooltip, and Tab reaches the button.
    void ToolbarKeys() {
        QFETCH(QString, key);
        QFETCH(QKeySequence, sequence);
        Window w;
        auto* toolbar = w.Get<QToolBar>("Toolbar1");
        QAction* action = toolbar->findChild<QAction*>(key);
        QVERIFY(action);
        // Some systems have no standard key for a command; it then has none here either.
        if (sequence.isEmpty()) {
            QVERIFY(action->shortcuts().isEmpty());
            return;
        }
        QSignalSpy triggered(action, &QAction::triggered);
        QTest::keySequence(w.Get<QListWidget>("lbSequences"), sequence);
        QCOMPARE(triggered.size(), 1);
        QVERIFY(action->toolTip().endsWith(
            QStringLiteral(" (%1)").arg(sequence.toString(QKeySequence::NativeText))));
        QVERIFY(toolbar->widgetForAction(action)->focusPolicy() & Qt::TabFocus);
    }

    void SectionKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << ctrl << 1 << 2;
        QTest::newRow("Ctrl+Tab round") << int(Qt::Key_Tab) << ctrl << 6 << 1;
        QTest::newRow("Ctrl+Shift+Tab")
            << int(Qt::Key_Backtab) << int(ctrl | Qt::ShiftModifier) << 1 << 6;
        QTest::newRow("Ctrl+PgDown") << int(Qt::Key_PageDown) << ctrl << 3 << 4;
        QTest::newRow("Ctrl+PgUp") << int(Qt::Key_PageUp) << ctrl << 3 << 2;
    }
    void SectionKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, from);
        QFETCH(int, to);
        Window w;
        auto* tabs = w.Get<QTabBar>("tsMain");
        tabs->setCurrentIndex(from - 1);
        auto* list = w.Get<QListWidget>("lbSequences");
        list->setFocus();
        QTest::keyClick(list, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(w.window->CurrentTabIndex(), to);
    }

    void ListKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("selected");
        const QStringList abc{"a", "b", "c"};
        QTest::newRow("Delete, Yes")
            << int(Qt::Key_Delete) << 0 << 1 << true << QStringList{"a", "c"} << -1;
        QTest::newRow("Delete, No") << int(Qt::Key_Delete) << 0 << 1 << false << abc << 1;
        QTest::newRow("Ctrl+Up") << int(Qt::Key_Up) << int(Qt::ControlModifier) << 1 << false
                                 << QStringList{"b", "a", "c"} << 0;
        QTest::newRow("Ctrl+Down") << int(Qt::Key_Down) << int(Qt::ControlModifier) << 1 << false
                                   << QStringList{"a", "c", "b"} << 2;
        QTest::newRow("Ctrl+Up on the first")
            << int(Qt::Key_Up) << int(Qt::ControlModifier) << 0 << false << abc << 0;
    }
    void ListKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, row);
        QFETCH(bool, answer);
        QFETCH(QStringList, entries);
        QFETCH(int, selected);
        Window w;
        w.Fill(frmShow::AnimationTab, {"/s/a.kas", "/s/b.kas", "/s/c.kas"});
        auto* list = w.Get<QListWidget>("lbSequences");
        list->setCurrentRow(row);
        w.prompts.questionAnswers.enqueue(answer);
        QTest::keyClick(list, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

        QStringList shown, held;
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        for (const std::string& file : w.window->MyShow()->Main()->List())
            held << QString::fromStdString(file).mid(3, 1);
        QCOMPARE(shown, entries);
        QCOMPARE(held, entries);
        const auto rows = list->selectionModel()->selectedRows();
        QCOMPARE(rows.isEmpty() ? -1 : rows.first().row(), selected);
        QCOMPARE(w.window->HasUnsavedChanges(), entries != QStringList({"a", "b", "c"}));
        QCOMPARE(w.prompts.Of(ScriptedPrompts::Kind::Question).size(),
                 key == Qt::Key_Delete ? 1 : 0);
    }

    void EditKeys_data() {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("Enter") << false;
        QTest::newRow("double-click") << true;
    }
    // Enter and a double-click edit the group in the main window and the trigger entry in the
    // group editor; Delete there asks the group editor's question.
    void EditKeys() {
        QFETCH(bool, doubleClick);
        Window w;
        auto group = std::make_shared<InteractiveGroup>();
        group->SetName("G");
        group->AddTriggeredSequences(TriggeredSequencesFunctions::NewTriggeredSequences(
            TriggerFunctions::NewTrigger(0, 1, 1, "T"), {"/s/a.kas"}));
        w.window->MyShow()->InteractiveGroups()->push_back(group);
        w.Get<QTabBar>("tsMain")->setCurrentIndex(frmShow::InteractiveTab - 1);
        auto press = [doubleClick](QAbstractItemView& list) {
            list.setCurrentIndex(list.model()->index(0, 0));
            if (doubleClick)
                QTest::mouseDClick(list.viewport(), Qt::LeftButton, {},
                                   list.visualRect(list.currentIndex()).center());
            else
                QTest::keyClick(&list, Qt::Key_Return);
        };
        auto groupEditor = std::make_shared<bool>(false);
        auto entryEditor = std::make_shared<bool>(false);
        WhenModal<frmInteractiveGroupEditor>(
            [&](frmInteractiveGroupEditor& editor) {
                auto* triggers = editor.findChild<QListWidget*>(QStringLiteral("lbTrigger"));
                WhenModal<frmTriggeredSequenceEditor>([](auto&) {}, entryEditor);
                press(*triggers);
                w.prompts.questionAnswers.enqueue(false);
                QTest::keyClick(triggers, Qt::Key_Delete);
            },
            groupEditor);
        press(*w.Get<QListWidget>("lbSequences"));
        QVERIFY(*groupEditor);
        QVERIFY(*entryEditor);
        QCOMPARE(w.prompts.Of(ScriptedPrompts::Kind::Question).value(0).text,
                 QStringLiteral("Remove this triggered sequence from the Jukebox?"));
    }

    // The triggered sequence editor: Delete removes without a question, Ctrl+Down moves.
    void EntryEditorKeys() {
        Host host;
        frmTriggeredSequenceEditor editor(host);
        editor.SetTS(TriggeredSequencesFunctions::NewTriggeredSequences(
            TriggerFunctions::NewTrigger(0, 1, 1, "T"), {"/s/a.kas", "/s/b.kas", "/s/c.kas"}));
        editor.show();
        auto* list = editor.findChild<QTreeWidget*>(QStringLiteral("lvSequences"));
        list->setCurrentItem(list->topLevelItem(0));
        QTest::keyClick(list, Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("b.kas"));
        QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("c.kas"));
        QVERIFY(host.prompts.prompts.isEmpty());
    }

    void AccessKeysDiffer_data() {
        QTest::addColumn<int>("dialog");
        QTest::newRow("show options") << 0;
        QTest::newRow("group type chooser") << 1;
        QTest::newRow("group editor") << 2;
        QTest::newRow("triggered sequence editor") << 3;
    }
    // No two captions of a dialog share an access key, so that each one reaches its control.
    void AccessKeysDiffer() {
        QFETCH(int, dialog);
        Host host;
        std::unique_ptr<QDialog> form;
        if (dialog == 0)
            form = std::make_unique<frmOptions>(host);
        else if (dialog == 1)
            form = std::make_unique<frmChooseGroupType>(host);
        else if (dialog == 2)
            form = std::make_unique<frmInteractiveGroupEditor>(host);
        else
            form = std::make_unique<frmTriggeredSequenceEditor>(host);
        form->show();
        QStringList captions;
        for (auto* button : form->findChildren<QAbstractButton*>())
            captions << button->text();
        for (auto* label : form->findChildren<QLabel*>())
            captions << label->text();
        for (auto* frame : form->findChildren<QGroupBox*>())
            captions << frame->title();
        QStringList keys;
        for (const QString& caption : captions) {
            const qsizetype amp = caption.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
            if (amp < 0)
                continue;
            const QString key = caption.mid(amp + 1, 1).toLower();
            QVERIFY2(!keys.contains(key), qPrintable(caption));
            keys << key;
        }
        QVERIFY(!keys.isEmpty());
    }
};

int RunKeysTest(int argc, char** argv) {
    KeysTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace bw::test

#include "KeysTest.moc"
