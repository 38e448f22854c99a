// The section tabs: their setup, the shared list and its editing buttons.
#include "EditorTestSupport.h"
#include "editor/UpDown.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolButton>

namespace bw::test {

namespace {

PlaylistPtr PlaylistOf(const Show& show, int tab) {
    const PlaylistPtr playlists[] = {show.Background(), show.Startup(), show.Main(),
                                     show.Musical(),    nullptr,        show.Shutdown()};
    return playlists[tab - 1];
}

// The entries of the tab's section: group names, or the file names without folder and extension.
QStringList Section(const Show& show, int tab) {
    QStringList names;
    if (tab == frmShow::InteractiveTab)
        for (const auto& group : *show.InteractiveGroups())
            names << QString::fromStdString(group->Name());
    else
        for (const std::string& file : PlaylistOf(show, tab)->List())
            names << QString::fromStdString(file)
                         .section(QRegularExpression("[/\\\\]"), -1)
                         .section('.', 0, 0);
    return names;
}

// Fills the tab's section with entries of these names and sets the tab up.
void FillSection(Editor& editor, int tab, const QStringList& names) {
    for (const QString& name : names) {
        if (tab != frmShow::InteractiveTab) {
            PlaylistOf(editor.show(), tab)->List().push_back("/seq/" + name.toStdString() + ".kas");
            continue;
        }
        auto group = std::make_shared<InteractiveGroup>();
        group->SetName(name.toStdString());
        group->SetLightsOffAtEnd(name == "a");
        group->AddTriggeredSequences(TriggeredSequencesFunctions::NewTriggeredSequences(
            TriggerFunctions::NewTrigger(0, 1, 1, ""), {"x.kas"}));
        editor.show().InteractiveGroups()->push_back(group);
    }
    editor.SelectTab(tab);
    editor.window->ShowCurrentTab();
}

// Which of Add, Remove, Up, Down and Edit are enabled, as "+" or "-".
QString ListButtons(const Editor& editor) {
    QString enabled;
    for (const char* name : {"btAdd", "btRemove", "btUp", "btDown", "btEdit"})
        enabled += editor.Get(name)->isEnabled() ? '+' : '-';
    return enabled;
}

} // namespace

class SectionTabsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TabSetup() {
        QFile texts(BWSHOW_TEST_DATA "/editor/tabs.txt");
        QVERIFY(texts.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(texts.readAll()).split('\n');
        for (int tab = 1; tab <= 6; ++tab) {
            // Tab caption, tool tip, title, instructions, play order captions; "\n" for a break.
            const QStringList line = QString(lines[tab - 1]).replace("\\n", "\n").split('|');
            Editor editor;
            editor.ShowWindow();
            editor.SelectTab(tab == 4 ? 3 : 4); // from another tab, so that all is set anew
            editor.SelectTab(tab);
            const auto* tabs = editor.Get<QTabBar>("tsMain");
            QStringList shown{tabs->tabText(tab - 1), tabs->tabToolTip(tab - 1),
                              editor.Get<QLabel>("lblTabDescription")->text(),
                              editor.Get<QLabel>("lblTabInstructions")->text()};
            for (const char* option : {"opStandard", "opVariant"})
                if (editor.Get<QRadioButton>(option)->isVisible())
                    shown << editor.Get<QRadioButton>(option)->text();
            QCOMPARE(shown, line);
            QVERIFY(editor.Get<QLabel>("lblTabDescription")->font().bold());
            // Visible: lights off, the shuffle options, delay and cleanup, Up, Edit.
            QString visible;
            for (const char* name : {"chkLightsOffAtEnd", "chkVariantOption1", "chkVariantOption2",
                                     "frameDelay", "frameCleanup", "btUp", "btDown", "btEdit"})
                visible += editor.Get<QWidget>(name)->isVisible() ? '+' : '-';
            const char* expected[] = {"-----++-", "+----++-", "+----++-",
                                      "+++++++-", "+------+", "+----++-"};
            QCOMPARE(visible, expected[tab - 1]);
            // The delay spinner's two arrows share it between them, one above the other.
            const auto& spinner = *editor.Get<UpDown>("UpDown1");
            const QRect up = spinner.UpButton()->geometry(),
                        down = spinner.DownButton()->geometry();
            QVERIFY(tab != 4 || (up.united(down) == spinner.rect() && up.bottom() < down.top()));
            const bool interactive = tab == frmShow::InteractiveTab;
            QCOMPARE(editor.Get("btAdd")->toolTip(),
                     interactive ? "Add an interactive group" : "Add a sequence");
            QCOMPARE(editor.Get("btRemove")->toolTip(),
                     interactive ? "Remove the interactive group" : "Remove a sequence");
            QCOMPARE(editor.Get<QCheckBox>("chkLightsOffAtEnd")->isEnabled(), !interactive);
            QCOMPARE(ListButtons(editor), "+----");
            QVERIFY(!editor.window->HasUnsavedChanges());
            QVERIFY2(LayoutFaults(*editor.window).isEmpty(),
                     qPrintable(LayoutFaults(*editor.window).join(", ")));
        }
    }

