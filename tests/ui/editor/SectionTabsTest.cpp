// The section tabs: their setup, the shared list and its editing buttons.
#include "EditorTestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace bw::test {

namespace {

// The entries of a tab for letters: "/seq/<letter>.kas" files, or groups named by the letters.
std::vector<std::string> Names(int tab, const QString& letters) {
    std::vector<std::string> names;
    for (const QChar letter : letters)
        names.push_back(tab == frmShow::InteractiveTab
                            ? QString(letter).toStdString()
                            : "/seq/" + QString(letter).toStdString() + ".kas");
    return names;
}

} // namespace

class SectionTabsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TabSetup() {
        const QStringList lines = DataLines("editor/tabs.txt");
        for (int tab = 1; tab <= 6; ++tab) {
            Editor editor;
            editor.ShowWindow();
            editor.SelectTab(tab == 4 ? 3 : 4); // from another tab, so that all is set anew
            editor.SelectTab(tab);
            // Texts, which option controls and buttons are shown, the play order captions.
            const auto* tabs = editor.Get<QTabBar>("tsMain");
            QStringList shown{tabs->tabText(tab - 1), tabs->tabToolTip(tab - 1)};
            for (const char* label : {"lblTabDescription", "lblTabInstructions"})
                shown << editor.Get<QLabel>(label)->text();
            shown << editor.Get("btAdd")->toolTip() << editor.Get("btRemove")->toolTip() << "";
            for (const char* name : {"chkLightsOffAtEnd", "chkVariantOption1", "chkVariantOption2",
                                     "frameDelay", "frameCleanup", "btUp", "btDown", "btEdit"})
                shown.last() += editor.Get<QWidget>(name)->isVisible() ? '+' : '-';
            for (const char* option : {"opStandard", "opVariant"})
                if (editor.Get<QRadioButton>(option)->isVisible())
                    shown << editor.Get<QRadioButton>(option)->text();
            QCOMPARE(shown, QString(lines[tab - 1]).replace("\\n", "\n").split('|'));
            QVERIFY(editor.Get<QLabel>("lblTabDescription")->font().bold());
            QVERIFY2(LayoutFaults(*editor.window).isEmpty(),
                     qPrintable(LayoutFaults(*editor.window).join(", ")));
        }
    }

    // The Musical tab's fixed texts, from tests/data/editor/musical-texts.txt: a control, the
    // property read, the text.
    void MusicalTexts() {
        Editor editor;
        editor.SelectTab(frmShow::MusicalTab);
        for (const QString& row : DataLines("editor/musical-texts.txt")) {
            const QStringList field = row.split('\t');
            const QWidget* control = editor.Get<QWidget>(qPrintable(field[0]));
            QCOMPARE(control->property(qPrintable(field[1])).toString(), field[2]);
        }
    }

    // Add, Remove, Up and Down keep the list and the section in step.
    void ListCommands() {
        // Tab, button, selected row: entries (added ones chosen, removals confirmed), selection
        // and enabled buttons after, the prompt.
        for (const QString& row : DataLines("editor/list-commands.txt")) {
            const QStringList field = row.split('\t');
            const int tab = field[0].toInt(), selected = field[2].toInt();
            const QString &button = field[1], &entries = field[3], &prompt = field[6];
            Editor editor;
            editor.Fill(tab, Names(tab, "abcd"));
            Show expected;
            FillShow(expected, tab, Names(tab, entries));
            editor.Select(selected);
            editor.prompts.questionAnswers.enqueue(entries != "abcd");
            QStringList chosen;
            for (const QChar name : entries.mid(4))
                chosen << "/seq/" + QString(name) + ".kas";
            editor.prompts.openAnswers.enqueue(chosen);
            editor.Get(qPrintable(button))->click();
            QCOMPARE((editor.prompts.Said() + editor.prompts.Dialogs()).join(""), prompt);
            QVERIFY(editor.show() == expected);
            QCOMPARE(editor.Entries().join(""), entries);
            QCOMPARE(editor.Selected(), field[4].toInt());
            QString enabled;
            for (const char* name : {"btAdd", "btRemove", "btUp", "btDown", "btEdit"})
                enabled += editor.Get(name)->isEnabled() ? '+' : '-';
            QCOMPARE(enabled, field[5]);
            QCOMPARE(editor.window->HasUnsavedChanges(), entries != "abcd");
        }
    }

    // Leaving the Musical section, by a click or by Ctrl+Tab, from a box that the next section
    // hides gives the keyboard to the list.
    void TabChange_FromHiddenBox_FocusesTheList() {
        for (const char* name : {"txtDelay", "txtCleanup"}) {
            for (const bool byKey : {false, true}) {
                Editor editor;
                editor.ShowWindow();
                QApplication::setActiveWindow(editor.window.get());
                editor.SelectTab(frmShow::MusicalTab);
                auto* box = editor.Get<QLineEdit>(name);
                box->setFocus();
                QCOMPARE(QApplication::focusWidget(), box);
                if (byKey)
                    QTest::keyClick(box, Qt::Key_Tab, Qt::ControlModifier);
                else
                    editor.SelectTab(frmShow::AnimationTab);
                QCOMPARE(editor.window->CurrentTabIndex(), byKey ? 5 : 3);
                QCOMPARE(QApplication::focusWidget(), editor.List());
            }
        }
    }

    // A group's lights off box follows the selected group; Add asks for the group's type.
    void InteractiveGroups() {
        Editor editor;
        editor.Fill(frmShow::InteractiveTab, {"a", "b"});
        auto* box = editor.Get<QCheckBox>("chkLightsOffAtEnd");
        editor.Select(1);
        QVERIFY(box->isEnabled() && !box->isChecked());
        editor.Select(0);
        box->click();
        QVERIFY(!box->isChecked() && !editor.show().InteractiveGroups()->at(0)->LightsOffAtEnd());
        QVERIFY(editor.show().Startup()->LightsOffAtEnd() && editor.window->HasUnsavedChanges());
        QString chooser;
        WhenModal([&](QWidget& dialog) { chooser = dialog.windowTitle(); });
        editor.Get("btAdd")->click();
        QCOMPARE(chooser, "Interactive Group -- Choose a type");
        // After removing the group, the box waits again for a selection.
        editor.prompts.questionAnswers.enqueue(true);
        editor.Get("btRemove")->click();
        QVERIFY(!box->isEnabled() && !box->isChecked());
    }
};

BWSHOW_REGISTER_TEST(SectionTabsTest);

} // namespace bw::test

#include "SectionTabsTest.moc"
