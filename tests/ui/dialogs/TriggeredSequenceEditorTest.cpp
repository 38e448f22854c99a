// The triggered sequence editor: one trigger and the files it starts.
#include "DialogTestSupport.h"
#include "dialogs/frmTriggeredSequenceEditor.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include <array>

namespace bw::test {

namespace {

// An open editor for one triggered sequence of a group.
struct OpenEditor {
    FakeHost host;
    InteractiveGroupPtr group = std::make_shared<InteractiveGroup>();
    TriggeredSequencesPtr entry;
    frmTriggeredSequenceEditor dialog{host};

    OpenEditor(QList<int> trigger, const std::string& name, const std::vector<std::string>& files,
               bool editMode = true, bool musicalAllowed = true)
        : entry(Entry(trigger[0], trigger[1], trigger[2], name, files)) {
        group->SetMusicalAllowed(musicalAllowed);
        if (editMode)
            group->AddTriggeredSequences(entry);
        dialog.SetIG(group);
        dialog.SetTS(entry);
        dialog.SetEditMode(editMode);
        dialog.show();
    }

    QComboBox* List(int which) const {
        const char* names[] = {"cmbNetwork", "cmbUnit", "cmbInputNumber"};
        return Child<QComboBox>(dialog, names[which]);
    }
    // Each list's shown text, then the name.
    QStringList Shown() const {
        return {List(0)->currentText(), List(1)->currentText(), List(2)->currentText(),
                Child<QLineEdit>(dialog, "txtName")->text()};
    }
    QTreeWidget* Files() const { return Child<QTreeWidget>(dialog, "lvSequences"); }
    // "File|Location" of each entry, top to bottom.
    QStringList Entries() const {
        QStringList entries;
        for (int row = 0; row < Files()->topLevelItemCount(); ++row)
            entries << Files()->topLevelItem(row)->text(0) + '|' +
                           Files()->topLevelItem(row)->text(1);
        return entries;
    }
    int Selected() const { return Files()->indexOfTopLevelItem(Files()->selectedItems().value(0)); }
    void Select(int row) const {
        const QRect place = Files()->visualItemRect(Files()->topLevelItem(row));
        QTest::mouseClick(Files()->viewport(), Qt::LeftButton, {}, place.center());
    }
    void Click(const char* button) const { Child(dialog, button)->click(); }
    // Enabled states of Add, Remove, Up and Down.
    QList<bool> Buttons() const {
        QList<bool> enabled;
        for (const char* name : {"btAdd", "btRemove", "btUp", "btDown"})
            enabled << Child(dialog, name)->isEnabled();
        return enabled;
    }
    // Applies "n", "u", "i" with a list position, or "t" with a typed name.
    void Apply(const QString& step) const {
        const QString value = step.mid(1);
        if (step[0] != 't')
            return List(QString("nui").indexOf(step[0]))->setCurrentIndex(value.toInt());
        auto* name = Child<QLineEdit>(dialog, "txtName");
        name->selectAll();
        value.isEmpty() ? QTest::keyClick(name, Qt::Key_Delete) : QTest::keyClicks(name, value);
    }
};

} // namespace

class TriggeredSequenceEditorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void Layout() {
        OpenEditor editor({0, 1, 1}, "", {"C:\\a.kas"});
        const frmTriggeredSequenceEditor& dialog = editor.dialog;
        QCOMPARE(dialog.windowTitle() + '|' + Child<QGroupBox>(dialog, "frmSequence")->title(),
                 "Triggered Sequence Editor|&Sequences");
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QStringList labels;
        for (const char* label : {"lblNetwork", "Label1", "Label2", "Label3"})
            labels << Child<QLabel>(dialog, label)->text() + ' ' +
                          Child<QLabel>(dialog, label)->buddy()->objectName();
        QCOMPARE(labels, (QStringList{"&Network cmbNetwork", "&Unit ID cmbUnit",
                                      "&Input Number cmbInputNumber", "&Trigger Name txtName"}));
        QCOMPARE(editor.Files()->headerItem()->text(0) + '|' +
                     editor.Files()->headerItem()->text(1),
                 "File|Location");
        QVERIFY2(LayoutFaults(dialog).isEmpty(), qPrintable(LayoutFaults(dialog).join(", ")));
        const QStringList order = {"cmbNetwork",  "cmbUnit", "cmbInputNumber", "txtName",
                                   "lvSequences", "btAdd",   "btRemove",       "btUp",
                                   "btDown",      "btOK",    "btCancel",       "cmbNetwork"};
        QCOMPARE(TabChain(dialog, "cmbNetwork", order.size()), order);
    }

