#include "GroupDialogsTest.h"

#include "DialogTestSupport.h"
#include "dialogs/Twips.h"
#include "dialogs/frmChooseGroupType.h"
#include "dialogs/frmInteractiveGroupEditor.h"
#include "dialogs/frmTriggeredSequenceEditor.h"
#include "model/InteractiveGroupFunctions.h"
#include "showfile/ShowFunctions.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace bw::test {

namespace {

QString Paragraphs(const char* description) {
    return QString::fromUtf8(description).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QStringList Listed(const QListWidget& list) {
    QStringList names;
    for (int row = 0; row < list.count(); ++row)
        names << list.item(row)->text();
    return names;
}

InteractiveGroupPtr GroupOfType(const QString& type) {
    auto group = std::make_shared<InteractiveGroup>();
    const bool magicToy = type == QLatin1String("Magic Toy");
    group->SetIndependent(magicToy);
    group->SetInterruptible(type != QLatin1String("Jukebox"));
    group->SetMusicalAllowed(!magicToy);
    return group;
}

ShowPtr ShowWithGroup() {
    auto show = std::make_shared<Show>();
    auto group = GroupOfType(QStringLiteral("Soundboard"));
    group->SetName("Porch");
    group->AddTriggeredSequences(Entry({0, 1, 1, "Front step"}, {"C:\\Seq\\step.kas"}));
    group->AddTriggeredSequences(Entry({1, 2, 3, "Bell"}, {"C:\\Seq\\bell.kas", "D:\\b.kms"}));
    show->InteractiveGroups()->push_back(group);
    return show;
}

} // namespace

void GroupDialogsTest::Chooser_OpensWithJukeboxAndTheTypeTexts() {
    FakeHost host;
    frmChooseGroupType chooser(host);
    chooser.show();

    QCOMPARE(chooser.windowTitle(), QStringLiteral("Interactive Group -- Choose a type"));
    QCOMPARE(Child<QLabel>(chooser, "Label4")->text(),
             QStringLiteral("Please choose the type of interactive group you want to create, "
                            "and click 'OK'."));
    QCOMPARE(Child<QPushButton>(chooser, "OKButton")->text(), QStringLiteral("OK"));
    QVERIFY(Child<QPushButton>(chooser, "OKButton")->isDefault());
    QCOMPARE(Child<QPushButton>(chooser, "CancelButton")->text(), QStringLiteral("Cancel"));

    const struct {
        const char* option;
        const char* caption;
        const char* label;
        const char* description;
        bool checked;
    } types[] = {
        {"opNonIndependentNonInterruptible", "&Jukebox", "lblNonIndependentNonInterruptible",
         GroupTypeTexts::JukeboxDescription, true},
        {"opNonIndependentInterruptible", "&Soundboard", "lblNonIndependentInterruptible",
         GroupTypeTexts::SoundboardDescription, false},
        {"opIndependentInterruptible", "&Magic Toy", "lblIndependentInterruptible",
         GroupTypeTexts::MagicToyDescription, false},
    };
    for (const auto& type : types) {
        const auto* option = Child<QRadioButton>(chooser, type.option);
        QCOMPARE(option->text(), QString::fromLatin1(type.caption));
        QCOMPARE(option->isChecked(), type.checked);
        const auto* label = Child<QLabel>(chooser, type.label);
        QCOMPARE(label->text(), Paragraphs(type.description));
        QVERIFY(label->wordWrap());
        // The whole description fits its place.
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
        // The description stands under its option, and the next option under the description.
        QVERIFY(label->geometry().top() >= option->geometry().bottom());
    }

    const QStringList tabOrder = {"OKButton",
                                  "CancelButton",
                                  "opNonIndependentNonInterruptible",
                                  "opNonIndependentInterruptible",
                                  "opIndependentInterruptible",
                                  "OKButton"};
    QCOMPARE(TabChain(chooser, "OKButton", tabOrder.size()), tabOrder);

    // Choosing one option switches the others off; a second chooser starts with Jukebox again.
    Child<QRadioButton>(chooser, "opIndependentInterruptible")->click();
    QVERIFY(!Child<QRadioButton>(chooser, "opNonIndependentNonInterruptible")->isChecked());
    frmChooseGroupType again(host);
    QVERIFY(Child<QRadioButton>(again, "opNonIndependentNonInterruptible")->isChecked());
    QVERIFY(!Child<QRadioButton>(again, "opIndependentInterruptible")->isChecked());
}

void GroupDialogsTest::Chooser_CancelMakesNoGroup_data() {
    QTest::addColumn<QString>("where");
    QTest::newRow("chooser Cancel") << "chooser";
    QTest::newRow("chooser Escape") << "chooser Escape";
    QTest::newRow("group editor Cancel") << "editor";
    QTest::newRow("group editor close box after adding a trigger") << "editor close";
}

void GroupDialogsTest::Chooser_CancelMakesNoGroup() {
    QFETCH(QString, where);

    FakeHost host;
    host.prompts.openAnswers << QStringList{QStringLiteral("C:\\Seq\\a.kas")};
    const std::string before = ShowFunctions::ShowToText(*host.show);
    frmChooseGroupType chooser(host);
    chooser.show();

    if (where == QLatin1String("chooser")) {
        Child<QPushButton>(chooser, "CancelButton")->click();
    } else if (where == QLatin1String("chooser Escape")) {
        QTest::keyClick(Child<QWidget>(chooser, "opNonIndependentNonInterruptible"),
                        Qt::Key_Escape);
    } else {
        bool editorOpened = false;
        WhenModal<frmInteractiveGroupEditor>([&](frmInteractiveGroupEditor& editor) {
            editorOpened = true;
            Child<QLineEdit>(editor, "txtName")->setText(QStringLiteral("Never"));
            if (where == QLatin1String("editor close")) {
                WhenModal<frmTriggeredSequenceEditor>([](frmTriggeredSequenceEditor& sequence) {
                    Child<QPushButton>(sequence, "btAdd")->click();
                    Child<QPushButton>(sequence, "btOK")->click();
                });
                Child<QPushButton>(editor, "btAdd")->click();
                QCOMPARE(Child<QListWidget>(editor, "lbTrigger")->count(), 1);
                editor.close();
            } else {
                Child<QPushButton>(editor, "btCancel")->click();
            }
        });
        Child<QPushButton>(chooser, "OKButton")->click();
        QVERIFY(editorOpened);
    }

    QVERIFY(!chooser.isVisible());
    QVERIFY(host.show->InteractiveGroups()->empty());
    QCOMPARE(ShowFunctions::ShowToText(*host.show), before);
    QVERIFY(host.calls.isEmpty());
}

void GroupDialogsTest::NewGroup_EndToEnd_LandsInTheShowAndItsText_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<std::string>("groupText");

