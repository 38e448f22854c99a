#include "SectionTabsTest.h"

#include "EditorTestSupport.h"
#include "dialogs/Twips.h"
#include "editor/WrapCheckBox.h"

#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace bw::test {

namespace {

using Kind = ScriptedPrompts::Kind;

const QString AnimationFilter = QStringLiteral("Animation Sequences|*.kas");
const QString AllFilter =
    QStringLiteral("All Sequences|*.kas;*.kms|Animation Sequences|*.kas|Musical Sequences|*.kms");

InteractiveGroupPtr Group(const std::string& name, bool lightsOff) {
    auto group = std::make_shared<InteractiveGroup>();
    group->SetName(name);
    group->SetLightsOffAtEnd(lightsOff);
    return group;
}

PlaylistPtr PlaylistOf(const frmShow& window, int tab) {
    const ShowPtr show = window.MyShow();
    switch (tab) {
    case frmShow::BackgroundTab:
        return show->Background();
    case frmShow::StartupTab:
        return show->Startup();
    case frmShow::AnimationTab:
        return show->Main();
    case frmShow::MusicalTab:
        return show->Musical();
    case frmShow::ShutdownTab:
        return show->Shutdown();
    default:
        return nullptr;
    }
}

// Fills the tab's section with entries named by the texts and sets the tab up.
void FillSection(Editor& editor, int tab, const QStringList& names) {
    frmShow& window = *editor.window;
    if (tab == frmShow::InteractiveTab) {
        for (const QString& name : names)
            window.MyShow()->InteractiveGroups()->push_back(Group(name.toStdString(), false));
    } else {
        for (const QString& name : names)
            PlaylistOf(window, tab)->List().push_back("/seq/" + name.toStdString() + ".kas");
    }
    editor.SelectTab(tab);
    window.ShowCurrentTab();
}

} // namespace

void SectionTabsTest::Layout_ControlsInTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("place");

    const auto row = [](const char* name, const char* parent, int left, int top, int width,
                        int height) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(parent)
                            << TwipRect(left, top, width, height);
    };
    row("Toolbar1", "frmShow", 0, 0, 7740, 660);
    row("lbSequences", "frmShow", 120, 1200, 3255, 5325);
    row("frameInstructions", "frmShow", 3480, 1200, 3975, 1815);
    row("lblTabDescription", "frameInstructions", 0, 120, 3255, 255);
    row("lblTabInstructions", "frameInstructions", 0, 360, 3495, 1455);
    row("frameListEditor", "frmShow", 3360, 3120, 855, 2775);
    row("btAdd", "frameListEditor", 120, 240, 615, 495);
    row("btRemove", "frameListEditor", 120, 880, 615, 495);
    row("btUp", "frameListEditor", 120, 1520, 615, 495);
    row("btDown", "frameListEditor", 120, 2160, 615, 495);
    row("btEdit", "frameListEditor", 120, 1520, 615, 495);
    row("frameOptions", "frmShow", 4320, 3000, 3135, 2895);
    row("chkLightsOffAtEnd", "frameOptions", 120, 240, 2895, 375);
    row("frameOptionsRadio", "frameOptions", 120, 720, 2895, 1575);
    row("opStandard", "frameOptionsRadio", 0, 120, 1575, 195);
    row("opVariant", "frameOptionsRadio", 0, 360, 1575, 195);
    row("chkVariantOption1", "frameOptionsRadio", 360, 600, 2535, 375);
    row("chkVariantOption2", "frameOptionsRadio", 360, 1080, 2535, 375);
    // As tall as the text box it holds, which it would otherwise cut off.
    row("frameDelay", "frameOptions", 120, 2520, 2895, 285);
    row("txtDelay", "frameDelay", 0, 0, 480, 285);
    row("UpDown1", "frameDelay", 480, 0, 255, 255);
    row("lblDelay", "frameDelay", 735, 0, 1455, 255);
    row("frameCleanup", "frmShow", 3480, 6000, 3975, 615);
    row("lblCleanup", "frameCleanup", 0, 0, 3135, 255);
    row("txtCleanup", "frameCleanup", 0, 240, 3015, 285);
    row("btCleanup", "frameCleanup", 3015, 240, 255, 285);
}

