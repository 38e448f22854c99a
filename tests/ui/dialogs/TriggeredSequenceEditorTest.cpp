// The triggered sequence editor: one trigger and the files it starts.
#include "DialogTestSupport.h"
#include "dialogs/frmTriggeredSequenceEditor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

namespace bw::test {

namespace {

using Files = std::vector<std::string>;

// An open editor for one triggered sequence of a group.
struct OpenEditor {
    FakeHost host;
    InteractiveGroupPtr group = std::make_shared<InteractiveGroup>();
    TriggeredSequencesPtr entry;
    frmTriggeredSequenceEditor dialog{host};
    QTreeWidget* files = Child<QTreeWidget>(dialog, "lvSequences");
    QLineEdit* name = Child<QLineEdit>(dialog, "txtName");

    OpenEditor(QList<int> trigger, const std::string& triggerName, const Files& sequences,
               bool editMode = true)
        : entry(Entry(trigger[0], trigger[1], trigger[2], triggerName, sequences)) {
        if (editMode)
            group->AddTriggeredSequences(entry);
        dialog.SetIG(group);
        dialog.SetTS(entry);
        dialog.SetEditMode(editMode);
        dialog.show();
    }

    // "File|Location" of each entry, top to bottom, then the selected row and whether Add,
    // Remove, Up and Down are enabled ("1 1000").
    QStringList Shown() const {
        QStringList shown;
        for (int row = 0; row < files->topLevelItemCount(); ++row)
            shown << files->topLevelItem(row)->text(0) + '|' + files->topLevelItem(row)->text(1);
        QString state =
            QString::number(files->indexOfTopLevelItem(files->selectedItems().value(0))) + ' ';
        for (const char* button : {"btAdd", "btRemove", "btUp", "btDown"})
            state += QString::number(Child(dialog, button)->isEnabled());
        return shown << state;
    }
    void Select(int row) const { files->setCurrentItem(files->topLevelItem(row)); }
    void Click(const char* button) const { Child(dialog, button)->click(); }
    // Applies "n", "u", "i" with a list position, or "t" with a typed name.
    void Apply(const QString& step) const {
        if (step[0] == 't')
            return name->setText(step.mid(1));
        const QString list = QStringList{"cmbNetwork", "cmbUnit", "cmbInputNumber"}.value(
            QString("nui").indexOf(step[0]));
        Child<QComboBox>(dialog, list)->setCurrentIndex(step.mid(1).toInt());
    }
};

} // namespace

class TriggeredSequenceEditorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The name follows the lists until one is typed; OK writes the lists into the trigger.
    void NameFollowsAndOkWrites() {
        const QString fresh = "Regular, Unit 01, Input 1";
        // Trigger and name; steps (see OpenEditor::Apply): the name after each, the trigger
        // written.
        // clang-format off
        const std::tuple<QList<int>, QString, QStringList, QStringList, QList<int>> cases[] = {
            {{0, 1, 1}, fresh, {"n1", "i6", "u15"}, {"Aux A, Unit 01, Input 1", "Aux A, Unit 01, Input 7", "Aux A, Unit 10, Input 7"}, {1, 16, 7}},
            {{0, 1, 1}, fresh, {"tFront door", "n3", "u239", "i511"}, {"Front door", "Front door", "Front door", "Front door"}, {3, 240, 512}},
            {{0, 1, 1}, fresh, {"n1", "tMine", "u1", "tAux A, Unit 02, Input 1", "i4"},
             {"Aux A, Unit 01, Input 1", "Mine", "Mine", "Aux A, Unit 02, Input 1", "Aux A, Unit 02, Input 5"}, {1, 2, 5}},
            {{1, 2, 3}, "Doorbell", {"n0"}, {"Doorbell"}, {0, 2, 3}},
            {{7, 250, 600}, "x", {}, {}, {7, 250, 600}}, // beyond the lists: kept
            {{7, 200, 600}, "Net 7, Unit C8, Input 600", {"u1", "n3", "i0"},
             {"Net 7, Unit 02, Input 600", "Aux C, Unit 02, Input 600", "Aux C, Unit 02, Input 1"}, {3, 2, 1}},
            {{0, 300, 3}, "Regular, Unit , Input 3", {"i4", "u15"}, {"Regular, Unit , Input 3", "Regular, Unit , Input 3"}, {0, 16, 5}}};
        // clang-format on
        for (const auto& [trigger, name, steps, names, written] : cases) {
            OpenEditor editor(trigger, name.toStdString(), {"C:\\a.kas"});
            const TriggerPtr original = editor.entry->Trig();
            for (int step = 0; step < steps.size(); ++step) {
                editor.Apply(steps[step]);
                QCOMPARE(editor.name->text(), names[step]);
            }
            QCOMPARE(original->Network(), trigger[0]); // nothing is written before OK
            editor.Click("btOK");
            QVERIFY(!editor.dialog.isVisible() && editor.entry->Trig() == original);
            QCOMPARE((QList<int>{original->Network(), original->UnitId(), original->InputNumber()}),
                     written);
            QCOMPARE(QString::fromStdString(original->Name()), names.value(names.size() - 1, name));
        }
    }