    const std::string entries =
        ",Door,((C:\\Seq\\door.kas,( 1,Aux A*S Unit 01*S Input 1, 1, 1),D:\\Seq\\bell.kas)),T)";
    QTest::newRow("Jukebox") << "opNonIndependentNonInterruptible"
                             << "Jukebox"
                             << "All Sequences|*.kas;*.kms|Animation Sequences|*.kas|Musical "
                                "Sequences|*.kms"
                             << "( 1,,F,F,T" + entries;
    QTest::newRow("Soundboard") << "opNonIndependentInterruptible"
                                << "Soundboard"
                                << "All Sequences|*.kas;*.kms|Animation Sequences|*.kas|Musical "
                                   "Sequences|*.kms"
                                << "( 1,,F,T,T" + entries;
    QTest::newRow("Magic Toy") << "opIndependentInterruptible"
                               << "Magic Toy"
                               << "Animation Sequences|*.kas"
                               << "( 1,,T,T,F" + entries;
}

void GroupDialogsTest::NewGroup_EndToEnd_LandsInTheShowAndItsText() {
    QFETCH(QString, option);
    QFETCH(QString, typeName);
    QFETCH(QString, filter);
    QFETCH(std::string, groupText);

    FakeHost host;
    host.show->InteractiveGroups()->push_back(ShowWithGroup()->InteractiveGroups()->front());
    host.prompts.openAnswers << QStringList{QStringLiteral("C:\\Seq\\door.kas")}
                             << QStringList{QStringLiteral("bell.kas")};
    frmChooseGroupType chooser(host, nullptr);

    QString editorTitle, nameLabel, description, nameBefore, nameAfter;
    QStringList listed;
    WhenModal<frmInteractiveGroupEditor>([&](frmInteractiveGroupEditor& editor) {
        editorTitle = editor.windowTitle();
        nameLabel = Child<QLabel>(editor, "lblName")->text();
        description = Child<QLabel>(editor, "lblTabDescription")->text();
        Child<QLineEdit>(editor, "txtName")->setText(QStringLiteral("Door"));
        WhenModal<frmTriggeredSequenceEditor>([&](frmTriggeredSequenceEditor& sequence) {
            nameBefore = Child<QLineEdit>(sequence, "txtName")->text();
            Child<QPushButton>(sequence, "btAdd")->click();
            Child<QPushButton>(sequence, "btAdd")->click();
            Child<QComboBox>(sequence, "cmbNetwork")->setCurrentIndex(1);
            nameAfter = Child<QLineEdit>(sequence, "txtName")->text();
            Child<QPushButton>(sequence, "btOK")->click();
        });
        Child<QPushButton>(editor, "btAdd")->click();
        listed = Listed(*Child<QListWidget>(editor, "lbTrigger"));
        Child<QPushButton>(editor, "btOK")->click();
    });
    // The chooser runs modally, as the main window runs it, and steps aside for the editor.
    WhenModal<frmChooseGroupType>([&](frmChooseGroupType& shown) {
        Child<QRadioButton>(shown, option.toLatin1().constData())->click();
        Child<QPushButton>(shown, "OKButton")->click();
    });
    QCOMPARE(chooser.exec(), int(QDialog::Accepted));

    QVERIFY(!chooser.isVisible());
    QCOMPARE(editorTitle, QStringLiteral("Interactive Group - ") + typeName);
    QCOMPARE(nameLabel, typeName + QStringLiteral(" &Name"));
    QCOMPARE(description, typeName);
    QCOMPARE(nameBefore, QStringLiteral("Regular, Unit 01, Input 1"));
    QCOMPARE(nameAfter, QStringLiteral("Aux A, Unit 01, Input 1"));
    QCOMPARE(listed, QStringList{QStringLiteral("Aux A, Unit 01, Input 1")});

    const QList<ScriptedPrompts::Prompt> dialogs =
        host.prompts.Of(ScriptedPrompts::Kind::OpenFiles);
    QCOMPARE(dialogs.size(), 2);
    QCOMPARE(dialogs[0].request.filter, filter);
    QCOMPARE(dialogs[0].request.filterIndex, 1);
    QCOMPARE(host.prompts.unexpected, 0);

    const GroupCollection& groups = *host.show->InteractiveGroups();
    QCOMPARE(groups.size(), std::size_t(2));
    QCOMPARE(QString::fromStdString(groups.back()->TypeName()), typeName);
    QCOMPARE(InteractiveGroupFunctions::InteractiveGroupToText(*groups.back()), groupText);
    const std::string showText = ShowFunctions::ShowToText(*host.show);
    QVERIFY2(showText.find("Porch") < showText.find(groupText) &&
                 showText.find(groupText) != std::string::npos,
             showText.c_str());
    QCOMPARE(host.calls, (QStringList{QStringLiteral("SetUnsavedInfo"),
                                      QStringLiteral("PopulateListboxWithInteractive")}));
}

