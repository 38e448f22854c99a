// The group type chooser and the interactive group editor, alone and end to end.
#include "DialogTestSupport.h"
#include "dialogs/frmChooseGroupType.h"
#include "dialogs/frmInteractiveGroupEditor.h"
#include "dialogs/frmTriggeredSequenceEditor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <functional>

namespace bw::test {

namespace {

const QStringList Types = {"Jukebox", "Soundboard", "Magic Toy"};
const QStringList TypeOptions = {"opNonIndependentNonInterruptible",
                                 "opNonIndependentInterruptible", "opIndependentInterruptible"};

// The names listed in a group editor, then the current row and whether Remove and Edit can be
// clicked ("1 11").
QStringList Listed(const QWidget& editor) {
    QStringList shown;
    const auto* list = Child<QListWidget>(editor, "lbTrigger");
    for (int row = 0; row < list->count(); ++row)
        shown << list->item(row)->text();
    return shown << QString("%1 %2%3")
                        .arg(list->currentRow())
                        .arg(Child(editor, "btRemove")->isEnabled())
                        .arg(Child(editor, "btEdit")->isEnabled());
}

// A group of the named type, as the chooser makes it, with entries "network unit input name".
InteractiveGroupPtr Group(const QString& type, const std::string& name = {},
                          const QStringList& entries = {}) {
    auto group = std::make_shared<InteractiveGroup>();
    group->SetIndependent(type == "Magic Toy");
    group->SetInterruptible(type != "Jukebox");
    group->SetMusicalAllowed(type != "Magic Toy");
    group->SetName(name);
    for (const QString& entry : entries) {
        const QStringList part = entry.split(' ');
        group->AddTriggeredSequences(Entry(part[0].toInt(), part[1].toInt(), part[2].toInt(),
                                           part.mid(3).join(' ').toStdString(), {"C:\\a.kas"}));
    }
    return group;
}

// Clicks `button` of a group editor and does `edit` in the triggered sequence editor it opens.
void InSequenceEditor(const QWidget& editor, const char* button,
                      const std::function<void(frmTriggeredSequenceEditor&)>& edit) {
    WhenModal<frmTriggeredSequenceEditor>([edit](frmTriggeredSequenceEditor& sequence) {
        edit(sequence);
        Child(sequence, "btOK")->click();
    });
    Child(editor, button)->click();
}

} // namespace

class GroupDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The chooser makes a group of the chosen type, which the group editor adds after the show's
    // own groups; the last round cancels the chooser.
    void NewGroup_OfTheChosenTypeIntoTheShow() {
        for (int type = 0; type < 4; ++type) {
            FakeHost host;
            host.show->InteractiveGroups()->push_back(Group("Soundboard", "Porch", {"0 1 1 A"}));
            WhenModal<frmInteractiveGroupEditor>([](frmInteractiveGroupEditor& editor) {
                editor.IG()->AddTriggeredSequences(Entry(1, 1, 1, "Bell", {"C:\\a.kas"}));
                Child<QLineEdit>(editor, "txtName")->setText("Door");
                Child(editor, "btOK")->click();
            });
            // The chooser runs modally, as the main window runs it, and steps aside for the editor.
            frmChooseGroupType chooser(host, nullptr);
            WhenModal<frmChooseGroupType>([type](frmChooseGroupType& shown) {
                if (type > 0 && type < 3) // Jukebox is the choice unless another is made
                    Child<QRadioButton>(shown, TypeOptions[type])->click();
                if (type < 3)
                    return Child(shown, "OKButton")->click();
                QCOMPARE(FormFaults(shown, "chooser").join(", "), "");
                for (int option = 0; option < 3; ++option) { // whole type descriptions
                    const auto* label =
                        Child<QLabel>(shown, QString(TypeOptions[option]).replace(0, 2, "lbl"));
                    QCOMPARE(label->text(), QString::fromStdString(Group(Types[option])->TypeDesc())
                                                .replace("\r\n", "\n"));
                    QVERIFY(label->heightForWidth(label->width()) <= label->height());
                }
                Child(shown, "CancelButton")->click();
            });
            QCOMPARE(chooser.exec(), int(type == 3 ? QDialog::Rejected : QDialog::Accepted));
            const GroupCollection& groups = *host.show->InteractiveGroups();
            QCOMPARE(groups.size(), std::size_t(type == 3 ? 1 : 2));
            QVERIFY(type == 3 || *groups.back() == *Group(Types[type], "Door", {"1 1 1 Bell"}));
            QCOMPARE(host.calls.join(' '),
                     QString(type == 3 ? "" : "SetUnsavedInfo PopulateListboxWithInteractive"));
        }
    }