void SectionTabsTest::Layout_ControlsInTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QString, parentName);
    QFETCH(QRect, place);

    Editor editor;
    QCOMPARE(editor.window->size(), QSize(TwipsToPixels(7740), TwipsToPixels(6795)));
    QCOMPARE(editor.window->minimumSize(), editor.window->maximumSize());

    auto* control = editor.Get<QWidget>(name.toLatin1().constData());
    QCOMPARE(control->parentWidget()->objectName(), parentName);
    QCOMPARE(control->geometry(), place);
}

void SectionTabsTest::TabStrip_SixTabsWithTooltips() {
    Editor editor;
    auto* tabs = editor.Get<QTabBar>("tsMain");
    const QStringList captions{QStringLiteral("Background"),  QStringLiteral("Startup"),
                               QStringLiteral("Animation"),   QStringLiteral("Musical"),
                               QStringLiteral("Interactive"), QStringLiteral("Shutdown")};
    const QStringList tips{QStringLiteral("Edit the background animation playlist"),
                           QStringLiteral("Edit the startup index"),
                           QStringLiteral("Edit the animation sequence playlist"),
                           QStringLiteral("Edit the musical  playlist"),
                           QStringLiteral("Edit the interactive groups"),
                           QStringLiteral("Edit the shutdown animation playlist")};
    QCOMPARE(tabs->count(), 6);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(tabs->tabText(i), captions[i]);
        QCOMPARE(tabs->tabToolTip(i), tips[i]);
    }
    QCOMPARE(editor.window->CurrentTabIndex(), int(frmShow::BackgroundTab));
    const QRect strip = TwipRect(0, 600, 7695, 6135);
    QCOMPARE(tabs->geometry().topLeft(), strip.topLeft());
    QCOMPARE(tabs->width(), strip.width());
    // The list stands on the tab strip's pane, not on a page of one tab.
    QCOMPARE(editor.List()->parentWidget(), editor.window.get());
}

void SectionTabsTest::TabSetup_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("instructions");
    QTest::addColumn<bool>("lightsOff");
    QTest::addColumn<QString>("standard");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<bool>("musical");

    QTest::newRow("Background")
        << int(frmShow::BackgroundTab) << QStringLiteral("Background Sequences")
        << QStringLiteral("List the animation sequences that will run during the entire show.\n\n"
                          "For static displays using X10 controllers, the sequences should "
                          "contain a single ON event and be about one minute long.")
        << false << QString() << QString() << false;
    QTest::newRow("Startup") << int(frmShow::StartupTab) << QStringLiteral("Startup Sequences")
                             << QStringLiteral(
                                    "List the sequences that will be run when the show starts.")
                             << true << QString() << QString() << false;
    QTest::newRow("Animation") << int(frmShow::AnimationTab)
                               << QStringLiteral("Animation Sequences")
                               << QStringLiteral("List the animation sequences that will run "
                                                 "during the show (between Startup and Shutdown).")
                               << true << QStringLiteral("Play concurrently")
                               << QStringLiteral("Play sequentially") << false;
    QTest::newRow("Musical") << int(frmShow::MusicalTab) << QStringLiteral("Musical Sequences")
                             << QStringLiteral("List the musical sequences that will run during "
                                               "the show (between Startup and Shutdown).")
                             << true << QStringLiteral("Play in order") << QStringLiteral("Shuffle")
                             << true;
    QTest::newRow("Interactive")
        << int(frmShow::InteractiveTab) << QStringLiteral("Interactive Groups")
        << QStringLiteral("List the interactive groups that will wait on triggers during the show "
                          "(between Startup and Shutdown).")
        << true << QString() << QString() << false;
    QTest::newRow("Shutdown") << int(frmShow::ShutdownTab) << QStringLiteral("Shutdown Sequences")
                              << QStringLiteral(
                                     "List the sequences that will be run to shut down the show.")
                              << true << QString() << QString() << false;
}