void GroupDialogsTest::Editor_Layout_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("description");
    QTest::newRow("Jukebox") << "Jukebox" << Paragraphs(GroupTypeTexts::JukeboxDescription);
    QTest::newRow("Soundboard") << "Soundboard"
                                << Paragraphs(GroupTypeTexts::SoundboardDescription);
    QTest::newRow("Magic Toy") << "Magic Toy" << Paragraphs(GroupTypeTexts::MagicToyDescription);
}

void GroupDialogsTest::Editor_Layout() {
    QFETCH(QString, type);
    QFETCH(QString, description);

    FakeHost host;
    frmInteractiveGroupEditor editor(host);
    editor.SetIG(GroupOfType(type));
    editor.show();

    QCOMPARE(editor.windowTitle(), QStringLiteral("Interactive Group - ") + type);
    QCOMPARE(Child<QLabel>(editor, "lblName")->text(), type + QStringLiteral(" &Name"));
    QCOMPARE(Child<QLabel>(editor, "lblName")->buddy(), Child<QWidget>(editor, "txtName"));
    QCOMPARE(Child<QLabel>(editor, "lblTabDescription")->text(), type);
    const auto* instructions = Child<QLabel>(editor, "lblTabInstructions");
    QCOMPARE(instructions->text(), description);
    QVERIFY(instructions->heightForWidth(instructions->width()) <= instructions->height());
    QCOMPARE(Child<QPushButton>(editor, "btAdd")->toolTip(), QStringLiteral("Add a sequence"));
    QCOMPARE(Child<QPushButton>(editor, "btRemove")->toolTip(),
             QStringLiteral("Remove a sequence"));
    QCOMPARE(Child<QPushButton>(editor, "btEdit")->text(), QStringLiteral("&Edit"));
    QVERIFY(Child<QPushButton>(editor, "btOK")->isDefault());
    QCOMPARE(Child<QPushButton>(editor, "btCancel")->text(), QStringLiteral("Cancel"));
    QCOMPARE(editor.minimumSize(), editor.maximumSize());

    // The three columns stand side by side without overlapping.
    const QRect list = Child<QWidget>(editor, "lbTrigger")->geometry();
    const QRect buttons = Child<QWidget>(editor, "frameListEditor")->geometry();
    const QRect instructionsFrame = Child<QWidget>(editor, "frameInstructions")->geometry();
    QVERIFY(list.right() < buttons.left());
    QVERIFY(buttons.right() < instructionsFrame.left());
    QVERIFY(instructionsFrame.right() < editor.width());

    // Up and Down never show, so Tab passes from Remove to Edit.
    const QStringList tabOrder = {"txtName", "lbTrigger", "btAdd",    "btRemove",
                                  "btEdit",  "btOK",      "btCancel", "txtName"};
    QCOMPARE(TabChain(editor, "txtName", tabOrder.size()), tabOrder);
}

