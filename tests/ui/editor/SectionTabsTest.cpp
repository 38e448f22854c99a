// The section tabs: their setup, the shared list and its editing buttons.
#include "EditorTestSupport.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace bw::test {

namespace {

PlaylistPtr PlaylistOf(const Show& show, int tab) {
    const PlaylistPtr playlists[] = {show.Background(), show.Startup(), show.Main(),
                                     show.Musical(),    nullptr,        show.Shutdown()};
    return playlists[tab - 1];
}

// The section's entry names, from the show: groups on the Interactive tab, file names elsewhere.
QStringList Section(const Show& show, int tab) {
    QStringList names;
    if (tab == frmShow::InteractiveTab)
        for (const auto& group : *show.InteractiveGroups())
            names << QString::fromStdString(group->Name());
    else
        for (const std::string& file : PlaylistOf(show, tab)->List())
            names << QString::fromStdString(file).section('/', -1).section('.', 0, 0);
    return names;
}

// Fills the tab's section with entries of these names and sets the tab up.
void FillSection(Editor& editor, int tab, const QStringList& names) {
    const Show& show = *editor.window->MyShow();
    for (const QString& name : names) {
        if (tab != frmShow::InteractiveTab) {
            PlaylistOf(show, tab)->List().push_back("/seq/" + name.toStdString() + ".kas");
            continue;
        }
        auto group = std::make_shared<InteractiveGroup>();
        group->SetName(name.toStdString());
        group->SetLightsOffAtEnd(name == "a");
        show.InteractiveGroups()->push_back(group);
    }
    editor.SelectTab(tab);
    editor.window->ShowCurrentTab();
}

// Enabled states of Add, Remove, Up, Down and Edit.
QList<bool> ListButtons(const Editor& editor) {
    QList<bool> enabled;
    for (const char* name : {"btAdd", "btRemove", "btUp", "btDown", "btEdit"})
        enabled << editor.Get(name)->isEnabled();
    return enabled;
}

} // namespace

class SectionTabsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TabSetup_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("lightsOff");
        QTest::addColumn<QString>("standard"); // empty: the play order options are hidden
        QTest::addColumn<QString>("variant");
        QTest::newRow("Background") << 1 << false << ""
                                    << "";
        QTest::newRow("Startup") << 2 << true << ""
                                 << "";
        QTest::newRow("Animation") << 3 << true << "Play concurrently"
                                   << "Play sequentially";
        QTest::newRow("Musical") << 4 << true << "Play in order"
                                 << "Shuffle";
        QTest::newRow("Interactive") << 5 << true << ""
                                     << "";
        QTest::newRow("Shutdown") << 6 << true << ""
                                  << "";
    }
    void TabSetup() {
        QFETCH(int, tab);
        QFETCH(bool, lightsOff);
        QFETCH(QString, standard);
        QFETCH(QString, variant);
        QFile texts(BWSHOW_TEST_DATA "/editor/tabs.txt");
        QVERIFY(texts.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList line = QString::fromUtf8(texts.readAll()).split('\n')[tab - 1].split('|');

        Editor editor;
        editor.ShowWindow();
        // From another tab, so that every caption must be set anew.
        editor.SelectTab(tab == 4 ? 3 : 4);
        editor.SelectTab(tab);
        const auto* tabs = editor.Get<QTabBar>("tsMain");
        QCOMPARE(tabs->tabText(tab - 1), line[0]);
        QCOMPARE(tabs->tabToolTip(tab - 1), line[1]);
        QCOMPARE(editor.Get<QLabel>("lblTabDescription")->text(), line[2]);
        QCOMPARE(editor.Get<QLabel>("lblTabInstructions")->text(),
                 QString(line[3]).replace("\\n", "\n"));
        QVERIFY(editor.Get<QLabel>("lblTabDescription")->font().bold());

        const bool interactive = tab == frmShow::InteractiveTab,
                   musical = tab == frmShow::MusicalTab;
        auto* lightsOffBox = editor.Get<QCheckBox>("chkLightsOffAtEnd");
        QCOMPARE(lightsOffBox->isVisible(), lightsOff);
        QCOMPARE(lightsOffBox->isEnabled(), !interactive); // there it waits for a selected group
        QCOMPARE(editor.Get<QRadioButton>("opStandard")->isVisible(), !standard.isEmpty());
        QCOMPARE(editor.Get<QRadioButton>("opVariant")->isVisible(), !variant.isEmpty());
        if (!standard.isEmpty()) {
            QCOMPARE(editor.Get<QRadioButton>("opStandard")->text(), standard);
            QCOMPARE(editor.Get<QRadioButton>("opVariant")->text(), variant);
        }
        for (const char* name :
             {"chkVariantOption1", "chkVariantOption2", "frameDelay", "frameCleanup"})
            QVERIFY2(editor.Get<QWidget>(name)->isVisible() == musical, name);
        QVERIFY(editor.Get("btUp")->isVisible() != interactive);
        QVERIFY(editor.Get("btEdit")->isVisible() == interactive);
        QCOMPARE(editor.Get("btAdd")->toolTip(),
                 interactive ? "Add an interactive group" : "Add a sequence");
        QCOMPARE(editor.Get("btRemove")->toolTip(),
                 interactive ? "Remove the interactive group" : "Remove a sequence");
        QCOMPARE(ListButtons(editor), (QList<bool>{true, false, false, false, false}));
        QVERIFY(!editor.window->HasUnsavedChanges());
        // Whatever the tab shows, nothing is cut off or hidden behind another control.
        QVERIFY2(LayoutFaults(*editor.window).isEmpty(),
                 qPrintable(LayoutFaults(*editor.window).join(", ")));
        QCOMPARE(editor.window->minimumSize(), editor.window->maximumSize());
    }

    void TabSetup_ListsTheSectionInShowOrder() {
        Editor editor;
        const ShowPtr show = editor.window->MyShow();
        show->Background()->List() = {"C:\\Shows\\Seq\\Intro Part 2.kas", "Snow.kas"};
        show->Startup()->List() = {"/seq/Lights On.kas", "C:\\My.Seq\\Intro"};
        show->Main()->List() = {"/seq/b.kas", "/seq/a.kas", "/seq/b.kas"};
        FillSection(editor, frmShow::InteractiveTab, {"Front door", "Ghost"});
        const QStringList expected[] = {{"Intro Part 2", "Snow"}, {"Lights On", "My"},
                                        {"b", "a", "b"},          {},
                                        {"Front door", "Ghost"},  {}};
        for (int tab = frmShow::BackgroundTab; tab <= frmShow::ShutdownTab; ++tab) {
            editor.SelectTab(tab);
            QCOMPARE(editor.Entries(), expected[tab - 1]);
        }
        // Going back to a tab refills the list from the show and clears the selection.
        editor.SelectTab(frmShow::AnimationTab);
        editor.Select(1);
        show->Main()->List().push_back("/seq/c.kas");
        editor.SelectTab(frmShow::MusicalTab);
        editor.SelectTab(frmShow::AnimationTab);
        QCOMPARE(editor.Entries(), (QStringList{"b", "a", "b", "c"}));
        QCOMPARE(editor.Selected(), -1);
        QVERIFY(!editor.window->HasUnsavedChanges());
    }

    void ListButtons_FollowSelection_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QList<bool>>("enabled"); // Add, Remove, Up, Down, Edit
        QTest::newRow("only entry") << 2 << 1 << 0 << QList<bool>{true, true, false, false, true};
        QTest::newRow("first") << 3 << 3 << 0 << QList<bool>{true, true, false, true, true};
        QTest::newRow("middle") << 4 << 3 << 1 << QList<bool>{true, true, true, true, true};
        QTest::newRow("last") << 6 << 3 << 2 << QList<bool>{true, true, true, false, true};
        QTest::newRow("none") << 1 << 3 << -1 << QList<bool>{true, false, false, false, false};
        QTest::newRow("group") << 5 << 2 << 1 << QList<bool>{true, true, true, false, true};
        QTest::newRow("no group") << 5 << 2 << -1 << QList<bool>{true, false, false, false, false};
    }
    void ListButtons_FollowSelection() {
        QFETCH(int, tab);
        QFETCH(int, count);
        QFETCH(int, selected);
        QFETCH(QList<bool>, enabled);
        Editor editor;
        FillSection(editor, tab, QStringList{"a", "b", "c"}.mid(0, count));
        editor.Select(selected);
        QCOMPARE(ListButtons(editor), enabled);
    }

    void Add_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("chosen"); // empty: the dialog is cancelled
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("filterIndex");
        QTest::addColumn<QStringList>("entries");
        const QString animation = "Animation Sequences|*.kas";
        const QString all =
            "All Sequences|*.kas;*.kms|Animation Sequences|*.kas|Musical Sequences|*.kms";
        const QStringList two{"C:\\Seq\\a.kas", "C:\\Seq\\b.kms"};
        const QStringList added{"first", "a", "b"};
        QTest::newRow("Background") << 1 << two << animation << 1 << added;
        QTest::newRow("Startup") << 2 << two << all << 1 << added;
        QTest::newRow("Animation") << 3 << two << animation << 1 << added;
        QTest::newRow("Musical") << 4 << two << all << 3 << added;
        QTest::newRow("Shutdown") << 6 << two << all << 1 << added;
        QTest::newRow("root folder")
            << 1 << QStringList{"C:\\a.kas", "C:\\b.kas"} << animation << 1 << added;
        QTest::newRow("same file again") << 1 << QStringList{"/seq/first.kas"} << animation << 1
                                         << QStringList{"first", "first"};
        QTest::newRow("cancelled") << 1 << QStringList{} << animation << 1 << QStringList{"first"};
    }
    void Add() {
        QFETCH(int, tab);
        QFETCH(QStringList, chosen);
        QFETCH(QString, filter);
        QFETCH(int, filterIndex);
        QFETCH(QStringList, entries);
        Editor editor;
        FillSection(editor, tab, {"first"});
        editor.Select(0);
        editor.prompts.openAnswers.enqueue(chosen.isEmpty() ? std::nullopt : std::optional(chosen));
        editor.Get("btAdd")->click();

        const FileDialogRequest request = editor.prompts.Of(Kind::OpenFiles).value(0).request;
        QCOMPARE(request.title, QStringLiteral("Select one or more sequences files"));
        QCOMPARE(request.filter, filter);
        QCOMPARE(request.filterIndex, filterIndex);
        QCOMPARE(request.startFolder, QStringLiteral("/home/user/Sequences/"));
        QVERIFY(request.multiple && request.fileName.isEmpty());
        // Any extension is taken on any tab, appended in the dialog's order; nothing else changes.
        Show expected;
        PlaylistOf(expected, tab)->List() = Strings(QStringList{"/seq/first.kas"} + chosen);
        QVERIFY(*editor.window->MyShow() == expected);
        QCOMPARE(editor.Entries(), entries);
        QCOMPARE(editor.Selected(), 0);
        QCOMPARE(editor.window->HasUnsavedChanges(), !chosen.isEmpty());
    }

    void Remove_AfterQuestion_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("answer");
        QTest::newRow("sequence, Yes") << int(frmShow::AnimationTab) << true;
        QTest::newRow("sequence, No") << int(frmShow::ShutdownTab) << false;
        QTest::newRow("group, Yes") << int(frmShow::InteractiveTab) << true;
        QTest::newRow("group, No") << int(frmShow::InteractiveTab) << false;
    }
    void Remove_AfterQuestion() {
        QFETCH(int, tab);
        QFETCH(bool, answer);
        Editor editor;
        FillSection(editor, tab, {"a", "b", "c"});
        editor.Select(1);
        editor.prompts.questionAnswers.enqueue(answer);
        editor.Get("btRemove")->click();

        QCOMPARE(editor.prompts.prompts.size(), 1);
        QCOMPARE(editor.prompts.prompts[0].text,
                 tab == frmShow::InteractiveTab ? "Remove this interactive group from the show?"
                                                : "Remove this sequence from the show?");
        QCOMPARE(editor.prompts.prompts[0].title, QStringLiteral("Remove sequence"));
        const QStringList expected = answer ? QStringList{"a", "c"} : QStringList{"a", "b", "c"};
        QCOMPARE(editor.Entries(), expected);
        QCOMPARE(Section(*editor.window->MyShow(), tab), expected);
        QCOMPARE(editor.window->HasUnsavedChanges(), answer);
        // After a removal nothing is selected; a No keeps the selection.
        QCOMPARE(editor.Selected(), answer ? -1 : 1);
        QCOMPARE(editor.Get("btRemove")->isEnabled(), !answer);
    }

    void MoveUpDown_ListAndPlaylistInStep_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QList<bool>>("enabled"); // Add, Remove, Up, Down, Edit
        QTest::newRow("second up") << 1 << "btUp" << QStringList{"b", "a", "c", "d"}
                                   << QList<bool>{true, true, false, true, true};
        QTest::newRow("last up") << 3 << "btUp" << QStringList{"a", "b", "d", "c"}
                                 << QList<bool>{true, true, true, true, true};
        QTest::newRow("first down") << 0 << "btDown" << QStringList{"b", "a", "c", "d"}
                                    << QList<bool>{true, true, true, true, true};
        QTest::newRow("third down") << 2 << "btDown" << QStringList{"a", "b", "d", "c"}
                                    << QList<bool>{true, true, true, false, true};
    }
    void MoveUpDown_ListAndPlaylistInStep() {
        QFETCH(int, selected);
        QFETCH(QString, button);
        QFETCH(QStringList, expected);
        QFETCH(QList<bool>, enabled);
        Editor editor;
        FillSection(editor, frmShow::StartupTab, {"a", "b", "c", "d"});
        // A named, unchanged show, so that the Save button shows the edit.
        editor.prompts.saveAnswers.enqueue(QDir::tempPath() + "/bwshow-move-test.kss");
        editor.Click("SaveAs");
        QFile::remove(QDir::tempPath() + "/bwshow-move-test.kss");
        editor.Select(selected);
        editor.Get(button.toLatin1().constData())->click();
        QCOMPARE(editor.Entries(), expected);
        QCOMPARE(Section(*editor.window->MyShow(), frmShow::StartupTab), expected);
        QCOMPARE(editor.Selected(), expected.indexOf(QStringList{"a", "b", "c", "d"}[selected]));
        QCOMPARE(ListButtons(editor), enabled);
        QVERIFY(editor.SaveEnabled());
    }

    void Interactive_LightsOffFollowsSelectedGroup() {
        Editor editor;
        FillSection(editor, frmShow::InteractiveTab, {"a", "b"}); // lights off in "a" only
        const Show& show = *editor.window->MyShow();
        auto* box = editor.Get<QCheckBox>("chkLightsOffAtEnd");
        editor.Select(1);
        QVERIFY(box->isEnabled() && !box->isChecked());
        editor.Select(0);
        QVERIFY(box->isChecked());
        box->click();
        QVERIFY(!show.InteractiveGroups()->at(0)->LightsOffAtEnd());
        QVERIFY(!show.InteractiveGroups()->at(1)->LightsOffAtEnd());
        QVERIFY(show.Startup()->LightsOffAtEnd());
        QVERIFY(editor.window->HasUnsavedChanges());
        // After removing the group, the box waits again for a selection.
        editor.prompts.questionAnswers.enqueue(true);
        editor.Get("btRemove")->click();
        QVERIFY(!box->isEnabled() && !box->isChecked());
    }

    void Interactive_AddAndEditOpenTheirDialogs() {
        Editor editor;
        editor.ShowWindow();
        FillSection(editor, frmShow::InteractiveTab, {"Door", "Ghost"});
        QString title;
        bool jukebox = false;
        WhenModal([&](QWidget& dialog) {
            title = dialog.windowTitle();
            jukebox =
                dialog.findChild<QRadioButton*>("opNonIndependentNonInterruptible")->isChecked();
            qobject_cast<QDialog*>(&dialog)->reject();
        });
        editor.Get("btAdd")->click();
        QCOMPARE(title, QStringLiteral("Interactive Group -- Choose a type"));
        QVERIFY(jukebox);

        editor.Select(1);
        QString name;
        WhenModal([&](QWidget& dialog) {
            auto* box = dialog.findChild<QLineEdit*>("txtName");
            name = box->text();
            box->setText("Changed"); // thrown away by Cancel
            qobject_cast<QDialog*>(&dialog)->reject();
        });
        editor.Get("btEdit")->click();
        QCOMPARE(name, QStringLiteral("Ghost"));
        QCOMPARE(Section(*editor.window->MyShow(), frmShow::InteractiveTab),
                 (QStringList{"Door", "Ghost"}));
        QCOMPARE(editor.Entries(), (QStringList{"Door", "Ghost"}));
        QVERIFY(!editor.window->HasUnsavedChanges());
    }
};

BWSHOW_REGISTER_TEST(SectionTabsTest);

} // namespace bw::test

#include "SectionTabsTest.moc"
