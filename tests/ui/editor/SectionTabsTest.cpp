// The section tabs: their setup, the shared list and its editing buttons; the play options panel,
// filled from the show, and the user's changes written back into it.
#include "EditorTestSupport.h"
#include "widgets/UpDown.h"
#include "widgets/WrappingButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include <functional>

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

// A show with options that differ from a new show's wherever they can; back-to-back is
// allowed only when the musical type is 0, so that each shuffle choice shows its own mark.
Show StoredShow(int musicalType, int animationType) {
    Show show;
    show.Startup()->SetLightsOffAtEnd(false);
    show.Main()->SetAnimationType(animationType);
    const PlaylistPtr& musical = show.Musical();
    musical->SetLightsOffAtEnd(false);
    musical->SetMusicalType(musicalType);
    musical->SetShuffleWithReplacement(true);
    musical->SetShuffleAllowsBackToBack(musicalType == 0);
    musical->SetDelay(7);
    musical->SetCleanUp("/seq/Cleanup.kas");
    return show;
}

// An editor on a copy of the show, on the given tab after every other (filled for them before).
struct EditorOn : Editor {
    EditorOn(const Show& show, int tab) {
        this->show() = *ShowFunctions::ShowFromText(ShowFunctions::ShowToText(show));
        for (int other = frmShow::BackgroundTab; other <= frmShow::ShutdownTab; ++other)
            SelectTab(other);
        SelectTab(tab);
    }
};

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
            QCOMPARE(LayoutFaults(*editor.window).join(", "), "");
        }
        // The Musical tab's fixed texts: a control, the property read, the text.
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

    // Filling is no edit; a click writes only its own option, or nothing and then is no edit.
    void FillingAndClicks() {
        // Tab, musical type, animation type: "+" or "-" for lights off, the first play order
        // option and each shuffle choice; the control clicked and its change.
        // clang-format off
        const std::tuple<int, int, int, QString, const char*, std::function<void(Show&)>> cases[] = {
            {2, 1, 1, "-", "chkLightsOffAtEnd", [](Show& s) { s.Startup()->SetLightsOffAtEnd(true); }},
            {6, 1, 1, "+", "chkLightsOffAtEnd", [](Show& s) { s.Shutdown()->SetLightsOffAtEnd(false); }},
            {3, 1, 1, "+-", "opStandard", [](Show& s) { s.Main()->SetAnimationType(2); }},
            {3, 1, 2, "++", "opVariant", [](Show& s) { s.Main()->SetAnimationType(1); }},
            {3, 1, 7, "+-", "opVariant", [](Show& s) { s.Main()->SetAnimationType(1); }},
            {3, 1, 2, "++", "opStandard", {}},
            {4, 1, 1, "-++-", "opVariant", [](Show& s) { s.Musical()->SetMusicalType(2); }},
            {4, 0, 1, "-+++", "opStandard", [](Show& s) { s.Musical()->SetMusicalType(1); }},
            {4, 2, 1, "--+-", "opStandard", [](Show& s) { s.Musical()->SetMusicalType(1); }},
            {4, 2, 1, "--+-", "chkVariantOption1", [](Show& s) { s.Musical()->SetShuffleWithReplacement(false); }},
            {4, 2, 1, "--+-", "chkVariantOption2", [](Show& s) { s.Musical()->SetShuffleAllowsBackToBack(true); }},
            {4, 2, 1, "--+-", "btCleanup", [](Show& s) { s.Musical()->SetCleanUp("/seq/Out.kas"); }}};
        // clang-format on
        for (const auto& [tab, musicalType, animationType, checks, control, change] : cases) {
            Show expected = StoredShow(musicalType, animationType);
            EditorOn editor(expected, tab);
            QString shown;
            for (const char* name :
                 {"chkLightsOffAtEnd", "opStandard", "chkVariantOption1", "chkVariantOption2"})
                shown += editor.Get<QAbstractButton>(name)->isChecked() ? '+' : '-';
            QCOMPARE(shown.left(checks.size()), checks);
            QVERIFY(!editor.window->HasUnsavedChanges() && editor.show() == expected);
            editor.prompts.openAnswers << QStringList{"/seq/Out.kas"};
            editor.Get<QAbstractButton>(control)->click();
            if (change)
                change(expected);
            QVERIFY2(editor.show() == expected, control);
            QCOMPARE(editor.prompts.Dialogs(),
                     QStringList(QString(control) == "btCleanup",
                                 "Select the cleanup file|Animation "
                                 "Sequences|*.kas|1|/home/user/Sequences/||one"));
            QVERIFY2(editor.window->HasUnsavedChanges() == bool(change), control);
            QCOMPARE(editor.Get<QLineEdit>("txtCleanup")->text(),
                     QString::fromStdString(expected.Musical()->CleanUp()));
            for (const char* choice : {"chkVariantOption1", "chkVariantOption2"})
                QCOMPARE(editor.Get<QCheckBox>(choice)->isEnabled(),
                         expected.Musical()->MusicalType() == 2);
        }
    }

    void TypingAndSteps() {
        // The box, its text pasted (or set before a step), the step (up, down, key up or none):
        // the text and the stored value after. The delay is the number the text begins with.
        for (const QString& row : DataLines("editor/typing.txt")) {
            const QStringList field = row.split('\t');
            EditorOn editor(StoredShow(2, 1), frmShow::MusicalTab);
            auto* box = editor.Get<QLineEdit>(qPrintable(field[0]));
            QCOMPARE(box->text(), field[0] == "txtDelay" ? "7" : "/seq/Cleanup.kas");
            // Pasted over, the text is one edit; set, it is where a step starts.
            field[2].isEmpty() ? (box->selectAll(), box->insert(field[1])) : box->setText(field[1]);
            auto* spinner = editor.Get<UpDown>("UpDown1");
            if (field[2] == "key up")
                QTest::keyClick(box, Qt::Key_Up);
            else if (!field[2].isEmpty())
                (field[2] == "up" ? spinner->UpButton() : spinner->DownButton())->click();
            QCOMPARE(box->text(), field[3]);
            const Playlist& musical = *editor.show().Musical();
            QCOMPARE(field[0] == "txtDelay" ? QString::number(musical.Delay())
                                            : QString::fromStdString(musical.CleanUp()),
                     field[4]);
            QCOMPARE(editor.window->HasUnsavedChanges(), field[4] != "7");
        }
    }

    void WrapCheckBox_SecondLineTakesClicks() {
        WrapCheckBox box("Songs can be repeated before all have been played");
        box.setGeometry(0, 0, 120, 40);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(100, 36));
        QVERIFY(box.isChecked());
    }
};

BWSHOW_REGISTER_TEST(SectionTabsTest);

} // namespace bw::test

#include "SectionTabsTest.moc"
