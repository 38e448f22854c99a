#include "TriggeredSequenceEditorTest.h"

#include "DialogTestSupport.h"
#include "dialogs/frmTriggeredSequenceEditor.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace bw::test {

namespace {

// An open editor for one triggered sequence of a group.
struct OpenEditor {
    FakeHost host;
    InteractiveGroupPtr group = std::make_shared<InteractiveGroup>();
    TriggeredSequencesPtr entry;
    std::unique_ptr<frmTriggeredSequenceEditor> dialog;

    OpenEditor(const TriggerValues& trigger, const std::vector<std::string>& files,
               bool editMode = true, bool musicalAllowed = true) {
        entry = Entry(trigger, files);
        group->SetMusicalAllowed(musicalAllowed);
        if (editMode)
            group->AddTriggeredSequences(entry);
        dialog = std::make_unique<frmTriggeredSequenceEditor>(host);
        dialog->SetIG(group);
        dialog->SetTS(entry);
        dialog->SetEditMode(editMode);
        dialog->show();
    }

    template <class Control> Control* Get(const char* name) const {
        return Child<Control>(*dialog, name);
    }
    QComboBox* List(QChar which) const {
        return which == QLatin1Char('n')   ? Get<QComboBox>("cmbNetwork")
               : which == QLatin1Char('u') ? Get<QComboBox>("cmbUnit")
                                           : Get<QComboBox>("cmbInputNumber");
    }
    QTreeWidget* Files() const { return Get<QTreeWidget>("lvSequences"); }
    QString Name() const { return Get<QLineEdit>("txtName")->text(); }
    QStringList Shown() const {
        return {List(QLatin1Char('n'))->currentText(), List(QLatin1Char('u'))->currentText(),
                List(QLatin1Char('i'))->currentText()};
    }
    // "File|Location" of each entry, top to bottom.
    QStringList Entries() const {
        QStringList entries;
        for (int row = 0; row < Files()->topLevelItemCount(); ++row)
            entries << Files()->topLevelItem(row)->text(0) + QLatin1Char('|') +
                           Files()->topLevelItem(row)->text(1);
        return entries;
    }
    void Select(int row) const {
        Files()->setCurrentItem(Files()->topLevelItem(row), 0,
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    void Click(const char* button) const { Get<QPushButton>(button)->click(); }
    QList<bool> Buttons() const {
        return {Get<QPushButton>("btAdd")->isEnabled(), Get<QPushButton>("btRemove")->isEnabled(),
                Get<QPushButton>("btUp")->isEnabled(), Get<QPushButton>("btDown")->isEnabled()};
    }
};

} // namespace

void TriggeredSequenceEditorTest::Layout() {
    OpenEditor editor({0, 1, 1, "Regular, Unit 01, Input 1"}, {"C:\\a.kas"});
    const frmTriggeredSequenceEditor& dialog = *editor.dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Triggered Sequence Editor"));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(editor.Get<QGroupBox>("frmTrigger")->title(), QStringLiteral("Trigger"));
    QCOMPARE(editor.Get<QGroupBox>("frmSequence")->title(), QStringLiteral("&Sequences"));

    const struct {
        const char* label;
        const char* caption;
        const char* buddy;
    } labels[] = {{"lblNetwork", "&Network", "cmbNetwork"},
                  {"Label1", "&Unit ID", "cmbUnit"},
                  {"Label2", "&Input Number", "cmbInputNumber"},
                  {"Label3", "&Trigger Name", "txtName"}};
    int left = -1;
    for (const auto& label : labels) {
        const auto* control = editor.Get<QLabel>(label.label);
        const auto* buddy = editor.Get<QWidget>(label.buddy);
        QCOMPARE(control->text(), QString::fromLatin1(label.caption));
        QCOMPARE(control->buddy(), buddy);
        // Each label over its control, the four side by side from left to right.
        QVERIFY(control->geometry().bottom() < buddy->geometry().top());
        QVERIFY(buddy->geometry().left() > left);
        left = buddy->geometry().right();
    }

    const struct {
        const char* button;
        const char* toolTip;
    } buttons[] = {{"btAdd", "Add a sequence"},
                   {"btRemove", "Remove a sequence"},
                   {"btUp", "Move sequence up"},
                   {"btDown", "Move sequence down"}};
    int top = -1;
    for (const auto& button : buttons) {
        const auto* control = editor.Get<QPushButton>(button.button);
        QCOMPARE(control->toolTip(), QString::fromLatin1(button.toolTip));
        QVERIFY(control->text().isEmpty());
        QVERIFY(control->geometry().top() > top);
        QVERIFY(control->geometry().left() > editor.Files()->geometry().right());
        top = control->geometry().bottom();
    }

    const QTreeWidgetItem* header = editor.Files()->headerItem();
    QCOMPARE(editor.Files()->columnCount(), 2);
    QCOMPARE(header->text(0), QStringLiteral("File"));
    QCOMPARE(header->text(1), QStringLiteral("Location"));
    QVERIFY(editor.Get<QPushButton>("btOK")->isDefault());
    QCOMPARE(editor.Get<QPushButton>("btOK")->text(), QStringLiteral("OK"));
    QCOMPARE(editor.Get<QPushButton>("btCancel")->text(), QStringLiteral("Cancel"));
    QCOMPARE(editor.List(QLatin1Char('u'))->count(), 240);
    QCOMPARE(editor.List(QLatin1Char('i'))->count(), 512);
    QCOMPARE(editor.List(QLatin1Char('n'))->count(), 4);

    const QStringList tabOrder = {"cmbNetwork",  "cmbUnit", "cmbInputNumber", "txtName",
                                  "lvSequences", "btAdd",   "btRemove",       "btUp",
                                  "btDown",      "btOK",    "btCancel",       "cmbNetwork"};
    QCOMPARE(TabChain(dialog, "cmbNetwork", tabOrder.size()), tabOrder);
}

void TriggeredSequenceEditorTest::Open_ShowsTriggerAndFiles_data() {
    QTest::addColumn<TriggerValues>("trigger");
    QTest::addColumn<std::vector<std::string>>("files");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("new entry") << TriggerValues{0, 1, 1, "Regular, Unit 01, Input 1"}
                               << std::vector<std::string>{} << QStringList{"Regular", "01", "1"}
                               << QStringList{};
    QTest::newRow("full paths") << TriggerValues{2, 16, 512, "Gate"}
                                << std::vector<std::string>{"C:\\Shows\\x.kas", "E:\\y.kms"}
                                << QStringList{"Aux B", "10", "512"}
                                << QStringList{"x.kas|C:\\Shows\\", "y.kms|E:\\"};
    QTest::newRow("names resolved against the sequence folder")
        << TriggerValues{3, 240, 7, "Gate"}
        << std::vector<std::string>{"bare.kas", "\\lead.kas", "sub\\deep.kms",
                                    "\\\\srv\\share\\n.kas"}
        << QStringList{"Aux C", "F0", "7"}
        << QStringList{"bare.kas|D:\\Seq\\", "lead.kas|D:\\Seq\\", "deep.kms|D:\\Seq\\sub\\",
                       "n.kas|\\\\srv\\share\\"};
    QTest::newRow("no backslash at all")
        << TriggerValues{1, 10, 3, "Gate"} << std::vector<std::string>{"C:x.kas"}
        << QStringList{"Aux A", "0A", "3"} << QStringList{"C:x.kas|"};
    QTest::newRow("beyond the lists")
        << TriggerValues{7, 250, 600, "Garage"} << std::vector<std::string>{"C:\\g.kas"}
        << QStringList{"", "", ""} << QStringList{"g.kas|C:\\"};
    QTest::newRow("below the lists")
        << TriggerValues{-1, 0, 0, ""} << std::vector<std::string>{"C:\\g.kas"}
        << QStringList{"", "", ""} << QStringList{"g.kas|C:\\"};
}

void TriggeredSequenceEditorTest::Open_ShowsTriggerAndFiles() {
    QFETCH(TriggerValues, trigger);
    QFETCH(std::vector<std::string>, files);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, entries);