void SectionTabsTest::TabSetup() {
    QFETCH(int, tab);
    QFETCH(QString, title);
    QFETCH(QString, instructions);
    QFETCH(bool, lightsOff);
    QFETCH(QString, standard);
    QFETCH(QString, variant);
    QFETCH(bool, musical);

    Editor editor;
    editor.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.window.get()));
    // Start from another tab so that the captions of the option buttons must be set anew.
    editor.SelectTab(tab == frmShow::AnimationTab ? frmShow::MusicalTab : frmShow::AnimationTab);
    editor.SelectTab(tab);
    QCOMPARE(editor.window->CurrentTabIndex(), tab);

    QVERIFY(editor.Get<QFrame>("frameInstructions")->isVisible());
    QCOMPARE(editor.Get<QLabel>("lblTabDescription")->text(), title);
    QCOMPARE(editor.Get<QLabel>("lblTabInstructions")->text(), instructions);
    QVERIFY(editor.Get<QLabel>("lblTabDescription")->font().bold());

    auto* lightsOffBox = editor.Get<QCheckBox>("chkLightsOffAtEnd");
    QCOMPARE(lightsOffBox->isVisible(), lightsOff);
    QCOMPARE(lightsOffBox->text(),
             QStringLiteral("Turn used lights off at the end of each sequence"));
    // On the Interactive tab the box waits for a selected group.
    QCOMPARE(lightsOffBox->isEnabled(), tab != frmShow::InteractiveTab);

    QVERIFY(editor.Get<QFrame>("frameOptions")->isVisible());
    QVERIFY(editor.Get<QFrame>("frameOptionsRadio")->isVisible());
    auto* opStandard = editor.Get<QRadioButton>("opStandard");
    auto* opVariant = editor.Get<QRadioButton>("opVariant");
    QCOMPARE(opStandard->isVisible(), !standard.isEmpty());
    QCOMPARE(opVariant->isVisible(), !variant.isEmpty());
    if (!standard.isEmpty()) {
        QCOMPARE(opStandard->text(), standard);
        QCOMPARE(opVariant->text(), variant);
    }
    QCOMPARE(editor.Get<QCheckBox>("chkVariantOption1")->isVisible(), musical);
    QCOMPARE(editor.Get<QCheckBox>("chkVariantOption2")->isVisible(), musical);
    QCOMPARE(editor.Get<QFrame>("frameDelay")->isVisible(), musical);
    QCOMPARE(editor.Get<QFrame>("frameCleanup")->isVisible(), musical);

    const bool interactive = tab == frmShow::InteractiveTab;
    auto* btAdd = editor.Get<QPushButton>("btAdd");
    auto* btRemove = editor.Get<QPushButton>("btRemove");
    auto* btUp = editor.Get<QPushButton>("btUp");
    auto* btDown = editor.Get<QPushButton>("btDown");
    auto* btEdit = editor.Get<QPushButton>("btEdit");
    QCOMPARE(btUp->isVisible(), !interactive);
    QCOMPARE(btDown->isVisible(), !interactive);
    QCOMPARE(btEdit->isVisible(), interactive);
    QCOMPARE(btEdit->text(), QStringLiteral("Edit"));
    QVERIFY(btAdd->text().isEmpty());
    QCOMPARE(btAdd->iconSize(), QSize(32, 32));
    QVERIFY(!btAdd->icon().isNull());
    if (interactive) {
        QCOMPARE(btAdd->toolTip(), QStringLiteral("Add an interactive group"));
        QCOMPARE(btRemove->toolTip(), QStringLiteral("Remove the interactive group"));
        QCOMPARE(btEdit->toolTip(), QStringLiteral("Edit the interactive group"));
    } else {
        QCOMPARE(btAdd->toolTip(), QStringLiteral("Add a sequence"));
        QCOMPARE(btRemove->toolTip(), QStringLiteral("Remove a sequence"));
        QCOMPARE(btUp->toolTip(), QStringLiteral("Move sequence up"));
        QCOMPARE(btDown->toolTip(), QStringLiteral("Move sequence down"));
    }
    QVERIFY(btAdd->isEnabled());
    QVERIFY(!btRemove->isEnabled());
    QVERIFY(!btUp->isEnabled());
    QVERIFY(!btDown->isEnabled());
    QVERIFY(!btEdit->isEnabled());

    // A tab setup is no edit.
    QVERIFY(!editor.window->HasUnsavedChanges());
}