void GroupDialogsTest::Editor_OkRefusesInvalidGroups_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<std::vector<TriggerValues>>("triggers");
    QTest::addColumn<QString>("message");

    QTest::newRow("no name") << "Soundboard"
                             << "" << std::vector<TriggerValues>{{0, 1, 1, "A"}}
                             << "You must supply a name for this Soundboard";
    QTest::newRow("no name, no trigger")
        << "Magic Toy"
        << "" << std::vector<TriggerValues>{} << "You must supply a name for this Magic Toy";
    QTest::newRow("blank name, no trigger") << "Jukebox"
                                            << " " << std::vector<TriggerValues>{}
                                            << "You must put at least one trigger into this group.";
    QTest::newRow("two equal triggers, two names")
        << "Jukebox"
        << "Door" << std::vector<TriggerValues>{{0, 1, 1, "Front"}, {0, 1, 1, "Back"}}
        << "Triggers 'Front' and 'Back' are identical. Triggers may only appear once each in a "
           "Jukebox.";
    QTest::newRow("two equal triggers, one name")
        << "Jukebox"
        << "Door"
        << std::vector<TriggerValues>{{0, 1, 1, "Regular, Unit 01, Input 1"},
                                      {0, 1, 1, "Regular, Unit 01, Input 1"}}
        << "Trigger 'Regular, Unit 01, Input 1' appears more than once. Triggers may only appear "
           "once each in a Jukebox.";
    QTest::newRow("names differing in case")
        << "Magic Toy"
        << "Toy" << std::vector<TriggerValues>{{2, 5, 9, "bell"}, {2, 5, 9, "Bell"}}
        << "Triggers 'bell' and 'Bell' are identical. Triggers may only appear once each in a "
           "Magic Toy.";
    QTest::newRow("three equal triggers")
        << "Soundboard"
        << "Door"
        << std::vector<TriggerValues>{{3, 2, 1, "One"}, {3, 2, 1, "Two"}, {3, 2, 1, "Three"}}
        << "Triggers 'One' and 'Two' are identical. Triggers may only appear once each in a "
           "Soundboard.";
    QTest::newRow("first and last equal")
        << "Soundboard"
        << "Door" << std::vector<TriggerValues>{{0, 1, 1, "A"}, {0, 1, 2, "B"}, {0, 1, 1, "C"}}
        << "Triggers 'A' and 'C' are identical. Triggers may only appear once each in a "
           "Soundboard.";
    QTest::newRow("second pair found after first trigger")
        << "Jukebox"
        << "Door"
        << std::vector<TriggerValues>{{0, 1, 1, "A"},
                                      {0, 1, 2, "B"},
                                      {1, 1, 1, "C"},
                                      {0, 1, 2, "D"}}
        << "Triggers 'B' and 'D' are identical. Triggers may only appear once each in a "
           "Jukebox.";
    QTest::newRow("same names, different triggers")
        << "Jukebox"
        << "Door"
        << std::vector<TriggerValues>{{0, 1, 1, "Same"}, {0, 2, 1, "Same"}, {1, 1, 1, "Same"}}
        << "";
}