    OpenEditor editor(trigger, files);
    QCOMPARE(editor.Shown(), shown);
    for (QChar which : {QLatin1Char('n'), QLatin1Char('u'), QLatin1Char('i')}) {
        const int index = which == QLatin1Char('n') ? 0 : which == QLatin1Char('u') ? 1 : 2;
        QCOMPARE(editor.List(which)->currentIndex() == -1, shown[index].isEmpty());
    }
    QCOMPARE(editor.Name(), QString::fromStdString(trigger.name));
    QCOMPARE(editor.Entries(), entries);
    QCOMPARE(editor.Files()->selectedItems().size(), 0);
    // Opening writes nothing.
    QCOMPARE(editor.entry->Sequences(), files);
    QCOMPARE(editor.entry->Trig()->Network(), trigger.network);
}

void TriggeredSequenceEditorTest::Name_FollowsTheListsUntilTyped_data() {
    QTest::addColumn<TriggerValues>("trigger");
    // Each step: "n", "u" or "i" and a list position, or "t" and a name typed.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("names");

    const TriggerValues fresh{0, 1, 1, "Regular, Unit 01, Input 1"};
    QTest::newRow("follows") << fresh << QStringList{"n1", "i6", "u15"}
                             << QStringList{"Aux A, Unit 01, Input 1", "Aux A, Unit 01, Input 7",
                                            "Aux A, Unit 10, Input 7"};
    QTest::newRow("typed name stays")
        << fresh << QStringList{"tFront door", "n2", "u4", "i0"}
        << QStringList{"Front door", "Front door", "Front door", "Front door"};
    QTest::newRow("generated name typed again follows again")
        << fresh << QStringList{"n1", "tMine", "u1", "tAux A, Unit 02, Input 1", "i4"}
        << QStringList{"Aux A, Unit 01, Input 1", "Mine", "Mine", "Aux A, Unit 02, Input 1",
                       "Aux A, Unit 02, Input 5"};
    QTest::newRow("generated name of an earlier choice stays")
        << fresh << QStringList{"n1", "tRegular, Unit 01, Input 1", "n2"}
        << QStringList{"Aux A, Unit 01, Input 1", "Regular, Unit 01, Input 1",
                       "Regular, Unit 01, Input 1"};
    QTest::newRow("stored name of its own stays")
        << TriggerValues{1, 2, 3, "Doorbell"} << QStringList{"n0", "u0"}
        << QStringList{"Doorbell", "Doorbell"};
    QTest::newRow("empty name stays")
        << TriggerValues{1, 2, 3, ""} << QStringList{"n0"} << QStringList{""};
    QTest::newRow("beyond the lists, unit chosen")
        << TriggerValues{7, 200, 600, "Net 7, Unit C8, Input 600"} << QStringList{"u1", "n3", "i0"}
        << QStringList{"Net 7, Unit 02, Input 600", "Aux C, Unit 02, Input 600",
                       "Aux C, Unit 02, Input 1"};
    QTest::newRow("unit without a unit text")
        << TriggerValues{0, 250, 3, "Regular, Unit , Input 3"} << QStringList{"i4", "u15"}
        << QStringList{"Regular, Unit , Input 5", "Regular, Unit 10, Input 5"};
    QTest::newRow("unit that no text can show")
        << TriggerValues{0, 300, 3, "Regular, Unit , Input 3"} << QStringList{"i4", "u15", "n1"}
        << QStringList{"Regular, Unit , Input 3", "Regular, Unit , Input 3",
                       "Regular, Unit , Input 3"};
}

void TriggeredSequenceEditorTest::Name_FollowsTheListsUntilTyped() {
    QFETCH(TriggerValues, trigger);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, names);