    void Open_ShowsTriggerAndFiles() {
        // Trigger, files: the lists' texts, and "file|location" of each entry.
        // clang-format off
        const std::tuple<QList<int>, QStringList, QString, QStringList> cases[] = {
            {{0, 1, 1}, {}, "Regular|01|1", {}},
            {{2, 16, 512}, {"C:\\Shows\\x.kas", "E:\\y.kms"}, "Aux B|10|512", {"x.kas|C:\\Shows\\",
             "y.kms|E:\\"}},
            // Names are resolved against the sequence folder; two backslashes make a network path.
            {{3, 240, 7}, {"bare.kas", "\\lead.kas", "sub\\deep.kms", "\\\\srv\\share\\n.kas"},
             "Aux C|F0|7",
             {"bare.kas|D:\\Seq\\", "lead.kas|D:\\Seq\\", "deep.kms|D:\\Seq\\sub\\",
              "n.kas|\\\\srv\\share\\"}},
            {{1, 10, 3}, {"C:x.kas"}, "Aux A|0A|3", {"C:x.kas|"}},
            {{7, 250, 600}, {"C:\\g.kas"}, "||", {"g.kas|C:\\"}}, // beyond the lists: nothing selected
            {{-1, 0, 0}, {"C:\\g.kas"}, "||", {"g.kas|C:\\"}}};
        // clang-format on
        for (const auto& [trigger, files, shown, entries] : cases) {
            OpenEditor editor(trigger, "Gate", Strings(files));
            QCOMPARE(editor.Shown(), shown.split('|') << "Gate");
            QCOMPARE(editor.List(1)->currentIndex() == -1, editor.Shown()[1].isEmpty());
            QCOMPARE(editor.Entries(), entries);
            QCOMPARE(editor.Selected(), -1);
            QVERIFY(*editor.entry ==
                    *Entry(trigger[0], trigger[1], trigger[2], "Gate", Strings(files)));
        }
    }

    // The name follows the lists until one is typed; OK writes the lists into the trigger.
    void NameFollowsAndOkWrites() {
        const QString fresh = "Regular, Unit 01, Input 1";
        // Trigger and name; steps (see OpenEditor::Apply): the name after each, the trigger
        // written.
        // clang-format off
        const std::tuple<QList<int>, QString, QStringList, QStringList, QList<int>> cases[] = {
            {{0, 1, 1}, fresh, {"n1", "i6", "u15"}, {"Aux A, Unit 01, Input 1", "Aux A, Unit 01, Input 7",
             "Aux A, Unit 10, Input 7"}, {1, 16, 7}},
            {{0, 1, 1}, fresh, {"tFront door", "n2", "u4"}, {"Front door", "Front door", "Front door"},
             {2, 5, 1}},
            {{0, 1, 1}, fresh, {"n1", "tMine", "u1", "tAux A, Unit 02, Input 1", "i4"},
             {"Aux A, Unit 01, Input 1", "Mine", "Mine", "Aux A, Unit 02, Input 1",
              "Aux A, Unit 02, Input 5"}, {1, 2, 5}},
            {{0, 1, 1}, fresh, {"n1", "t" + fresh, "n2"}, {"Aux A, Unit 01, Input 1", fresh, fresh},
             {2, 1, 1}},
            {{1, 2, 3}, "Doorbell", {"n0", "t", "u0"}, {"Doorbell", "", ""}, {0, 1, 3}},
            {{7, 250, 600}, "x", {}, {}, {7, 250, 600}}, // beyond the lists: kept
            {{7, 200, 600}, "Net 7, Unit C8, Input 600", {"u1", "n3", "i0"},
             {"Net 7, Unit 02, Input 600", "Aux C, Unit 02, Input 600", "Aux C, Unit 02, Input 1"}, {3, 2, 1}},
            {{0, 300, 3}, "Regular, Unit , Input 3", {"i4", "u15"},
             {"Regular, Unit , Input 3", "Regular, Unit , Input 3"}, {0, 16, 5}},
            {{0, 1, 1}, "x", {"n3", "u239", "i511"}, {"x", "x", "x"}, {3, 240, 512}},
            {{-1, 0, 0}, "x", {}, {}, {-1, 0, 0}}};
        // clang-format on
        for (const auto& [trigger, name, steps, names, written] : cases) {
            OpenEditor editor(trigger, name.toStdString(), {"C:\\a.kas"});
            const TriggerPtr original = editor.entry->Trig();
            for (int step = 0; step < steps.size(); ++step) {
                editor.Apply(steps[step]);
                QCOMPARE(editor.Shown().last(), names[step]);
            }
            editor.Click("btOK");
            QVERIFY(!editor.dialog.isVisible());
            QCOMPARE(editor.entry->Trig(), original);
            QCOMPARE((QList<int>{original->Network(), original->UnitId(), original->InputNumber()}),
                     written);
            QCOMPARE(QString::fromStdString(original->Name()), names.value(names.size() - 1, name));
        }
    }