    // Going back to a tab refills the list from the show and clears the selection.
    void TabSetup_RefillsTheListFromTheShow() {
        Editor editor;
        FillSection(editor, frmShow::AnimationTab, {"b", "a"});
        editor.List()->setCurrentRow(1);
        editor.show().Main()->List().push_back("C:\\My.Seq\\c");
        editor.SelectTab(frmShow::MusicalTab);
        editor.SelectTab(frmShow::AnimationTab);
        QCOMPARE(editor.Entries(), (QStringList{"b", "a", "My"}));
        QCOMPARE(editor.Selected(), -1);
        QVERIFY(!editor.window->HasUnsavedChanges());
    }

    void ListButtons_FollowSelection() {
        // Tab, entries, selected: Add, Remove, Up, Down, Edit.
        const std::tuple<int, int, int, QString> cases[] = {
            {2, 1, 0, "++--+"},  {3, 3, 0, "++-++"}, {4, 3, 1, "+++++"}, {6, 3, 2, "+++-+"},
            {1, 3, -1, "+----"}, {5, 2, 1, "+++-+"}, {5, 2, -1, "+----"}};
        for (const auto& [tab, count, selected, enabled] : cases) {
            Editor editor;
            FillSection(editor, tab, QStringList{"a", "b", "c"}.mid(0, count));
            editor.List()->setCurrentRow(selected);
            QCOMPARE(ListButtons(editor), enabled);
        }
    }

    void Add_AppendsTheChosenFiles() {
        const QString all =
            "All Sequences|*.kas;*.kms|Animation Sequences|*.kas|Musical Sequences|*.kms|";
        const QString animation = "Animation Sequences|*.kas|";
        // Tab, files chosen (none: cancelled), filter and index of the dialog.
        const std::tuple<int, QStringList, QString> cases[] = {
            {1, {"C:\\Seq\\a.kas", "C:\\Seq\\b.kms"}, animation + "1"},
            {2, {"C:\\a.kas", "C:\\b.kms"}, all + "1"},
            {3, {"C:\\Seq\\a.kas", "C:\\Seq\\b.kms"}, animation + "1"},
            {4, {"C:\\Seq\\a.kas", "C:\\Seq\\b.kms"}, all + "3"},
            {6, {"/seq/first.kas"}, all + "1"},
            {1, {}, animation + "1"}};
        for (const auto& [tab, chosen, filter] : cases) {
            Editor editor;
            FillSection(editor, tab, {"first"});
            editor.List()->setCurrentRow(0);
            editor.prompts.openAnswers.enqueue(chosen.isEmpty() ? std::nullopt
                                                                : std::optional(chosen));
            editor.Get("btAdd")->click();
            QCOMPARE(editor.prompts.Dialogs(),
                     QStringList{"Select one or more sequences files|" + filter +
                                 "|/home/user/Sequences/||multiple"});
            // Any extension is taken on any tab, appended in the dialog's order; nothing else
            // changes.
            Show expected;
            PlaylistOf(expected, tab)->List() = {"/seq/first.kas"};
            for (const QString& file : chosen)
                PlaylistOf(expected, tab)->List().push_back(file.toStdString());
            QVERIFY(editor.show() == expected);
            QCOMPARE(editor.Entries(), Section(expected, tab));
            QCOMPARE(editor.Selected(), 0);
            QCOMPARE(editor.window->HasUnsavedChanges(), !chosen.isEmpty());
        }
    }