    OpenEditor editor(trigger, {"C:\\a.kas"});
    QCOMPARE(editor.Name(), QString::fromStdString(trigger.name));
    for (int step = 0; step < steps.size(); ++step) {
        const QChar kind = steps[step].front();
        const QString value = steps[step].mid(1);
        if (kind == QLatin1Char('t')) {
            auto* name = editor.Get<QLineEdit>("txtName");
            name->selectAll();
            if (value.isEmpty())
                QTest::keyClick(name, Qt::Key_Delete);
            else
                QTest::keyClicks(name, value);
        } else {
            editor.List(kind)->setCurrentIndex(value.toInt());
        }
        QVERIFY2(editor.Name() == names[step], qPrintable(steps[step] + " gave " + editor.Name()));
    }
}

void TriggeredSequenceEditorTest::Ok_WritesTheListsIntoTheTrigger_data() {
    QTest::addColumn<TriggerValues>("trigger");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("written");

    QTest::newRow("unchanged") << TriggerValues{2, 16, 512, "x"} << QStringList{}
                               << QList<int>{2, 16, 512};
    QTest::newRow("unit 0A and F0")
        << TriggerValues{0, 1, 1, "x"} << QStringList{"u9"} << QList<int>{0, 10, 1};
    QTest::newRow("last entries") << TriggerValues{0, 1, 1, "x"}
                                  << QStringList{"n3", "u239", "i511"} << QList<int>{3, 240, 512};
    QTest::newRow("beyond the lists kept")
        << TriggerValues{7, 250, 600, "x"} << QStringList{} << QList<int>{7, 250, 600};
    QTest::newRow("beyond the lists, unit chosen")
        << TriggerValues{7, 250, 600, "x"} << QStringList{"u1"} << QList<int>{7, 2, 600};
    QTest::newRow("beyond the lists, all chosen")
        << TriggerValues{4, 241, 513, "x"} << QStringList{"n0", "u0", "i0"} << QList<int>{0, 1, 1};
    QTest::newRow("below the lists kept")
        << TriggerValues{-1, 0, 0, "x"} << QStringList{} << QList<int>{-1, 0, 0};
}

