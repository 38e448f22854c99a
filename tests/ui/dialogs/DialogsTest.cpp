// The interactive group dialogs: the type chooser, the group editor and the triggered sequence
// editor it opens for each entry; the show options dialog, what it shows of the show and what OK
// writes; and the parts the dialogs share: the trigger lists and the captioned frame.
#include "DialogTestSupport.h"
#include "dialogs/LibDropdown.h"
#include "dialogs/frmChooseGroupType.h"
#include "dialogs/frmInteractiveGroupEditor.h"
#include "dialogs/frmOptions.h"
#include "dialogs/frmTriggeredSequenceEditor.h"
#include "widgets/FormControls.h"
#include "widgets/QtUserPrompts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>

#include <functional>

namespace bw::test {

namespace {

const QStringList Types = {"Jukebox", "Soundboard", "Magic Toy"};
const QStringList Descriptions = {"jukebox", "soundboard", "magic-toy"}; // their files
const QStringList TypeOptions = {"opNonIndependentNonInterruptible",
                                 "opNonIndependentInterruptible", "opIndependentInterruptible"};

// The names listed in a group editor, then the current row and whether Remove and Edit can be
// clicked ("1 11").
QStringList Listed(const QWidget& editor) {
    QStringList shown;
    const auto* list = Child<QListWidget>(editor, "lbTrigger");
    for (int row = 0; row < list->count(); ++row)
        shown << list->item(row)->text();
    return shown << QString::asprintf("%d %d%d", list->currentRow(),
                                      Child(editor, "btRemove")->isEnabled(),
                                      Child(editor, "btEdit")->isEnabled());
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

using Files = std::vector<std::string>;

// An open editor for a new triggered sequence of a group.
struct OpenEditor {
    FakeHost host;
    InteractiveGroupPtr group = std::make_shared<InteractiveGroup>();
    TriggeredSequencesPtr entry;
    frmTriggeredSequenceEditor dialog{host};
    QTreeWidget* files = Child<QTreeWidget>(dialog, "lvSequences");
    QLineEdit* name = Child<QLineEdit>(dialog, "txtName");

    // The trigger as "network unit input".
    OpenEditor(const QString& trigger, const std::string& triggerName, const Files& sequences)
        : entry(Entry(trigger.section(' ', 0, 0).toInt(), trigger.section(' ', 1, 1).toInt(),
                      trigger.section(' ', 2, 2).toInt(), triggerName, sequences)) {
        dialog.SetIG(group);
        dialog.SetTS(entry);
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

const char* const Lists[] = {"cmbStartupTriggerNetwork", "cmbStartupTriggerUnitID",
                             "cmbStartupTriggerInputNumber"};

QRadioButton* Option(const QWidget& dialog, const QString& group, int index) {
    return Child<QRadioButton>(dialog, group + QString::number(index));
}

// The dialog as the person sees it: the checked options, the three lists' texts, and whether the
// startup type and the startup trigger frames can be used ("10": only the type).
QString Shown(const QWidget& dialog) {
    QString shown;
    for (int option = 0; option < 3; ++option)
        if (Option(dialog, "optStartupType", option)->isChecked())
            shown += QString::number(option);
    shown += Option(dialog, "optSequenceLoading", 1)->isChecked() ? " preload" : " on demand";
    for (const char* list : Lists)
        shown += '|' + Child<QComboBox>(dialog, list)->currentText();
    return shown + QString::asprintf("|%d%d",
                                     Child<QWidget>(dialog, "frameStartupType")->isEnabled(),
                                     Child<QWidget>(dialog, "frameStartupTrigger")->isEnabled());
}

} // namespace

class DialogsTest : public QObject {
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
                    QCOMPARE(label->text(),
                             DataText("model/descriptions/" + Descriptions[option] + ".txt")
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
        for (const QString& line : DataLines("dialogs/invalid-groups.txt")) {
            const QStringList field = line.split('|');
            FakeHost host;
            frmInteractiveGroupEditor editor(host);
            editor.SetIG(
                Group(field[0], field[1].toStdString(), field[2].split(',', Qt::SkipEmptyParts)));
            editor.show();
            Child(editor, "btOK")->click();
            QCOMPARE(host.prompts.Said(), QStringList{"Triggered Sequence Not Valid: " + field[3]});
            QVERIFY(editor.isVisible() && host.show->InteractiveGroups()->empty());
        }
    }

    // Editing a show's group works on a copy: Cancel leaves the show, OK copies the edits, adds
    // and removals into the show's own group object, as copies.
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
            QCOMPARE(host.prompts.Said(),
                     QStringList(2, "Remove triggered sequence: Remove this "
                                    "triggered sequence from the Soundboard?"));
            QCOMPARE(Listed(editor).last(), "-1 00");
            Child<QLineEdit>(editor, "txtName")->setText("Front porch");
            Child(editor, ok ? "btOK" : "btCancel")->click();

            QVERIFY(!editor.isVisible());
            QCOMPARE(*host.show->InteractiveGroups(), GroupCollection{porch}); // its own group
            const auto expected = Group("Soundboard", "Front porch", {"3 2 3 Doorbell"});
            expected->AddTriggeredSequences(
                Entry(0, 10, 1, "Regular, Unit 0A, Input 1", {"C:\\Seq\\added.kas"}));
            QVERIFY(*porch == (ok ? *expected : before) &&
                    porch->GetTriggeredSequences(0) != editor.IG()->GetTriggeredSequences(0));
            QCOMPARE(host.calls.size(), ok ? 2 : 0);
        }
    }

    // The name follows the lists until one is typed; OK writes the lists into the trigger.
    void SequenceEditor_NameFollowsAndOkWrites() {
        for (const QString& line : DataLines("dialogs/name-follows.txt")) {
            const QStringList field = line.split('|');
            const QStringList steps = field[2].split(';', Qt::SkipEmptyParts);
            const QStringList names = field[3].split(';', Qt::SkipEmptyParts);
            OpenEditor editor(field[0], field[1].toStdString(), {"C:\\a.kas"});
            const TriggerPtr original = editor.entry->Trig();
            for (int step = 0; step < steps.size(); ++step) {
                editor.Apply(steps[step]);
                QCOMPARE(editor.name->text(), names.value(step));
            }
            QCOMPARE(original->Network(), field[0].section(' ', 0, 0).toInt()); // not before OK
            editor.Click("btOK");
            QVERIFY(!editor.dialog.isVisible() && editor.entry->Trig() == original);
            QCOMPARE(QString::asprintf("%d %d %d", original->Network(), original->UnitId(),
                                       original->InputNumber()),
                     field[4]);
            QCOMPARE(QString::fromStdString(original->Name()),
                     names.value(names.size() - 1, field[1]));
        }
    }

    // Add, Remove, Up and Down change the list only; OK writes it, and refuses an empty one.
    void SequenceEditor_FilesChangeTheListUntilOk() {
        OpenEditor editor("0 1 1", "x", {"C:\\a.kas", "C:\\b.kas"});
        QCOMPARE(FormFaults(editor.dialog, "sequence-editor").join(", "), "");
        const QString folder = "F:\\A folder with a rather long name\\and a deeper one\\";
        editor.host.prompts.openAnswers << QStringList{folder + "c.kms"} << std::nullopt
                                        << QStringList{"x.kas"};
        QCOMPARE(editor.Shown(), (QStringList{"a.kas|C:\\", "b.kas|C:\\", "-1 1000"}));
        editor.Select(1);
        editor.Click("btAdd"); // the new file comes last, selected, and its folder fits the column
        QVERIFY(editor.files->columnWidth(1) >=
                QFontMetrics(editor.files->font()).horizontalAdvance(folder));
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
        QVERIFY(editor.group->Count() == 1 &&
                editor.group->GetTriggeredSequences(0) == editor.entry);

        // Without a file OK is refused; a new entry that is cancelled stays out of the group.
        OpenEditor empty("1 2 3", "Gate", {});
        empty.Click("btOK");
        empty.Apply("n2");
        empty.Click("btCancel");
        QCOMPARE(empty.host.prompts.Said(),
                 QStringList{"Triggered Sequence Not Valid: You must include a sequence file."});
        QVERIFY(!empty.dialog.isVisible() && empty.group->Count() == 0 &&
                *empty.entry == *Entry(1, 2, 3, "Gate", {}));
    }

    // What the dialog shows of the show, and what it writes there when it closes.
    void ShowsTheShowAndWritesOnOkOnly() {
        for (const QString& line : DataLines("dialogs/options-cases.txt")) {
            const QStringList field = line.split(';');
            const QStringList before = field[0].split(' ');
            FakeHost host;
            host.show->SetStartupType(before[0].toInt());
            if (before[1] != "-")
                host.show->SetStartupTrigger(TriggerFunctions::NewTrigger(
                    before[1].toInt(), before[2].toInt(), before[3].toInt(), "Porch"));
            host.show->SetPreloadSequences(before.last() == "1");
            const TriggerPtr original = host.show->StartupTrigger();
            frmOptions dialog(host);
            dialog.SetShow(before[0] == "-1" ? nullptr : host.show);
            dialog.show();
            QCOMPARE(FormFaults(dialog, "options").join(", "), "");
            QCOMPARE(Shown(dialog), field[1]);
            for (const QString& click : field[2].split(' ', Qt::SkipEmptyParts)) {
                const int value = click.mid(1).toInt();
                if (const int list = QString("nui").indexOf(click[0]); list >= 0)
                    Child<QComboBox>(dialog, Lists[list])->setCurrentIndex(value);
                else
                    Option(dialog, click[0] == 'o' ? "optStartupType" : "optSequenceLoading", value)
                        ->click();
            }
            QCOMPARE(Shown(dialog), field[3]);
            const bool ok = field[4].startsWith("cmdOK"), failing = field[4].endsWith('!');
            host.failSetUnsavedInfo = failing;
            Child(dialog, ok ? "cmdOK" : "cmdCancel")->click();
            // Saving that fails says why and leaves the dialog open, and what was written stays.
            QCOMPARE(host.prompts.Said().join(""),
                     QString(failing ? "Error Saving Show Options: Overflow (!)" : ""));
            QVERIFY(dialog.isVisible() == failing &&
                    (failing || dialog.result() == (ok ? QDialog::Accepted : QDialog::Rejected)));
            const TriggerPtr trigger = host.show->StartupTrigger();
            QVERIFY(trigger && (!original || trigger == original)); // the show's own trigger
            QCOMPARE(QString::asprintf("%d %d %d %d %d", host.show->StartupType(),
                                       trigger->Network(), trigger->UnitId(),
                                       trigger->InputNumber(), host.show->PreloadSequences()),
                     field[5]);
            QCOMPARE(host.calls.size(), int(ok && !failing && before[0] != "-1"));
        }
    }

    void TriggerLists_FillAndSelect() {
        using namespace LibDropdown;
        QComboBox units, inputs;
        QSignalSpy unitChanges(&units, &QComboBox::currentIndexChanged);
        for (int fill = 1; fill <= 2; ++fill) { // every time all entries and no selection
            FillUnitAndInputLists(units, inputs);
            QCOMPARE(QString::asprintf("%d %d %d", units.count(), inputs.count(),
                                       units.currentIndex() + inputs.currentIndex()),
                     "240 512 -2");
            units.setCurrentIndex(3);
        }
        QCOMPARE(unitChanges.count(), 2); // filling is no change of selection
        // Selection before, position asked for: taken, selection after.
        const int cases[][4] = {
            {-1, 0, 1, 0}, {0, 3, 1, 3}, {2, -1, 1, -1}, {2, 4, 0, 2}, {1, -2, 0, 1}};
        for (const auto& c : cases) {
            QComboBox list;
            AddDropdownItems(list, NetworkTexts());
            list.setCurrentIndex(c[0]);
            QCOMPARE(SelectPosition(list, c[1]), c[2] == 1);
            QCOMPARE(list.currentIndex(), c[3]);
        }
    }

    // Layout twips round to the nearest pixel; the file dialogs show "name (patterns)"; a frame's
    // border runs at its caption's middle row and stops either side of the caption.
    void TwipsFileFiltersAndCaptionFrame() {
        QCOMPARE(TwipRect(7, 8, 375, 7455), QRect(0, 1, 25, 497));
        QCOMPARE(QtUserPrompts::QtNameFilters("All Files|*.*|Sequences|*.kas;*.kms|Odd"),
                 QStringList({"All Files (*.*)", "Sequences (*.kas *.kms)"}));
        CaptionFrame frame;
        frame.resize(300, 60);
        const auto borderPixels = [&frame] {
            const QImage image = frame.grab().toImage();
            int count = 0;
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, frame.fontMetrics().height() / 2) ==
                         frame.palette().color(QPalette::Mid).rgb();
            return count;
        };
        const int whole = borderPixels();
        frame.setTitle("Frame caption");
        QVERIFY(whole - borderPixels() >= frame.fontMetrics().horizontalAdvance(frame.title()));
    }
};

BWSHOW_REGISTER_TEST(DialogsTest);

} // namespace bw::test

#include "DialogsTest.moc"