    void UpDownRemove_MoveTheEntriesOnlyUntilOk() {
        OpenEditor editor({0, 1, 1}, "x", {"C:\\a.kas", "C:\\b.kas", "C:\\c.kas"});
        QCOMPARE(editor.Buttons(), (QList<bool>{true, false, false, false}));
        editor.Select(1);
        QCOMPARE(editor.Buttons(), (QList<bool>{true, true, true, true}));
        editor.Click("btUp");
        QCOMPARE(editor.Entries(), (QStringList{"b.kas|C:\\", "a.kas|C:\\", "c.kas|C:\\"}));
        QCOMPARE(editor.Selected(), 0);
        QCOMPARE(editor.Buttons(), (QList<bool>{true, true, false, true}));
        editor.Click("btDown");
        editor.Click("btDown");
        editor.Click("btDown"); // on the last entry: nothing
        QCOMPARE(editor.Entries(), (QStringList{"a.kas|C:\\", "c.kas|C:\\", "b.kas|C:\\"}));
        QCOMPARE(editor.Selected(), 2);
        editor.Select(1);
        editor.Click("btRemove");
        QCOMPARE(editor.Entries(), (QStringList{"a.kas|C:\\", "b.kas|C:\\"}));
        QCOMPARE(editor.Buttons(), (QList<bool>{true, false, false, false}));
        QVERIFY(editor.host.prompts.prompts.isEmpty());
        QCOMPARE(editor.entry->NumSequences(), 3);
        editor.Click("btOK");
        QCOMPARE(editor.entry->Sequences(), (std::vector<std::string>{"C:\\a.kas", "C:\\b.kas"}));
    }

    // The file filter follows the group's type; see the group dialogs' end-to-end test.
    void Add_TakesAnyFileLastAndFitsTheColumns() {
        OpenEditor editor({0, 1, 1}, "x", {"C:\\a.kas"});
        editor.host.defaultPath = "E:\\Start\\";
        const QString folder = "F:\\A folder with a rather long name\\and a deeper one\\";
        editor.host.prompts.openAnswers << QStringList{folder + "song.kms"} << std::nullopt
                                        << QStringList{"x.kas"};
        editor.Select(0);
        const QFontMetrics metrics(editor.Files()->font());
        QVERIFY(editor.Files()->columnWidth(1) < metrics.horizontalAdvance(folder));
        editor.Click("btAdd");
        QCOMPARE(editor.Selected(), 1);
        QVERIFY(editor.Files()->columnWidth(1) >= metrics.horizontalAdvance(folder));
        editor.Click("btAdd"); // cancelled: nothing added, nothing said
        editor.Click("btAdd"); // a bare name is resolved against the sequence folder
        QCOMPARE(editor.host.prompts.Dialogs().value(2).section('|', -3), "E:\\Start\\||one");
        QCOMPARE(editor.host.prompts.Said(), QStringList());
        editor.Click("btOK");
        QCOMPARE(editor.entry->Sequences(),
                 (std::vector<std::string>{"C:\\a.kas", (folder + "song.kms").toStdString(),
                                           "D:\\Seq\\x.kas"}));

        // Without a file OK is refused and nothing is written.
        OpenEditor empty({1, 2, 3}, "Gate", {"C:\\a.kas"}, false);
        empty.List(0)->setCurrentIndex(2);
        empty.Select(0);
        empty.Click("btRemove");
        empty.Click("btOK");
        QVERIFY(empty.dialog.isVisible());
        QCOMPARE(empty.host.prompts.Said(),
                 QStringList{"Triggered Sequence Not Valid: You must include a sequence file."});
        QVERIFY(*empty.entry == *Entry(1, 2, 3, "Gate", {"C:\\a.kas"}) &&
                empty.group->Count() == 0);
    }

    void OkAndCancel_NewAndExistingEntries() {
        // Edit mode, how the dialog closes, whether it writes.
        const std::tuple<bool, const char*, bool> cases[] = {
            {false, "OK", true}, {false, "Enter", true},  {false, "Cancel", false},
            {true, "OK", true},  {true, "Escape", false}, {true, "close box", false}};
        for (const auto& [editMode, closeBy, writes] : cases) {
            OpenEditor editor({0, 1, 1}, "Regular, Unit 01, Input 1", {"C:\\a.kas"}, editMode);
            editor.host.prompts.openAnswers << QStringList{"C:\\b.kms"};
            editor.List(1)->setCurrentIndex(1);
            editor.Click("btAdd");
            auto* name = Child<QLineEdit>(editor.dialog, "txtName");
            const std::string how = closeBy;
            if (how == "OK" || how == "Cancel")
                editor.Click(how == "OK" ? "btOK" : "btCancel");
            else if (how == "close box")
                editor.dialog.close();
            else
                QTest::keyClick(name, how == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
            QVERIFY2(!editor.dialog.isVisible(), closeBy);
            const auto expected =
                writes ? Entry(0, 2, 1, "Regular, Unit 02, Input 1", {"C:\\a.kas", "C:\\b.kms"})
                       : Entry(0, 1, 1, "Regular, Unit 01, Input 1", {"C:\\a.kas"});
            QVERIFY2(*editor.entry == *expected, closeBy);
            // A new entry joins the group on OK only.
            QCOMPARE(editor.group->Count(), editMode || writes ? 1 : 0);
            QVERIFY(editor.group->Count() == 0 ||
                    editor.group->GetTriggeredSequences(0) == editor.entry);
            QVERIFY(editor.host.calls.isEmpty()); // the show is the group editor's business
        }
    }
};

BWSHOW_REGISTER_TEST(TriggeredSequenceEditorTest);

} // namespace bw::test

#include "TriggeredSequenceEditorTest.moc"