void SectionTabsTest::TabSetup_ListsTheSectionInShowOrder() {
    Editor editor;
    frmShow& window = *editor.window;
    const ShowPtr show = window.MyShow();
    show->Background()->List() = {"C:\\Shows\\Seq\\Intro Part 2.kas", "Snow.kas"};
    show->Startup()->List() = {"/seq/Lights On.kas", "C:\\My.Seq\\Intro"};
    show->Main()->List() = {"/seq/b.kas", "/seq/a.kas", "/seq/b.kas"};
    show->Musical()->List() = {"/seq/Jingle.kms"};
    show->Shutdown()->List() = {};
    show->InteractiveGroups()->push_back(Group("Front door", true));
    show->InteractiveGroups()->push_back(Group("Ghost", false));

    const QList<QStringList> expected{
        {QStringLiteral("Intro Part 2"), QStringLiteral("Snow")},
        {QStringLiteral("Lights On"), QStringLiteral("My")},
        {QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("b")},
        {QStringLiteral("Jingle")},
        {QStringLiteral("Front door"), QStringLiteral("Ghost")},
        {},
    };
    window.ShowCurrentTab();
    for (int tab = frmShow::BackgroundTab; tab <= frmShow::ShutdownTab; ++tab) {
        editor.SelectTab(tab);
        QCOMPARE(editor.Entries(), expected[tab - 1]);
        QCOMPARE(editor.Selected(), -1);
    }
    // Going back to a tab refills the list from the show, also after a selection.
    editor.SelectTab(frmShow::AnimationTab);
    editor.Select(1);
    show->Main()->List().push_back("/seq/c.kas");
    editor.SelectTab(frmShow::MusicalTab);
    editor.SelectTab(frmShow::AnimationTab);
    QCOMPARE(editor.Entries(), (QStringList{QStringLiteral("b"), QStringLiteral("a"),
                                            QStringLiteral("b"), QStringLiteral("c")}));
    QCOMPARE(editor.Selected(), -1);
    QVERIFY(!window.HasUnsavedChanges());
}

void SectionTabsTest::ListButtons_FollowSelection_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("remove");
    QTest::addColumn<bool>("up");
    QTest::addColumn<bool>("down");

    QTest::newRow("one entry selected")
        << int(frmShow::StartupTab) << 1 << 0 << true << false << false;
    QTest::newRow("first of three")
        << int(frmShow::AnimationTab) << 3 << 0 << true << false << true;
    QTest::newRow("middle of three") << int(frmShow::MusicalTab) << 3 << 1 << true << true << true;
    QTest::newRow("last of three") << int(frmShow::ShutdownTab) << 3 << 2 << true << true << false;
    QTest::newRow("none selected")
        << int(frmShow::BackgroundTab) << 3 << -1 << false << false << false;
    // Up and Down are hidden here; their enabling follows the same rule.
    QTest::newRow("group selected")
        << int(frmShow::InteractiveTab) << 2 << 1 << true << true << false;
    QTest::newRow("no group selected")
        << int(frmShow::InteractiveTab) << 2 << -1 << false << false << false;
}

void SectionTabsTest::ListButtons_FollowSelection() {
    QFETCH(int, tab);
    QFETCH(int, count);
    QFETCH(int, selected);
    QFETCH(bool, remove);
    QFETCH(bool, up);
    QFETCH(bool, down);

    Editor editor;
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("Entry %1").arg(i);
    FillSection(editor, tab, names);
    if (selected >= 0)
        editor.Select(selected);

    QVERIFY(editor.Get<QPushButton>("btAdd")->isEnabled());
    QCOMPARE(editor.Get<QPushButton>("btRemove")->isEnabled(), remove);
    QCOMPARE(editor.Get<QPushButton>("btUp")->isEnabled(), up);
    QCOMPARE(editor.Get<QPushButton>("btDown")->isEnabled(), down);
    QCOMPARE(editor.Get<QPushButton>("btEdit")->isEnabled(), remove);
}

void SectionTabsTest::Add_TabFilter_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("filterIndex");

    QTest::newRow("Background") << int(frmShow::BackgroundTab) << AnimationFilter << 1;
    QTest::newRow("Startup") << int(frmShow::StartupTab) << AllFilter << 1;
    QTest::newRow("Animation") << int(frmShow::AnimationTab) << AnimationFilter << 1;
    QTest::newRow("Musical") << int(frmShow::MusicalTab) << AllFilter << 3;
    QTest::newRow("Shutdown") << int(frmShow::ShutdownTab) << AllFilter << 1;
}