void GroupDialogsTest::Editor_OkRefusesInvalidGroups() {
    QFETCH(QString, type);
    QFETCH(QString, name);
    QFETCH(std::vector<TriggerValues>, triggers);
    QFETCH(QString, message);

    FakeHost host;
    const InteractiveGroupPtr group = GroupOfType(type);
    group->SetName(name.toStdString());
    for (const TriggerValues& trigger : triggers)
        group->AddTriggeredSequences(Entry(trigger, {"C:\\a.kas"}));

    frmInteractiveGroupEditor editor(host);
    editor.SetIG(group);
    editor.SetOldIG(std::make_shared<InteractiveGroup>());
    editor.SetEditMode(false);
    editor.show();
    QCOMPARE(Child<QLineEdit>(editor, "txtName")->text(), name);
    Child<QPushButton>(editor, "btOK")->click();

    if (message.isEmpty()) {
        QVERIFY(host.prompts.prompts.isEmpty());
        QVERIFY(!editor.isVisible());
        QCOMPARE(host.show->InteractiveGroups()->size(), std::size_t(1));
        QCOMPARE(host.show->InteractiveGroups()->front().get(), group.get());
        return;
    }
    QCOMPARE(host.prompts.prompts.size(), 1);
    const ScriptedPrompts::Prompt& shown = host.prompts.prompts.constFirst();
    QCOMPARE(int(shown.kind), int(ScriptedPrompts::Kind::Message));
    QCOMPARE(shown.text, message);
    QCOMPARE(shown.title, QStringLiteral("Triggered Sequence Not Valid"));
    QCOMPARE(int(shown.icon), int(UserPrompts::Icon::None));
    QVERIFY(editor.isVisible());
    QVERIFY(host.show->InteractiveGroups()->empty());
    QVERIFY(host.calls.isEmpty());
    QCOMPARE(group->Count(), int(triggers.size()));
}