    void RemoveAndMove_ListAndSectionInStep() {
        // Tab, button, selected, answer to the question: entries after, selection, buttons.
        const std::tuple<int, const char*, int, bool, QStringList, int, QString> cases[] = {
            {3, "btRemove", 1, true, {"a", "c", "d"}, -1, "+----"},
            {6, "btRemove", 1, false, {"a", "b", "c", "d"}, 1, "+++++"},
            {5, "btRemove", 1, true, {"a", "c", "d"}, -1, "+----"},
            {5, "btRemove", 1, false, {"a", "b", "c", "d"}, 1, "+++++"},
            {2, "btUp", 1, false, {"b", "a", "c", "d"}, 0, "++-++"},
            {2, "btUp", 3, false, {"a", "b", "d", "c"}, 2, "+++++"},
            {2, "btDown", 0, false, {"b", "a", "c", "d"}, 1, "+++++"},
            {2, "btDown", 2, false, {"a", "b", "d", "c"}, 3, "+++-+"}};
        for (const auto& [tab, button, selected, answer, entries, selectedAfter, buttons] : cases) {
            Editor editor;
            FillSection(editor, tab, {"a", "b", "c", "d"});
            // A named, unchanged show, so that the Save button shows the edit.
            editor.prompts.saveAnswers.enqueue(QDir::tempPath() + "/bwshow-section-test.kss");
            editor.Click("SaveAs");
            QFile::remove(QDir::tempPath() + "/bwshow-section-test.kss");
            editor.prompts.prompts.clear();
            editor.List()->setCurrentRow(selected);
            editor.prompts.questionAnswers.enqueue(answer);
            editor.Get(button)->click();
            const QString removal = tab == 5 ? "interactive group" : "sequence";
            QCOMPARE(editor.prompts.Said(), button == std::string("btRemove")
                                                ? QStringList{"Remove sequence: Remove this " +
                                                              removal + " from the show?"}
                                                : QStringList());
            QCOMPARE(editor.Entries(), entries);
            QCOMPARE(Section(editor.show(), tab), entries);
            QCOMPARE(editor.Selected(), selectedAfter);
            QCOMPARE(ListButtons(editor), buttons);
            QCOMPARE(editor.SaveEnabled(), (entries != QStringList{"a", "b", "c", "d"}));
        }
    }

    void Interactive_LightsOffAddAndEdit() {
        Editor editor;
        editor.ShowWindow();
        FillSection(editor, frmShow::InteractiveTab, {"a", "b"}); // lights off in "a" only
        auto* box = editor.Get<QCheckBox>("chkLightsOffAtEnd");
        editor.List()->setCurrentRow(1);
        QVERIFY(box->isEnabled() && !box->isChecked());
        editor.List()->setCurrentRow(0);
        QVERIFY(box->isChecked());
        box->click();
        QVERIFY(!editor.show().InteractiveGroups()->at(0)->LightsOffAtEnd());
        QVERIFY(editor.show().Startup()->LightsOffAtEnd());
        QVERIFY(editor.window->HasUnsavedChanges());

        QStringList seen;
        WhenModal([&](QWidget& dialog) {
            seen
                << dialog.windowTitle()
                << (dialog.findChild<QRadioButton*>("opNonIndependentNonInterruptible")->isChecked()
                        ? "Jukebox"
                        : "");
            qobject_cast<QDialog*>(&dialog)->reject();
        });
        editor.Get("btAdd")->click();
        editor.List()->setCurrentRow(1);
        WhenModal([&](QWidget& dialog) {
            auto* name = dialog.findChild<QLineEdit*>("txtName");
            seen << name->text();
            name->setText("Changed"); // thrown away by Cancel
            // What changes in the show while a dialog is open is listed when it closes.
            editor.show().InteractiveGroups()->at(0)->SetName("c");
            qobject_cast<QDialog*>(&dialog)->reject();
        });
        editor.Get("btEdit")->click();
        QCOMPARE(seen, (QStringList{"Interactive Group -- Choose a type", "Jukebox", "b"}));
        QCOMPARE(Section(editor.show(), frmShow::InteractiveTab), (QStringList{"c", "b"}));
        QCOMPARE(editor.Entries(), (QStringList{"c", "b"}));
        // After removing the group, the box waits again for a selection.
        editor.prompts.questionAnswers.enqueue(true);
        editor.Get("btRemove")->click();
        QVERIFY(!box->isEnabled() && !box->isChecked());
    }
};

BWSHOW_REGISTER_TEST(SectionTabsTest);

} // namespace bw::test

#include "SectionTabsTest.moc"