void TriggeredSequenceEditorTest::Ok_WritesTheListsIntoTheTrigger() {
    QFETCH(TriggerValues, trigger);
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, written);

    OpenEditor editor(trigger, {"C:\\a.kas"});
    const TriggerPtr original = editor.entry->Trig();
    for (const QString& step : steps)
        editor.List(step.front())->setCurrentIndex(step.mid(1).toInt());
    editor.Click("btOK");

    QVERIFY(!editor.dialog->isVisible());
    QCOMPARE(editor.entry->Trig().get(), original.get());
    QCOMPARE((QList<int>{original->Network(), original->UnitId(), original->InputNumber()}),
             written);
}

void TriggeredSequenceEditorTest::Buttons_FollowTheSelection_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QList<bool>>("enabled"); // Add, Remove, Up, Down

    QTest::newRow("nothing selected") << 3 << -1 << QList<bool>{true, false, false, false};
    QTest::newRow("empty list") << 0 << -1 << QList<bool>{true, false, false, false};
    QTest::newRow("only entry") << 1 << 0 << QList<bool>{true, true, false, false};
    QTest::newRow("first of three") << 3 << 0 << QList<bool>{true, true, false, true};
    QTest::newRow("middle of three") << 3 << 1 << QList<bool>{true, true, true, true};
    QTest::newRow("last of three") << 3 << 2 << QList<bool>{true, true, true, false};
}

void TriggeredSequenceEditorTest::Buttons_FollowTheSelection() {
    QFETCH(int, count);
    QFETCH(int, selected);
    QFETCH(QList<bool>, enabled);

    std::vector<std::string> files;
    for (int file = 0; file < count; ++file)
        files.push_back("C:\\" + std::to_string(file) + ".kas");
    OpenEditor editor({0, 1, 1, "x"}, files);
    QCOMPARE(editor.Buttons(), (QList<bool>{true, false, false, false}));
    if (selected >= 0) {
        QTreeWidget* list = editor.Files();
        const QRect row = list->visualItemRect(list->topLevelItem(selected));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    }
    QCOMPARE(editor.Buttons(), enabled);
}

void TriggeredSequenceEditorTest::UpDownRemove_MoveTheEntries() {
    OpenEditor editor({0, 1, 1, "x"}, {"C:\\a.kas", "C:\\b.kas", "C:\\c.kas"});

    editor.Select(1);
    editor.Click("btUp");
    QCOMPARE(editor.Entries(), (QStringList{"b.kas|C:\\", "a.kas|C:\\", "c.kas|C:\\"}));
    QCOMPARE(editor.Files()->indexOfTopLevelItem(editor.Files()->selectedItems().value(0)), 0);
    QCOMPARE(editor.Buttons(), (QList<bool>{true, true, false, true}));

    editor.Click("btDown");
    editor.Click("btDown");
    QCOMPARE(editor.Entries(), (QStringList{"a.kas|C:\\", "c.kas|C:\\", "b.kas|C:\\"}));
    QCOMPARE(editor.Files()->indexOfTopLevelItem(editor.Files()->selectedItems().value(0)), 2);
    QCOMPARE(editor.Buttons(), (QList<bool>{true, true, true, false}));
    // Down on the last entry and Up on the first change nothing.
    editor.Click("btDown");
    QCOMPARE(editor.Entries(), (QStringList{"a.kas|C:\\", "c.kas|C:\\", "b.kas|C:\\"}));

    editor.Select(1);
    editor.Click("btRemove");
    QCOMPARE(editor.Entries(), (QStringList{"a.kas|C:\\", "b.kas|C:\\"}));
    QCOMPARE(editor.Files()->selectedItems().size(), 0);
    QCOMPARE(editor.Buttons(), (QList<bool>{true, false, false, false}));
    QVERIFY(editor.host.prompts.prompts.isEmpty());
    // Nothing reaches the entry before OK.
    QCOMPARE(editor.entry->NumSequences(), 3);

    editor.Click("btOK");
    QCOMPARE(editor.entry->Sequences(), (std::vector<std::string>{"C:\\a.kas", "C:\\b.kas"}));
}