void GroupDialogsTest::Editor_RemoveAsksAndButtonsFollowSelection() {
    FakeHost host;
    const InteractiveGroupPtr group = GroupOfType(QStringLiteral("Jukebox"));
    group->SetName("Hall");
    group->AddTriggeredSequences(Entry({0, 1, 1, "Front door"}, {"C:\\a.kas"}));
    group->AddTriggeredSequences(Entry({0, 1, 2, "Regular, Unit 01, Input 7"}, {"C:\\b.kas"}));
    group->AddTriggeredSequences(Entry({0, 1, 3, "Stairs"}, {"C:\\c.kas"}));

    frmInteractiveGroupEditor editor(host);
    editor.SetIG(group);
    editor.show();
    auto* list = Child<QListWidget>(editor, "lbTrigger");
    auto* remove = Child<QPushButton>(editor, "btRemove");
    auto* edit = Child<QPushButton>(editor, "btEdit");
    auto* up = Child<QPushButton>(editor, "btUp");
    auto* down = Child<QPushButton>(editor, "btDown");
    auto buttons = [&] {
        return QList<bool>{Child<QPushButton>(editor, "btAdd")->isEnabled(), remove->isEnabled(),
                           edit->isEnabled(), up->isEnabled() || up->isVisible(),
                           down->isEnabled() || down->isVisible()};
    };

    // The names as given, not the generated ones.
    QCOMPARE(Listed(*list), (QStringList{"Front door", "Regular, Unit 01, Input 7", "Stairs"}));
    QCOMPARE(list->selectedItems().size(), 0);
    QCOMPARE(buttons(), (QList<bool>{true, false, false, false, false}));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(buttons(), (QList<bool>{true, true, true, false, false}));

    host.prompts.questionAnswers << false;
    remove->click();
    QCOMPARE(host.prompts.prompts.size(), 1);
    QCOMPARE(int(host.prompts.prompts[0].kind), int(ScriptedPrompts::Kind::Question));
    QCOMPARE(host.prompts.prompts[0].text,
             QStringLiteral("Remove this triggered sequence from the Jukebox?"));
    QCOMPARE(host.prompts.prompts[0].title, QStringLiteral("Remove triggered sequence"));
    QCOMPARE(group->Count(), 3);
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->currentRow(), 1);
    QVERIFY(list->item(1)->isSelected());
    QCOMPARE(buttons(), (QList<bool>{true, true, true, false, false}));

    host.prompts.questionAnswers << true;
    remove->click();
    QCOMPARE(group->Count(), 2);
    QCOMPARE(group->GetTriggeredSequences(1)->Trig()->Name(), std::string("Stairs"));
    QCOMPARE(Listed(*list), (QStringList{"Front door", "Stairs"}));
    QCOMPARE(list->selectedItems().size(), 0);
    QCOMPARE(buttons(), (QList<bool>{true, false, false, false, false}));
    QCOMPARE(host.prompts.unexpected, 0);
    // Removing changes only the dialog's group; the show learns of it on OK.
    QVERIFY(host.calls.isEmpty());
}

void GroupDialogsTest::EditMode_CancelAfterEditingInside_LeavesTheShowUnchanged_data() {
    QTest::addColumn<QString>("closeBy");
    QTest::newRow("Cancel button") << "button";
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("close box") << "close";
}

void GroupDialogsTest::EditMode_CancelAfterEditingInside_LeavesTheShowUnchanged() {
    QFETCH(QString, closeBy);

    FakeHost host;
    host.show = ShowWithGroup();
    const InteractiveGroupPtr showsGroup = host.show->InteractiveGroups()->front();
    const TriggeredSequencesPtr firstEntry = showsGroup->GetTriggeredSequences(0);
    const std::string before = ShowFunctions::ShowToText(*host.show);
    host.prompts.openAnswers << QStringList{QStringLiteral("C:\\Seq\\new.kas")}
                             << QStringList{QStringLiteral("C:\\Seq\\added.kas")};
    host.prompts.questionAnswers << true;

    frmInteractiveGroupEditor editor(host);
    editor.SetOldIG(showsGroup);
    editor.SetEditMode(true);
    editor.show();
    QVERIFY(editor.IG() != showsGroup);
    auto* list = Child<QListWidget>(editor, "lbTrigger");
    QCOMPARE(Listed(*list), (QStringList{"Front step", "Bell"}));

    // Edit the first trigger: other input, one more file.
    list->setCurrentRow(0);
    WhenModal<frmTriggeredSequenceEditor>([](frmTriggeredSequenceEditor& sequence) {
        Child<QComboBox>(sequence, "cmbInputNumber")->setCurrentIndex(40);
        Child<QPushButton>(sequence, "btAdd")->click();
        Child<QPushButton>(sequence, "btOK")->click();
    });
    Child<QPushButton>(editor, "btEdit")->click();
    QCOMPARE(editor.IG()->GetTriggeredSequences(0)->Trig()->InputNumber(), 41);
    QCOMPARE(editor.IG()->GetTriggeredSequences(0)->NumSequences(), 2);

    // Add a trigger, remove the second one, rename the group.
    WhenModal<frmTriggeredSequenceEditor>([](frmTriggeredSequenceEditor& sequence) {
        Child<QComboBox>(sequence, "cmbUnit")->setCurrentIndex(9);
        Child<QPushButton>(sequence, "btAdd")->click();
        Child<QPushButton>(sequence, "btOK")->click();
    });
    Child<QPushButton>(editor, "btAdd")->click();
    list->setCurrentRow(1);
    Child<QPushButton>(editor, "btRemove")->click();
    Child<QLineEdit>(editor, "txtName")->setText(QStringLiteral("Renamed"));
    QCOMPARE(Listed(*list), (QStringList{"Front step", "Regular, Unit 0A, Input 1"}));
    QCOMPARE(host.prompts.unexpected, 0);

    if (closeBy == QLatin1String("Escape"))
        QTest::keyClick(list, Qt::Key_Escape);
    else if (closeBy == QLatin1String("close"))
        editor.close();
    else
        Child<QPushButton>(editor, "btCancel")->click();

    QVERIFY(!editor.isVisible());
    QCOMPARE(ShowFunctions::ShowToText(*host.show), before);
    QCOMPARE(host.show->InteractiveGroups()->front().get(), showsGroup.get());
    QCOMPARE(showsGroup->GetTriggeredSequences(0).get(), firstEntry.get());
    QCOMPARE(firstEntry->Trig()->InputNumber(), 1);
    QVERIFY(host.calls.isEmpty());
}