    void Editor_OkRefusesInvalidGroups() {
        const QString once = " Triggers may only appear once each in a ";
        // Type, name, entries: the message shown, or none when the group is taken.
        // clang-format off
        const std::tuple<QString, std::string, QStringList, QString> cases[] = {
            {"Soundboard", "", {"0 1 1 A"}, "You must supply a name for this Soundboard"},
            {"Jukebox", " ", {}, "You must put at least one trigger into this group."},
            {"Jukebox", "Door", {"0 1 1 Front", "0 1 1 Front"}, "Trigger 'Front' appears more than once." + once + "Jukebox."},
            {"Magic Toy", "D", {"0 1 1 A", "0 1 2 B", "1 1 1 C", "0 1 2 D"}, "Triggers 'B' and 'D' are identical." + once + "Magic Toy."},
            {"Jukebox", "D", {"0 1 1 Same", "0 2 1 Same", "1 1 1 Same"}, ""}};
        // clang-format on
        for (const auto& [type, name, entries, message] : cases) {
            FakeHost host;
            const InteractiveGroupPtr group = Group(type, name, entries);
            frmInteractiveGroupEditor editor(host);
            editor.SetIG(group);
            editor.SetEditMode(false);
            editor.show();
            Child(editor, "btOK")->click();
            QCOMPARE(host.prompts.Said().join(""),
                     message.isEmpty() ? "" : "Triggered Sequence Not Valid: " + message);
            QCOMPARE(editor.isVisible(), !message.isEmpty());
            QCOMPARE(*host.show->InteractiveGroups(),
                     message.isEmpty() ? GroupCollection{group} : GroupCollection{});
        }
    }

    // Editing a show's group works on a copy: Cancel leaves the show, OK copies the edits, adds
    // and removals into the show's own group object.
    void EditMode_CancelLeavesTheShowAndOkCopiesIntoItsOwnGroup() {
        for (const bool ok : {false, true}) {
            FakeHost host;
            host.defaultPath = "E:\\Start\\";
            const auto porch = Group("Soundboard", "Porch",
                                     {"0 1 1 Front step", "1 2 3 Regular, Unit 01, Input 7"});
            InteractiveGroup before;
            before.Copy(*porch);
            host.show->InteractiveGroups()->push_back(porch);
            frmInteractiveGroupEditor editor(host);
            editor.SetOldIG(porch);
            editor.SetEditMode(true);
            editor.show();
            QCOMPARE(FormFaults(editor, "group-editor").join(", "), ""); // Up and Down never show
            // The names as given, not the generated ones; nothing selected yet.
            QCOMPARE(Listed(editor),
                     (QStringList{"Front step", "Regular, Unit 01, Input 7", "-1 00"}));

            host.prompts.openAnswers << QStringList{"C:\\Seq\\added.kas"};
            host.prompts.questionAnswers << false << true;
            auto* list = Child<QListWidget>(editor, "lbTrigger");
            list->setCurrentRow(1);
            InSequenceEditor(editor, "btEdit", [](frmTriggeredSequenceEditor& sequence) {
                Child<QLineEdit>(sequence, "txtName")->setText("Doorbell");
                Child<QComboBox>(sequence, "cmbNetwork")->setCurrentIndex(3);
            });
            // The list shows the edited name at once, and the selection stays.
            QCOMPARE(Listed(editor), (QStringList{"Front step", "Doorbell", "1 11"}));
            InSequenceEditor(editor, "btAdd", [](frmTriggeredSequenceEditor& sequence) {
                Child<QComboBox>(sequence, "cmbUnit")->setCurrentIndex(9);
                Child(sequence, "btAdd")->click();
            });
            QCOMPARE(Listed(editor).mid(2), (QStringList{"Regular, Unit 0A, Input 1", "1 11"}));
            QCOMPARE(host.prompts.Dialogs(),
                     QStringList{"Select the sequence file|All Sequences|*.kas;*.kms|Animation "
                                 "Sequences|*.kas|Musical Sequences|*.kms|1|E:\\Start\\||one"});
            list->setCurrentRow(0);
            Child(editor, "btRemove")->click(); // answered No
            Child(editor, "btRemove")->click();
            const QString question =
                "Remove triggered sequence: Remove this triggered sequence from the Soundboard?";
            QCOMPARE(host.prompts.Said(), (QStringList{question, question}));
            QCOMPARE(Listed(editor).last(), "-1 00");
            Child<QLineEdit>(editor, "txtName")->setText("Front porch");
            QVERIFY(host.calls.isEmpty()); // the show learns of it on OK
            Child(editor, ok ? "btOK" : "btCancel")->click();

            QVERIFY(!editor.isVisible());
            QCOMPARE(*host.show->InteractiveGroups(), GroupCollection{porch}); // its own group
            const auto expected = Group("Soundboard", "Front porch");
            expected->AddTriggeredSequences(Entry(3, 2, 3, "Doorbell", {"C:\\a.kas"}));
            expected->AddTriggeredSequences(
                Entry(0, 10, 1, "Regular, Unit 0A, Input 1", {"C:\\Seq\\added.kas"}));
            QVERIFY(*porch == (ok ? *expected : before));
            // The show's group holds copies, not the dialog's working objects.
            QVERIFY(porch->GetTriggeredSequences(0) != editor.IG()->GetTriggeredSequences(0));
            QCOMPARE(host.calls.size(), ok ? 2 : 0);
            QCOMPARE(host.prompts.unexpected, 0);
        }
    }
};

BWSHOW_REGISTER_TEST(GroupDialogsTest);

} // namespace bw::test

#include "GroupDialogsTest.moc"