void TriggeredSequenceEditorTest::Add_OffersTheFilesTheGroupAllows_data() {
    QTest::addColumn<bool>("musicalAllowed");
    QTest::addColumn<QString>("filter");

    QTest::newRow("musical sequences allowed")
        << true << "All Sequences|*.kas;*.kms|Animation Sequences|*.kas|Musical Sequences|*.kms";
    QTest::newRow("Magic Toy: animation only") << false << "Animation Sequences|*.kas";
}

void TriggeredSequenceEditorTest::Add_OffersTheFilesTheGroupAllows() {
    QFETCH(bool, musicalAllowed);
    QFETCH(QString, filter);

    OpenEditor editor({0, 1, 1, "x"}, {"C:\\a.kas"}, true, musicalAllowed);
    editor.host.defaultPath = QStringLiteral("E:\\Start\\");
    editor.host.prompts.openAnswers << QStringList{QStringLiteral("F:\\Songs\\song.kms")}
                                    << std::nullopt << QStringList{QStringLiteral("x.kas")};
    editor.Select(0);

    editor.Click("btAdd");
    const QList<ScriptedPrompts::Prompt> asked =
        editor.host.prompts.Of(ScriptedPrompts::Kind::OpenFiles);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].request.title, QStringLiteral("Select the sequence file"));
    QCOMPARE(asked[0].request.filter, filter);
    QCOMPARE(asked[0].request.filterIndex, 1);
    QCOMPARE(asked[0].request.startFolder, QStringLiteral("E:\\Start\\"));
    QVERIFY(asked[0].request.fileName.isEmpty());
    QVERIFY(!asked[0].request.multiple);
    // The file is taken whatever its kind; it comes last and is selected.
    QCOMPARE(editor.Entries(), (QStringList{"a.kas|C:\\", "song.kms|F:\\Songs\\"}));
    QCOMPARE(editor.Files()->indexOfTopLevelItem(editor.Files()->selectedItems().value(0)), 1);
    QCOMPARE(editor.Buttons(), (QList<bool>{true, true, true, false}));

    // Cancelling the file dialog adds nothing and says nothing.
    editor.Click("btAdd");
    QCOMPARE(editor.Files()->topLevelItemCount(), 2);

    // The same file may come twice; a bare name is resolved against the sequence folder.
    editor.Click("btAdd");
    QCOMPARE(editor.Entries(),
             (QStringList{"a.kas|C:\\", "song.kms|F:\\Songs\\", "x.kas|D:\\Seq\\"}));
    QCOMPARE(editor.host.prompts.Of(ScriptedPrompts::Kind::Message).size(), 0);

    editor.Click("btOK");
    QCOMPARE(editor.entry->Sequences(),
             (std::vector<std::string>{"C:\\a.kas", "F:\\Songs\\song.kms", "D:\\Seq\\x.kas"}));
}

void TriggeredSequenceEditorTest::Add_FitsTheColumns() {
    OpenEditor editor({0, 1, 1, "x"}, {"C:\\a.kas"});
    const QString folder =
        QStringLiteral("C:\\A folder with a rather long name\\and a deeper one\\");
    const QString file = QStringLiteral("An unusually long sequence file name.kas");
    editor.host.prompts.openAnswers << QStringList{folder + file};
    QTreeWidget* list = editor.Files();
    const QFontMetrics metrics(list->font());
    const QHeaderView* header = list->header();
    QVERIFY(list->columnWidth(0) >= header->sectionSizeHint(0));
    QVERIFY(list->columnWidth(1) >= header->sectionSizeHint(1));
    QVERIFY(list->columnWidth(1) < metrics.horizontalAdvance(folder));

    editor.Click("btAdd");
    QVERIFY(list->columnWidth(0) >= metrics.horizontalAdvance(file));
    QVERIFY(list->columnWidth(1) >= metrics.horizontalAdvance(folder));
}