void SectionTabsTest::Add_TabFilter() {
    QFETCH(int, tab);
    QFETCH(QString, filter);
    QFETCH(int, filterIndex);

    Editor editor(QStringLiteral("/home/user/Sequences/"));
    frmShow& window = *editor.window;
    FillSection(editor, tab, {QStringLiteral("first")});
    editor.Select(0);
    editor.prompts.openAnswers.enqueue(
        QStringList{QStringLiteral("C:\\Seq\\a.kas"), QStringLiteral("C:\\Seq\\b.kms")});
    editor.Get<QPushButton>("btAdd")->click();

    const auto dialogs = editor.prompts.Of(Kind::OpenFiles);
    QCOMPARE(dialogs.size(), 1);
    const FileDialogRequest& request = dialogs[0].request;
    QCOMPARE(request.title, QStringLiteral("Select one or more sequences files"));
    QCOMPARE(request.filter, filter);
    QCOMPARE(request.filterIndex, filterIndex);
    QCOMPARE(request.startFolder, QStringLiteral("/home/user/Sequences/"));
    QVERIFY(request.multiple);
    QVERIFY(request.fileName.isEmpty());

    // Any extension is taken on any tab, appended in the dialog's order.
    QCOMPARE(PlaylistOf(window, tab)->List(),
             (std::vector<std::string>{"/seq/first.kas", "C:\\Seq\\a.kas", "C:\\Seq\\b.kms"}));
    QCOMPARE(editor.Entries(),
             (QStringList{QStringLiteral("first"), QStringLiteral("a"), QStringLiteral("b")}));
    QCOMPARE(editor.Selected(), 0);
    QVERIFY(window.HasUnsavedChanges());
    // The other sections are untouched.
    for (int other = frmShow::BackgroundTab; other <= frmShow::ShutdownTab; ++other)
        if (other != tab && other != frmShow::InteractiveTab)
            QCOMPARE(PlaylistOf(window, other)->Count(), 0);
}