    // Add, Remove, Up and Down change the list only; OK writes it, and refuses an empty one.
    void Files_ChangeTheListUntilOk() {
        OpenEditor editor({0, 1, 1}, "x", {"C:\\a.kas", "C:\\b.kas"});
        QCOMPARE(FormFaults(editor.dialog, "sequence-editor").join(", "), "");
        const QString folder = "F:\\A folder with a rather long name\\and a deeper one\\";
        editor.host.prompts.openAnswers << QStringList{folder + "c.kms"} << std::nullopt
                                        << QStringList{"x.kas"};
        QCOMPARE(editor.Shown(), (QStringList{"a.kas|C:\\", "b.kas|C:\\", "-1 1000"}));
        editor.Select(1);
        QCOMPARE(editor.Shown().last(), "1 1110");
        const QFontMetrics metrics(editor.files->font());
        QVERIFY(editor.files->columnWidth(1) < metrics.horizontalAdvance(folder));
        editor.Click("btAdd"); // the new file comes last, selected, and its folder fits the column
        QVERIFY(editor.files->columnWidth(1) >= metrics.horizontalAdvance(folder));
        QCOMPARE(editor.Shown(),
                 (QStringList{"a.kas|C:\\", "b.kas|C:\\", "c.kms|" + folder, "2 1110"}));
        editor.Click("btAdd"); // cancelled: nothing added
        editor.Click("btUp");
        editor.Click("btUp");
        QCOMPARE(editor.Shown(),
                 (QStringList{"c.kms|" + folder, "a.kas|C:\\", "b.kas|C:\\", "0 1101"}));
        editor.Click("btDown");
        QCOMPARE(editor.Shown().last(), "1 1111");
        editor.Select(2);
        editor.Click("btRemove");
        editor.Click("btAdd"); // a bare name is resolved against the sequence folder
        QCOMPARE(editor.Shown(),
                 (QStringList{"a.kas|C:\\", "c.kms|" + folder, "x.kas|D:\\Seq\\", "2 1110"}));
        QCOMPARE(editor.entry->NumSequences(), 2);
        editor.Click("btOK");
        QCOMPARE(editor.entry->Sequences(),
                 (Files{"C:\\a.kas", (folder + "c.kms").toStdString(), "D:\\Seq\\x.kas"}));

        // Without a file OK is refused; a new entry that is cancelled stays out of the group.
        OpenEditor empty({1, 2, 3}, "Gate", {}, false);
        empty.Click("btOK");
        empty.Apply("n2");
        empty.Click("btCancel");
        QCOMPARE(empty.host.prompts.Said(),
                 QStringList{"Triggered Sequence Not Valid: You must include a sequence file."});
        QVERIFY(!empty.dialog.isVisible() && empty.group->Count() == 0 &&
                *empty.entry == *Entry(1, 2, 3, "Gate", {}));
    }
};

BWSHOW_REGISTER_TEST(TriggeredSequenceEditorTest);

} // namespace bw::test

#include "TriggeredSequenceEditorTest.moc"
