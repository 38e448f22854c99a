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

const char* const TypeOptions[] = {"opNonIndependentNonInterruptible",
                                   "opNonIndependentInterruptible", "opIndependentInterruptible"};

QStringList Listed(const QWidget& editor) {
    QStringList names;
    const auto* list = Child<QListWidget>(editor, "lbTrigger");
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    return names;
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

// A show whose Soundboard "Porch" has two entries, and an editor open on a copy of it.
struct PorchEditor {
    FakeHost host;
    InteractiveGroupPtr porch = Group("Soundboard", "Porch", {"0 1 1 Front step", "1 2 3 Bell"});
    frmInteractiveGroupEditor editor{host};
    PorchEditor() {
        host.show->InteractiveGroups()->push_back(porch);
        editor.SetOldIG(porch);
        editor.SetEditMode(true);
        editor.show();
    }
    // Edits the selected entry (or adds one) in the triggered sequence editor.
    void EditEntry(int row, std::function<void(frmTriggeredSequenceEditor&)> edit) {
        WhenModal<frmTriggeredSequenceEditor>([edit](frmTriggeredSequenceEditor& sequence) {
            edit(sequence);
            Child(sequence, "btOK")->click();
        });
        Child<QListWidget>(editor, "lbTrigger")->setCurrentRow(row);
        Child(editor, row < 0 ? "btAdd" : "btEdit")->click();
    }
};

} // namespace

class GroupDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void Chooser_OpensWithJukeboxAndTheTypeTexts() {
        FakeHost host;
        frmChooseGroupType chooser(host);
        chooser.show();
        QCOMPARE(chooser.windowTitle(), QStringLiteral("Interactive Group -- Choose a type"));
        QCOMPARE(Child<QLabel>(chooser, "Label4")->text(),
                 "Please choose the type of interactive group you want to create, and click 'OK'.");
        const char* captions[] = {"&Jukebox", "&Soundboard", "&Magic Toy"};
        const char* labels[] = {"lblNonIndependentNonInterruptible",
                                "lblNonIndependentInterruptible", "lblIndependentInterruptible"};
        for (int type = 0; type < 3; ++type) {
            QCOMPARE(Child<QRadioButton>(chooser, TypeOptions[type])->text(), captions[type]);
            QCOMPARE(Child<QRadioButton>(chooser, TypeOptions[type])->isChecked(), type == 0);
            const auto* label = Child<QLabel>(chooser, labels[type]);
            QCOMPARE(label->text(), QString::fromStdString(Group(captions[type] + 1)->TypeDesc())
                                        .replace("\r\n", "\n"));
            QVERIFY(label->heightForWidth(label->width()) <= label->height()); // all of it shows
        }
        QVERIFY2(LayoutFaults(chooser).isEmpty(), qPrintable(LayoutFaults(chooser).join(", ")));
        const QStringList order = {"OKButton",     "CancelButton", TypeOptions[0],
                                   TypeOptions[1], TypeOptions[2], "OKButton"};
        QCOMPARE(TabChain(chooser, "OKButton", order.size()), order);
        Child(chooser, "CancelButton")->click();
        QVERIFY(!chooser.isVisible() && *host.show == Show() && host.calls.isEmpty());
    }

    // Through the chooser, the group editor and the triggered sequence editor into the show.
    void NewGroup_EndToEnd() {
        const QString all =
            "All Sequences|*.kas;*.kms|Animation Sequences|*.kas|Musical Sequences|*.kms";
        const std::pair<QString, QString> types[] = {
            {"Jukebox", all}, {"Soundboard", all}, {"Magic Toy", "Animation Sequences|*.kas"}};
        for (int type = 0; type < 3; ++type) {
            const auto& [name, filter] = types[type];
            PorchEditor porch; // for its show only
            porch.editor.close();
            FakeHost& host = porch.host;
            host.prompts.openAnswers << QStringList{"C:\\Seq\\door.kas"} << QStringList{"bell.kas"};
            QStringList seen;
            WhenModal<frmInteractiveGroupEditor>([&](frmInteractiveGroupEditor& editor) {
                seen << editor.windowTitle() << Child<QLabel>(editor, "lblName")->text()
                     << Child<QLabel>(editor, "lblTabDescription")->text();
                Child<QLineEdit>(editor, "txtName")->setText("Door");
                WhenModal<frmTriggeredSequenceEditor>([&](frmTriggeredSequenceEditor& sequence) {
                    seen << Child<QLineEdit>(sequence, "txtName")->text();
                    Child(sequence, "btAdd")->click();
                    Child(sequence, "btAdd")->click();
                    Child<QComboBox>(sequence, "cmbNetwork")->setCurrentIndex(1);
                    Child(sequence, "btOK")->click();
                });
                Child(editor, "btAdd")->click();
                seen << Listed(editor);
                Child(editor, "btOK")->click();
            });
            // The chooser runs modally, as the main window runs it, and steps aside for the editor.
            frmChooseGroupType chooser(host, nullptr);
            WhenModal<frmChooseGroupType>([&](frmChooseGroupType& shown) {
                Child<QRadioButton>(shown, TypeOptions[type])->click();
                Child(shown, "OKButton")->click();
            });
            QCOMPARE(chooser.exec(), int(QDialog::Accepted));
            QCOMPARE(seen, (QStringList{"Interactive Group - " + name, name + " &Name", name,
                                        "Regular, Unit 01, Input 1", "Aux A, Unit 01, Input 1"}));
            QCOMPARE(host.prompts.Dialogs().value(0).section('|', 1, -5), filter);
            // The new group comes after the show's own, with the files as chosen and resolved.
            const auto expected = Group(name, "Door");
            expected->AddTriggeredSequences(Entry(1, 1, 1, "Aux A, Unit 01, Input 1",
                                                  {"C:\\Seq\\door.kas", "D:\\Seq\\bell.kas"}));
            QCOMPARE(host.show->InteractiveGroups()->size(), std::size_t(2));
            QVERIFY(*host.show->InteractiveGroups()->back() == *expected);
            QCOMPARE(host.calls, (QStringList{"SetUnsavedInfo", "PopulateListboxWithInteractive"}));
        }
    }

    void Editor_OkRefusesInvalidGroups() {
        const QString once = " Triggers may only appear once each in a ";
        // Type, name, entries: the message shown, or none when the group is taken.
        // clang-format off
        const std::tuple<QString, std::string, QStringList, QString> cases[] = {
            {"Soundboard", "", {"0 1 1 A"}, "You must supply a name for this Soundboard"},
            {"Jukebox", " ", {}, "You must put at least one trigger into this group."},
            {"Jukebox", "Door", {"0 1 1 Front", "0 1 1 Back"},
             "Triggers 'Front' and 'Back' are identical." + once + "Jukebox."},
            {"Jukebox", "Door", {"0 1 1 Front", "0 1 1 Front"},
             "Trigger 'Front' appears more than once." + once + "Jukebox."},
            {"Magic Toy", "Toy", {"2 5 9 bell", "2 5 9 Bell"},
             "Triggers 'bell' and 'Bell' are identical." + once + "Magic Toy."},
            {"Soundboard", "D", {"0 1 1 A", "0 1 2 B", "0 1 1 C"},
             "Triggers 'A' and 'C' are identical." + once + "Soundboard."},
            {"Jukebox", "D", {"0 1 1 A", "0 1 2 B", "1 1 1 C", "0 1 2 D"},
             "Triggers 'B' and 'D' are identical." + once + "Jukebox."},
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
            QCOMPARE(host.prompts.Said(),
                     message.isEmpty() ? QStringList()
                                       : QStringList{"Triggered Sequence Not Valid: " + message});
            QCOMPARE(editor.isVisible(), !message.isEmpty());
            QCOMPARE(*host.show->InteractiveGroups(),
                     message.isEmpty() ? GroupCollection{group} : GroupCollection{});
        }
    }

    void Editor_LayoutButtonsAndRemove() {
        FakeHost host;
        const auto group =
            Group("Jukebox", "Hall",
                  {"0 1 1 Front door", "0 1 2 Regular, Unit 01, Input 7", "0 1 3 Stairs"});
        frmInteractiveGroupEditor editor(host);
        editor.SetIG(group);
        editor.show();
        QCOMPARE(editor.minimumSize(), editor.maximumSize());
        QVERIFY2(LayoutFaults(editor).isEmpty(), qPrintable(LayoutFaults(editor).join(", ")));
        // Up and Down never show, so Tab passes from Remove to Edit.
        const QStringList order =
            QString("txtName lbTrigger btAdd btRemove btEdit btOK btCancel").split(' ');
        QCOMPARE(TabChain(editor, "txtName", order.size()), order);
        const auto buttons = [&] {
            return QString("%1%2%3")
                .arg(Child(editor, "btRemove")->isEnabled())
                .arg(Child(editor, "btEdit")->isEnabled())
                .arg(Child(editor, "btUp")->isVisible() || Child(editor, "btDown")->isVisible());
        };
        // The names as given, not the generated ones.
        QCOMPARE(Listed(editor),
                 (QStringList{"Front door", "Regular, Unit 01, Input 7", "Stairs"}));
        QCOMPARE(buttons(), "000");
        auto* list = Child<QListWidget>(editor, "lbTrigger");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QCOMPARE(buttons(), "110");
        host.prompts.questionAnswers << false << true;
        Child(editor, "btRemove")->click();
        QCOMPARE(group->Count(), 3);
        QVERIFY(list->item(1)->isSelected());
        Child(editor, "btRemove")->click();
        const QString question =
            "Remove triggered sequence: Remove this triggered sequence from the Jukebox?";
        QCOMPARE(host.prompts.Said(), (QStringList{question, question}));
        QCOMPARE(Listed(editor), (QStringList{"Front door", "Stairs"}));
        QCOMPARE(group->GetTriggeredSequences(1)->Trig()->Name(), std::string("Stairs"));
        QCOMPARE(buttons(), "000");
        QVERIFY(host.calls.isEmpty()); // the show learns of it on OK
    }

    void EditMode_CancelLeavesTheShowAndOkCopiesIntoItsOwnGroup() {
        for (const bool ok : {false, true}) {
            PorchEditor porch;
            const Show before = Snapshot(*porch.host.show);
            QVERIFY(porch.editor.IG() != porch.porch &&
                    *porch.editor.IG() == *porch.porch); // a copy
            porch.host.prompts.openAnswers << QStringList{"C:\\Seq\\added.kas"};
            porch.host.prompts.questionAnswers << true;
            porch.EditEntry(1, [](frmTriggeredSequenceEditor& sequence) {
                Child<QLineEdit>(sequence, "txtName")->setText("Doorbell");
                Child<QComboBox>(sequence, "cmbNetwork")->setCurrentIndex(3);
            });
            // The list shows the edited name at once, and the selection stays.
            QCOMPARE(Listed(porch.editor), (QStringList{"Front step", "Doorbell"}));
            QCOMPARE(Child<QListWidget>(porch.editor, "lbTrigger")->currentRow(), 1);
            porch.EditEntry(-1, [](frmTriggeredSequenceEditor& sequence) {
                Child<QComboBox>(sequence, "cmbUnit")->setCurrentIndex(9);
                Child(sequence, "btAdd")->click();
            });
            Child<QListWidget>(porch.editor, "lbTrigger")->setCurrentRow(0);
            Child(porch.editor, "btRemove")->click();
            Child<QLineEdit>(porch.editor, "txtName")->setText("Front porch");
            QTest::keyClick(Child<QLineEdit>(porch.editor, "txtName"),
                            ok ? Qt::Key_Return : Qt::Key_Escape);

            QVERIFY(!porch.editor.isVisible());
            QCOMPARE(*porch.host.show->InteractiveGroups(),
                     GroupCollection{porch.porch}); // its own group
            const auto expected = Group("Soundboard", "Front porch");
            expected->AddTriggeredSequences(Entry(3, 2, 3, "Doorbell", {"C:\\a.kas"}));
            expected->AddTriggeredSequences(
                Entry(0, 10, 1, "Regular, Unit 0A, Input 1", {"C:\\Seq\\added.kas"}));
            QVERIFY(ok ? *porch.porch == *expected : *porch.host.show == before);
            // The show's group holds copies, not the dialog's working objects.
            QVERIFY(porch.porch->GetTriggeredSequences(0) !=
                    porch.editor.IG()->GetTriggeredSequences(0));
            QCOMPARE(porch.host.calls.size(), ok ? 2 : 0);
            QCOMPARE(porch.host.prompts.unexpected, 0);
        }
    }
};

BWSHOW_REGISTER_TEST(GroupDialogsTest);

} // namespace bw::test

#include "GroupDialogsTest.moc"
