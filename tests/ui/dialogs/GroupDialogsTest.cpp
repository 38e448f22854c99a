// The group type chooser and the interactive group editor, alone and end to end.
#include "DialogTestSupport.h"
#include "dialogs/frmChooseGroupType.h"
#include "dialogs/frmInteractiveGroupEditor.h"
#include "dialogs/frmTriggeredSequenceEditor.h"
#include "model/InteractiveGroupFunctions.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace bw::test {

namespace {

const char* const TypeOptions[] = {"opNonIndependentNonInterruptible",
                                   "opNonIndependentInterruptible", "opIndependentInterruptible"};

QStringList Listed(const QListWidget& list) {
    QStringList names;
    for (int row = 0; row < list.count(); ++row)
        names << list.item(row)->text();
    return names;
}

// A group of the named type, as the chooser makes it.
InteractiveGroupPtr GroupOfType(const QString& type, const std::string& name = {}) {
    auto group = std::make_shared<InteractiveGroup>();
    group->SetIndependent(type == "Magic Toy");
    group->SetInterruptible(type != "Jukebox");
    group->SetMusicalAllowed(type != "Magic Toy");
    group->SetName(name);
    return group;
}

ShowPtr ShowWithPorch() {
    auto show = std::make_shared<Show>();
    auto group = GroupOfType("Soundboard", "Porch");
    group->AddTriggeredSequences(Entry(0, 1, 1, "Front step", {"C:\\Seq\\step.kas"}));
    group->AddTriggeredSequences(Entry(1, 2, 3, "Bell", {"C:\\Seq\\bell.kas", "D:\\b.kms"}));
    show->InteractiveGroups()->push_back(group);
    return show;
}

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
        QVERIFY(Child(chooser, "OKButton")->isDefault());
        const char* captions[] = {"&Jukebox", "&Soundboard", "&Magic Toy"};
        const char* labels[] = {"lblNonIndependentNonInterruptible",
                                "lblNonIndependentInterruptible", "lblIndependentInterruptible"};
        const char* descriptions[] = {GroupTypeTexts::JukeboxDescription,
                                      GroupTypeTexts::SoundboardDescription,
                                      GroupTypeTexts::MagicToyDescription};
        for (int type = 0; type < 3; ++type) {
            const auto* option = Child<QRadioButton>(chooser, TypeOptions[type]);
            QCOMPARE(option->text(), captions[type]);
            QCOMPARE(option->isChecked(), type == 0);
            const auto* label = Child<QLabel>(chooser, labels[type]);
            QCOMPARE(label->text(), QString(descriptions[type]).replace("\r\n", "\n"));
            QVERIFY(label->heightForWidth(label->width()) <= label->height()); // all of it shows
        }
        QVERIFY2(LayoutFaults(chooser).isEmpty(), qPrintable(LayoutFaults(chooser).join(", ")));
        const QStringList order = {"OKButton",     "CancelButton", TypeOptions[0],
                                   TypeOptions[1], TypeOptions[2], "OKButton"};
        QCOMPARE(TabChain(chooser, "OKButton", order.size()), order);
    }

    void Chooser_CancelMakesNoGroup() {
        for (const QString where : {"chooser", "Escape", "editor", "editor close box"}) {
            FakeHost host;
            host.prompts.openAnswers << QStringList{"C:\\Seq\\a.kas"};
            frmChooseGroupType chooser(host);
            chooser.show();
            bool editorOpened = false;
            if (where.startsWith("editor"))
                WhenModal<frmInteractiveGroupEditor>([&](frmInteractiveGroupEditor& editor) {
                    editorOpened = true;
                    Child<QLineEdit>(editor, "txtName")->setText("Never");
                    if (where == "editor") {
                        Child(editor, "btCancel")->click();
                        return;
                    }
                    WhenModal<frmTriggeredSequenceEditor>([](frmTriggeredSequenceEditor& sequence) {
                        Child(sequence, "btAdd")->click();
                        Child(sequence, "btOK")->click();
                    });
                    Child(editor, "btAdd")->click();
                    QCOMPARE(Child<QListWidget>(editor, "lbTrigger")->count(), 1);
                    editor.close();
                });
            if (where == "chooser")
                Child(chooser, "CancelButton")->click();
            else if (where == "Escape")
                QTest::keyClick(Child<QWidget>(chooser, TypeOptions[0]), Qt::Key_Escape);
            else
                Child(chooser, "OKButton")->click();
            QCOMPARE(editorOpened, where.startsWith("editor"));
            QVERIFY(!chooser.isVisible());
            QVERIFY(*host.show == Show());
            QVERIFY(host.calls.isEmpty());
        }
    }

    void NewGroup_EndToEnd_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("filter");
        const QString all =
            "All Sequences|*.kas;*.kms|Animation Sequences|*.kas|Musical Sequences|*.kms";
        QTest::newRow("Jukebox") << 0 << "Jukebox" << all;
        QTest::newRow("Soundboard") << 1 << "Soundboard" << all;
        QTest::newRow("Magic Toy") << 2 << "Magic Toy"
                                   << "Animation Sequences|*.kas";
    }
    void NewGroup_EndToEnd() {
        QFETCH(int, option);
        QFETCH(QString, type);
        QFETCH(QString, filter);
        FakeHost host;
        host.show = ShowWithPorch();
        host.prompts.openAnswers << QStringList{"C:\\Seq\\door.kas"} << QStringList{"bell.kas"};
        frmChooseGroupType chooser(host, nullptr);
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
            seen << Listed(*Child<QListWidget>(editor, "lbTrigger"));
            Child(editor, "btOK")->click();
        });
        // The chooser runs modally, as the main window runs it, and steps aside for the editor.
        WhenModal<frmChooseGroupType>([&](frmChooseGroupType& shown) {
            Child<QRadioButton>(shown, TypeOptions[option])->click();
            Child(shown, "OKButton")->click();
        });
        QCOMPARE(chooser.exec(), int(QDialog::Accepted));

        QCOMPARE(seen, (QStringList{"Interactive Group - " + type, type + " &Name", type,
                                    "Regular, Unit 01, Input 1", "Aux A, Unit 01, Input 1"}));
        const auto dialogs = host.prompts.Of(Kind::OpenFiles);
        QCOMPARE(dialogs.size(), 2);
        QCOMPARE(dialogs[0].request.filter, filter);
        // The new group comes after the show's own, with the files as chosen and resolved.
        const auto expected = GroupOfType(type, "Door");
        expected->AddTriggeredSequences(
            Entry(1, 1, 1, "Aux A, Unit 01, Input 1", {"C:\\Seq\\door.kas", "D:\\Seq\\bell.kas"}));
        QCOMPARE(host.show->InteractiveGroups()->size(), std::size_t(2));
        QVERIFY(*host.show->InteractiveGroups()->front() ==
                *ShowWithPorch()->InteractiveGroups()->front());
        QVERIFY(*host.show->InteractiveGroups()->back() == *expected);
        QCOMPARE(host.calls, (QStringList{"SetUnsavedInfo", "PopulateListboxWithInteractive"}));
    }

    void Editor_Layout() {
        for (const QString type : {"Jukebox", "Soundboard", "Magic Toy"}) {
            FakeHost host;
            frmInteractiveGroupEditor editor(host);
            editor.SetIG(GroupOfType(type));
            editor.show();
            QCOMPARE(Child<QLabel>(editor, "lblName")->buddy(), Child<QWidget>(editor, "txtName"));
            const auto* instructions = Child<QLabel>(editor, "lblTabInstructions");
            QCOMPARE(instructions->text(),
                     QString::fromStdString(GroupOfType(type)->TypeDesc()).replace("\r\n", "\n"));
            QVERIFY(instructions->heightForWidth(instructions->width()) <= instructions->height());
            QVERIFY(Child(editor, "btOK")->isDefault());
            QCOMPARE(editor.minimumSize(), editor.maximumSize());
            QVERIFY2(LayoutFaults(editor).isEmpty(), qPrintable(LayoutFaults(editor).join(", ")));
            // Up and Down never show, so Tab passes from Remove to Edit.
            const QStringList order = {"txtName", "lbTrigger", "btAdd",    "btRemove",
                                       "btEdit",  "btOK",      "btCancel", "txtName"};
            QCOMPARE(TabChain(editor, "txtName", order.size()), order);
        }
    }

    void Editor_OkRefusesInvalidGroups_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("triggers"); // "network unit input name"
        QTest::addColumn<QString>("message");
        const QString once = " Triggers may only appear once each in a ";
        QTest::newRow("no name") << "Soundboard"
                                 << "" << QStringList{"0 1 1 A"}
                                 << "You must supply a name for this Soundboard";
        QTest::newRow("blank name, no trigger")
            << "Jukebox"
            << " " << QStringList{} << "You must put at least one trigger into this group.";
        QTest::newRow("two equal triggers")
            << "Jukebox"
            << "Door" << QStringList{"0 1 1 Front", "0 1 1 Back"}
            << "Triggers 'Front' and 'Back' are identical." + once + "Jukebox.";
        QTest::newRow("two equal triggers, one name")
            << "Jukebox"
            << "Door" << QStringList{"0 1 1 Front", "0 1 1 Front"}
            << "Trigger 'Front' appears more than once." + once + "Jukebox.";
        QTest::newRow("names differing in case")
            << "Magic Toy"
            << "Toy" << QStringList{"2 5 9 bell", "2 5 9 Bell"}
            << "Triggers 'bell' and 'Bell' are identical." + once + "Magic Toy.";
        QTest::newRow("first and last equal")
            << "Soundboard"
            << "Door" << QStringList{"0 1 1 A", "0 1 2 B", "0 1 1 C"}
            << "Triggers 'A' and 'C' are identical." + once + "Soundboard.";
        QTest::newRow("second pair")
            << "Jukebox"
            << "Door" << QStringList{"0 1 1 A", "0 1 2 B", "1 1 1 C", "0 1 2 D"}
            << "Triggers 'B' and 'D' are identical." + once + "Jukebox.";
        QTest::newRow("same names, different triggers")
            << "Jukebox"
            << "Door" << QStringList{"0 1 1 Same", "0 2 1 Same", "1 1 1 Same"} << "";
    }
    void Editor_OkRefusesInvalidGroups() {
        QFETCH(QString, type);
        QFETCH(QString, name);
        QFETCH(QStringList, triggers);
        QFETCH(QString, message);
        FakeHost host;
        const InteractiveGroupPtr group = GroupOfType(type, name.toStdString());
        for (const QString& trigger : triggers) {
            const QStringList parts = trigger.split(' ');
            group->AddTriggeredSequences(Entry(parts[0].toInt(), parts[1].toInt(), parts[2].toInt(),
                                               parts[3].toStdString(), {"C:\\a.kas"}));
        }
        frmInteractiveGroupEditor editor(host);
        editor.SetIG(group);
        editor.SetEditMode(false);
        editor.show();
        Child(editor, "btOK")->click();
        QCOMPARE(editor.isVisible(), !message.isEmpty());
        QCOMPARE(host.show->InteractiveGroups()->size(), std::size_t(message.isEmpty() ? 1 : 0));
        if (message.isEmpty()) {
            QVERIFY(host.show->InteractiveGroups()->front() == group);
            return;
        }
        QCOMPARE(host.prompts.prompts.size(), 1);
        QCOMPARE(host.prompts.prompts[0].text, message);
        QCOMPARE(host.prompts.prompts[0].title, QStringLiteral("Triggered Sequence Not Valid"));
        QCOMPARE(host.prompts.prompts[0].icon, UserPrompts::Icon::None);
    }

    void Editor_RemoveAsksAndButtonsFollowSelection() {
        FakeHost host;
        const InteractiveGroupPtr group = GroupOfType("Jukebox", "Hall");
        for (const char* name : {"Front door", "Regular, Unit 01, Input 7", "Stairs"})
            group->AddTriggeredSequences(Entry(0, 1, group->Count() + 1, name, {"C:\\a.kas"}));
        frmInteractiveGroupEditor editor(host);
        editor.SetIG(group);
        editor.show();
        auto* list = Child<QListWidget>(editor, "lbTrigger");
        const auto buttons = [&] {
            QList<bool> enabled;
            for (const char* name : {"btAdd", "btRemove", "btEdit"})
                enabled << Child(editor, name)->isEnabled();
            return enabled << Child(editor, "btUp")->isVisible()
                           << Child(editor, "btDown")->isVisible();
        };
        // The names as given, not the generated ones.
        QCOMPARE(Listed(*list), (QStringList{"Front door", "Regular, Unit 01, Input 7", "Stairs"}));
        QCOMPARE(buttons(), (QList<bool>{true, false, false, false, false}));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QCOMPARE(buttons(), (QList<bool>{true, true, true, false, false}));

        host.prompts.questionAnswers << false << true;
        Child(editor, "btRemove")->click();
        QCOMPARE(host.prompts.prompts.value(0).text,
                 QStringLiteral("Remove this triggered sequence from the Jukebox?"));
        QCOMPARE(host.prompts.prompts.value(0).title, QStringLiteral("Remove triggered sequence"));
        QCOMPARE(group->Count(), 3);
        QVERIFY(list->item(1)->isSelected());
        Child(editor, "btRemove")->click();
        QCOMPARE(Listed(*list), (QStringList{"Front door", "Stairs"}));
        QCOMPARE(group->GetTriggeredSequences(1)->Trig()->Name(), std::string("Stairs"));
        QCOMPARE(buttons(), (QList<bool>{true, false, false, false, false}));
        QVERIFY(host.calls.isEmpty()); // the show learns of it on OK
    }

    void EditMode_CancelAfterEditingInside_LeavesTheShowUnchanged() {
        for (const char* closeBy : {"button", "Escape", "close box"}) {
            FakeHost host;
            host.show = ShowWithPorch();
            const Show before = Snapshot(*host.show);
            const InteractiveGroupPtr porch = host.show->InteractiveGroups()->front();
            host.prompts.openAnswers << QStringList{"C:\\Seq\\new.kas"}
                                     << QStringList{"C:\\Seq\\added.kas"};
            host.prompts.questionAnswers << true;
            frmInteractiveGroupEditor editor(host);
            editor.SetOldIG(porch);
            editor.SetEditMode(true);
            editor.show();
            QVERIFY(editor.IG() != porch && *editor.IG() == *porch); // a copy to work on
            auto* list = Child<QListWidget>(editor, "lbTrigger");
            list->setCurrentRow(0);
            WhenModal<frmTriggeredSequenceEditor>([](frmTriggeredSequenceEditor& sequence) {
                Child<QComboBox>(sequence, "cmbInputNumber")->setCurrentIndex(40);
                Child(sequence, "btAdd")->click();
                Child(sequence, "btOK")->click();
            });
            Child(editor, "btEdit")->click();
            QCOMPARE(editor.IG()->GetTriggeredSequences(0)->NumSequences(), 2);
            WhenModal<frmTriggeredSequenceEditor>([](frmTriggeredSequenceEditor& sequence) {
                Child<QComboBox>(sequence, "cmbUnit")->setCurrentIndex(9);
                Child(sequence, "btAdd")->click();
                Child(sequence, "btOK")->click();
            });
            Child(editor, "btAdd")->click();
            list->setCurrentRow(1);
            Child(editor, "btRemove")->click();
            Child<QLineEdit>(editor, "txtName")->setText("Renamed");
            QCOMPARE(Listed(*list), (QStringList{"Front step", "Regular, Unit 0A, Input 1"}));
            if (closeBy == std::string("Escape"))
                QTest::keyClick(list, Qt::Key_Escape);
            else if (closeBy == std::string("close box"))
                editor.close();
            else
                Child(editor, "btCancel")->click();
            QVERIFY2(*host.show == before && host.show->InteractiveGroups()->front() == porch,
                     closeBy);
            QVERIFY(host.calls.isEmpty() && host.prompts.unexpected == 0);
        }
    }

    void EditMode_OkCopiesIntoTheShowsOwnGroup() {
        FakeHost host;
        host.show = ShowWithPorch();
        const InteractiveGroupPtr porch = host.show->InteractiveGroups()->front();
        frmInteractiveGroupEditor editor(host);
        editor.SetOldIG(porch);
        editor.SetEditMode(true);
        editor.show();
        auto* list = Child<QListWidget>(editor, "lbTrigger");
        list->setCurrentRow(1);
        WhenModal<frmTriggeredSequenceEditor>([](frmTriggeredSequenceEditor& sequence) {
            Child<QLineEdit>(sequence, "txtName")->setText("Doorbell");
            Child<QComboBox>(sequence, "cmbNetwork")->setCurrentIndex(3);
            Child(sequence, "btOK")->click();
        });
        Child(editor, "btEdit")->click();
        // The list shows the edited name at once, and the selection stays.
        QCOMPARE(Listed(*list), (QStringList{"Front step", "Doorbell"}));
        QCOMPARE(list->currentRow(), 1);
        Child<QLineEdit>(editor, "txtName")->setText("Front porch");
        QTest::keyClick(Child<QLineEdit>(editor, "txtName"), Qt::Key_Return);

        const auto expected = GroupOfType("Soundboard", "Front porch");
        expected->AddTriggeredSequences(Entry(0, 1, 1, "Front step", {"C:\\Seq\\step.kas"}));
        expected->AddTriggeredSequences(
            Entry(3, 2, 3, "Doorbell", {"C:\\Seq\\bell.kas", "D:\\b.kms"}));
        QCOMPARE(host.show->InteractiveGroups()->size(), std::size_t(1));
        QCOMPARE(host.show->InteractiveGroups()->front(), porch);
        QVERIFY(*porch == *expected);
        // The show's group holds copies, not the dialog's working objects.
        QVERIFY(porch->GetTriggeredSequences(1) != editor.IG()->GetTriggeredSequences(1));
        QCOMPARE(host.calls, (QStringList{"SetUnsavedInfo", "PopulateListboxWithInteractive"}));
    }
};

BWSHOW_REGISTER_TEST(GroupDialogsTest);

} // namespace bw::test

#include "GroupDialogsTest.moc"