void GroupDialogsTest::EditMode_OkCopiesIntoTheShowsOwnGroup() {
    FakeHost host;
    host.show = ShowWithGroup();
    const InteractiveGroupPtr showsGroup = host.show->InteractiveGroups()->front();

    frmInteractiveGroupEditor editor(host);
    editor.SetOldIG(showsGroup);
    editor.SetEditMode(true);
    editor.show();
    auto* list = Child<QListWidget>(editor, "lbTrigger");
    list->setCurrentRow(1);
    WhenModal<frmTriggeredSequenceEditor>([](frmTriggeredSequenceEditor& sequence) {
        Child<QLineEdit>(sequence, "txtName")->setText(QStringLiteral("Doorbell"));
        Child<QComboBox>(sequence, "cmbNetwork")->setCurrentIndex(3);
        Child<QPushButton>(sequence, "btOK")->click();
    });
    Child<QPushButton>(editor, "btEdit")->click();
    // The list shows the edited name at once, and the selection stays.
    QCOMPARE(Listed(*list), (QStringList{"Front step", "Doorbell"}));
    QCOMPARE(list->currentRow(), 1);
    Child<QLineEdit>(editor, "txtName")->setText(QStringLiteral("Front porch"));
    QTest::keyClick(Child<QLineEdit>(editor, "txtName"), Qt::Key_Return);

    QVERIFY(!editor.isVisible());
    QCOMPARE(host.show->InteractiveGroups()->size(), std::size_t(1));
    QCOMPARE(host.show->InteractiveGroups()->front().get(), showsGroup.get());
    QCOMPARE(showsGroup->Name(), std::string("Front porch"));
    QCOMPARE(showsGroup->TypeName(), std::string("Soundboard"));
    QCOMPARE(showsGroup->Count(), 2);
    const TriggerPtr& edited = showsGroup->GetTriggeredSequences(1)->Trig();
    QCOMPARE(edited->Name(), std::string("Doorbell"));
    QCOMPARE(edited->Network(), 3);
    QCOMPARE(edited->UnitId(), 2);
    QCOMPARE(edited->InputNumber(), 3);
    QCOMPARE(showsGroup->GetTriggeredSequences(1)->Sequences(),
             (std::vector<std::string>{"C:\\Seq\\bell.kas", "D:\\b.kms"}));
    // The show's group holds copies, not the dialog's working objects.
    QVERIFY(showsGroup->GetTriggeredSequences(1) != editor.IG()->GetTriggeredSequences(1));
    QCOMPARE(host.calls, (QStringList{QStringLiteral("SetUnsavedInfo"),
                                      QStringLiteral("PopulateListboxWithInteractive")}));
}

} // namespace bw::test