void SectionTabsTest::Add_ChosenFiles_data() {
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QStringList>("expectedList");
    QTest::addColumn<QStringList>("expectedEntries");

    QTest::newRow("two files")
        << false << QStringList{QStringLiteral("C:\\Seq\\a.kas"), QStringLiteral("C:\\Seq\\b.kas")}
        << QStringList{QStringLiteral("/seq/x.kas"), QStringLiteral("C:\\Seq\\a.kas"),
                       QStringLiteral("C:\\Seq\\b.kas")}
        << QStringList{QStringLiteral("x"), QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("root folder")
        << false << QStringList{QStringLiteral("C:\\a.kas"), QStringLiteral("C:\\b.kas")}
        << QStringList{QStringLiteral("/seq/x.kas"), QStringLiteral("C:\\a.kas"),
                       QStringLiteral("C:\\b.kas")}
        << QStringList{QStringLiteral("x"), QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("same file again")
        << false << QStringList{QStringLiteral("/seq/x.kas")}
        << QStringList{QStringLiteral("/seq/x.kas"), QStringLiteral("/seq/x.kas")}
        << QStringList{QStringLiteral("x"), QStringLiteral("x")};
    QTest::newRow("cancelled") << true << QStringList() << QStringList{QStringLiteral("/seq/x.kas")}
                               << QStringList{QStringLiteral("x")};
}

void SectionTabsTest::Add_ChosenFiles() {
    QFETCH(bool, cancelled);
    QFETCH(QStringList, chosen);
    QFETCH(QStringList, expectedList);
    QFETCH(QStringList, expectedEntries);

    Editor editor;
    frmShow& window = *editor.window;
    FillSection(editor, frmShow::BackgroundTab, {QStringLiteral("x")});
    if (cancelled)
        editor.prompts.openAnswers.enqueue(std::nullopt);
    else
        editor.prompts.openAnswers.enqueue(chosen);
    editor.Get<QPushButton>("btAdd")->click();

    QCOMPARE(window.MyShow()->Background()->List(), Strings(expectedList));
    QCOMPARE(editor.Entries(), expectedEntries);
    QCOMPARE(window.HasUnsavedChanges(), !cancelled);
    QCOMPARE(editor.prompts.Of(Kind::Message).size(), 0);
}

void SectionTabsTest::Remove_AfterQuestion_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("question");

    const QString sequence = QStringLiteral("Remove this sequence from the show?");
    const QString group = QStringLiteral("Remove this interactive group from the show?");
    QTest::newRow("sequence, Yes") << int(frmShow::AnimationTab) << true << sequence;
    QTest::newRow("sequence, No") << int(frmShow::ShutdownTab) << false << sequence;
    QTest::newRow("group, Yes") << int(frmShow::InteractiveTab) << true << group;
    QTest::newRow("group, No") << int(frmShow::InteractiveTab) << false << group;
}

void SectionTabsTest::Remove_AfterQuestion() {
    QFETCH(int, tab);
    QFETCH(bool, answer);
    QFETCH(QString, question);

    Editor editor;
    frmShow& window = *editor.window;
    FillSection(editor, tab, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    editor.Select(1);
    editor.prompts.questionAnswers.enqueue(answer);
    editor.Get<QPushButton>("btRemove")->click();

    const auto questions = editor.prompts.Of(Kind::Question);
    QCOMPARE(questions.size(), 1);
    QCOMPARE(questions[0].text, question);
    QCOMPARE(questions[0].title, QStringLiteral("Remove sequence"));

    const QStringList expected =
        answer ? QStringList{QStringLiteral("a"), QStringLiteral("c")}
               : QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    QCOMPARE(editor.Entries(), expected);
    if (tab == frmShow::InteractiveTab) {
        QStringList names;
        for (const auto& group : *window.MyShow()->InteractiveGroups())
            names << QString::fromStdString(group->Name());
        QCOMPARE(names, expected);
    } else {
        QStringList files;
        for (const QString& name : expected)
            files << QStringLiteral("/seq/%1.kas").arg(name);
        QCOMPARE(PlaylistOf(window, tab)->List(), Strings(files));
    }
    QCOMPARE(window.HasUnsavedChanges(), answer);
    // After a removal nothing is selected; a No keeps the selection.
    QCOMPARE(editor.Selected(), answer ? -1 : 1);
    QCOMPARE(editor.Get<QPushButton>("btRemove")->isEnabled(), !answer);
    QCOMPARE(editor.Get<QPushButton>("btEdit")->isEnabled(), !answer);
    QCOMPARE(editor.Get<QPushButton>("btUp")->isEnabled(), !answer);
    QCOMPARE(editor.Get<QPushButton>("btDown")->isEnabled(), !answer);
    QCOMPARE(editor.Get<QPushButton>("btUp")->isVisibleTo(editor.window.get()),
             tab != frmShow::InteractiveTab);
}

void SectionTabsTest::MoveUpDown_ListAndPlaylistInStep_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("selectedAfter");
    QTest::addColumn<bool>("upEnabled");
    QTest::addColumn<bool>("downEnabled");

    QTest::newRow("second up") << 1 << true
                               << QStringList{QStringLiteral("b"), QStringLiteral("a"),
                                              QStringLiteral("c"), QStringLiteral("d")}
                               << 0 << false << true;
    QTest::newRow("last up") << 3 << true
                             << QStringList{QStringLiteral("a"), QStringLiteral("b"),
                                            QStringLiteral("d"), QStringLiteral("c")}
                             << 2 << true << true;
    QTest::newRow("first down") << 0 << false
                                << QStringList{QStringLiteral("b"), QStringLiteral("a"),
                                               QStringLiteral("c"), QStringLiteral("d")}
                                << 1 << true << true;
    QTest::newRow("third down") << 2 << false
                                << QStringList{QStringLiteral("a"), QStringLiteral("b"),
                                               QStringLiteral("d"), QStringLiteral("c")}
                                << 3 << true << false;
}

void SectionTabsTest::MoveUpDown_ListAndPlaylistInStep() {
    QFETCH(int, selected);
    QFETCH(bool, up);
    QFETCH(QStringList, expected);
    QFETCH(int, selectedAfter);
    QFETCH(bool, upEnabled);
    QFETCH(bool, downEnabled);

    Editor editor;
    frmShow& window = *editor.window;
    FillSection(
        editor, frmShow::StartupTab,
        {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
    // A named, unchanged show, so that the Save button shows the edit.
    const QString path = QDir::tempPath() + QStringLiteral("/bwshow-move-test.kss");
    editor.prompts.saveAnswers.enqueue(path);
    editor.Click(QStringLiteral("SaveAs"));
    QFile::remove(path);
    QVERIFY(!window.HasUnsavedChanges());

    editor.Select(selected);
    editor.Get<QPushButton>(up ? "btUp" : "btDown")->click();

    QCOMPARE(editor.Entries(), expected);
    QStringList files;
    for (const QString& name : expected)
        files << QStringLiteral("/seq/%1.kas").arg(name);
    QCOMPARE(window.MyShow()->Startup()->List(), Strings(files));
    QCOMPARE(editor.Selected(), selectedAfter);
    QCOMPARE(editor.Get<QPushButton>("btUp")->isEnabled(), upEnabled);
    QCOMPARE(editor.Get<QPushButton>("btDown")->isEnabled(), downEnabled);
    QVERIFY(window.HasUnsavedChanges());
    QVERIFY(editor.SaveEnabled());
}

void SectionTabsTest::Interactive_LightsOffFollowsSelectedGroup() {
    Editor editor;
    frmShow& window = *editor.window;
    const ShowPtr show = window.MyShow();
    show->InteractiveGroups()->push_back(Group("Door", true));
    show->InteractiveGroups()->push_back(Group("Ghost", false));
    const bool startupLightsOff = show->Startup()->LightsOffAtEnd();
    editor.SelectTab(frmShow::InteractiveTab);

    auto* box = editor.Get<QCheckBox>("chkLightsOffAtEnd");
    QVERIFY(!box->isEnabled());
    editor.Select(1);
    QVERIFY(box->isEnabled());
    QVERIFY(!box->isChecked());
    editor.Select(0);
    QVERIFY(box->isChecked());

    box->click();
    QVERIFY(!(*show->InteractiveGroups())[0]->LightsOffAtEnd());
    QVERIFY(!(*show->InteractiveGroups())[1]->LightsOffAtEnd());
    QCOMPARE(show->Startup()->LightsOffAtEnd(), startupLightsOff);
    QVERIFY(window.HasUnsavedChanges());

    // After removing the group, the box waits again for a selection, keeping its mark.
    editor.prompts.questionAnswers.enqueue(true);
    editor.Get<QPushButton>("btRemove")->click();
    QCOMPARE(show->InteractiveGroups()->size(), std::size_t(1));
    QCOMPARE((*show->InteractiveGroups())[0]->Name(), std::string("Ghost"));
    QVERIFY(!box->isEnabled());
    QVERIFY(!box->isChecked());
}

void SectionTabsTest::Interactive_AddOpensChooserWithJukebox() {
    Editor editor;
    frmShow& window = *editor.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    editor.SelectTab(frmShow::InteractiveTab);

    auto seen = std::make_shared<bool>(false);
    QString title;
    bool jukebox = false;
    bool others = true;
    WhenModal(
        [&](QWidget& dialog) {
            title = dialog.windowTitle();
            jukebox =
                dialog.findChild<QRadioButton*>(QStringLiteral("opNonIndependentNonInterruptible"))
                    ->isChecked();
            others =
                dialog.findChild<QRadioButton*>(QStringLiteral("opNonIndependentInterruptible"))
                    ->isChecked() ||
                dialog.findChild<QRadioButton*>(QStringLiteral("opIndependentInterruptible"))
                    ->isChecked();
            qobject_cast<QDialog*>(&dialog)->reject();
        },
        seen);
    editor.Get<QPushButton>("btAdd")->click();

    QVERIFY(*seen);
    QCOMPARE(title, QStringLiteral("Interactive Group -- Choose a type"));
    QVERIFY(jukebox);
    QVERIFY(!others);
    QVERIFY(window.MyShow()->InteractiveGroups()->empty());
    QVERIFY(!window.HasUnsavedChanges());
    QCOMPARE(editor.prompts.Of(Kind::OpenFiles).size(), 0);
}

void SectionTabsTest::Interactive_EditOpensEditorForSelectedGroup() {
    Editor editor;
    frmShow& window = *editor.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.MyShow()->InteractiveGroups()->push_back(Group("Door", true));
    window.MyShow()->InteractiveGroups()->push_back(Group("Ghost", false));
    editor.SelectTab(frmShow::InteractiveTab);
    editor.Select(1);

    auto seen = std::make_shared<bool>(false);
    QString name;
    WhenModal(
        [&](QWidget& dialog) {
            name = dialog.findChild<QLineEdit*>(QStringLiteral("txtName"))->text();
            // A change that Cancel throws away.
            dialog.findChild<QLineEdit*>(QStringLiteral("txtName"))
                ->setText(QStringLiteral("Changed"));
            qobject_cast<QDialog*>(&dialog)->reject();
        },
        seen);
    editor.Get<QPushButton>("btEdit")->click();

    QVERIFY(*seen);
    QCOMPARE(name, QStringLiteral("Ghost"));
    QCOMPARE((*window.MyShow()->InteractiveGroups())[1]->Name(), std::string("Ghost"));
    QCOMPARE(editor.Entries(), (QStringList{QStringLiteral("Door"), QStringLiteral("Ghost")}));
    QVERIFY(!window.HasUnsavedChanges());
}

} // namespace bw::test