void TriggeredSequenceEditorTest::Ok_EmptyListIsRefused() {
    OpenEditor editor({1, 2, 3, "Gate"}, {"C:\\a.kas"}, false);
    editor.List(QLatin1Char('n'))->setCurrentIndex(2);
    editor.Select(0);
    editor.Click("btRemove");
    editor.Click("btOK");

    QVERIFY(editor.dialog->isVisible());
    QCOMPARE(editor.host.prompts.prompts.size(), 1);
    const ScriptedPrompts::Prompt& shown = editor.host.prompts.prompts.constFirst();
    QCOMPARE(int(shown.kind), int(ScriptedPrompts::Kind::Message));
    QCOMPARE(shown.text, QStringLiteral("You must include a sequence file."));
    QCOMPARE(shown.title, QStringLiteral("Triggered Sequence Not Valid"));
    QCOMPARE(int(shown.icon), int(UserPrompts::Icon::None));
    QCOMPARE(editor.entry->Trig()->Network(), 1);
    QCOMPARE(editor.entry->NumSequences(), 1);
    QCOMPARE(editor.group->Count(), 0);
}

void TriggeredSequenceEditorTest::OkAndCancel_NewAndExistingEntries_data() {
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<QString>("closeBy");
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("groupCount");

    QTest::newRow("new, OK") << false << "OK" << true << 1;
    QTest::newRow("new, Enter") << false << "Enter" << true << 1;
    QTest::newRow("new, Cancel") << false << "Cancel" << false << 0;
    QTest::newRow("existing, OK") << true << "OK" << true << 1;
    QTest::newRow("existing, Escape") << true << "Escape" << false << 1;
    QTest::newRow("existing, close box") << true << "close" << false << 1;
}

void TriggeredSequenceEditorTest::OkAndCancel_NewAndExistingEntries() {
    QFETCH(bool, editMode);
    QFETCH(QString, closeBy);
    QFETCH(bool, written);
    QFETCH(int, groupCount);

    OpenEditor editor({0, 1, 1, "Regular, Unit 01, Input 1"}, {"C:\\a.kas"}, editMode);
    editor.host.prompts.openAnswers << QStringList{QStringLiteral("C:\\b.kms")};
    editor.List(QLatin1Char('u'))->setCurrentIndex(1);
    editor.Click("btAdd");
    auto* name = editor.Get<QLineEdit>("txtName");

    if (closeBy == QLatin1String("OK"))
        editor.Click("btOK");
    else if (closeBy == QLatin1String("Enter"))
        QTest::keyClick(name, Qt::Key_Return);
    else if (closeBy == QLatin1String("Escape"))
        QTest::keyClick(name, Qt::Key_Escape);
    else if (closeBy == QLatin1String("close"))
        editor.dialog->close();
    else
        editor.Click("btCancel");

    QVERIFY(!editor.dialog->isVisible());
    QCOMPARE(editor.group->Count(), groupCount);
    if (groupCount == 1)
        QCOMPARE(editor.group->GetTriggeredSequences(0).get(), editor.entry.get());
    const TriggerPtr& trigger = editor.entry->Trig();
    if (written) {
        QCOMPARE(trigger->UnitId(), 2);
        QCOMPARE(trigger->Name(), std::string("Regular, Unit 02, Input 1"));
        QCOMPARE(editor.entry->Sequences(), (std::vector<std::string>{"C:\\a.kas", "C:\\b.kms"}));
    } else {
        QCOMPARE(trigger->UnitId(), 1);
        QCOMPARE(trigger->Name(), std::string("Regular, Unit 01, Input 1"));
        QCOMPARE(editor.entry->Sequences(), std::vector<std::string>{"C:\\a.kas"});
    }
    // The dialog reports to its group editor only; the show is the group editor's business.
    QVERIFY(editor.host.calls.isEmpty());
}

} // namespace bw::test
