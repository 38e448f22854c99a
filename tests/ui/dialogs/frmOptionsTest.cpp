// The show options dialog, what it shows of the show and what OK writes; and the parts it
// shares with the other dialogs: the trigger lists and the captioned frame.
#include "dialogs/frmOptions.h"
#include "DialogTestSupport.h"
#include "dialogs/LibDropdown.h"
#include "widgets/FormControls.h"
#include "widgets/QtUserPrompts.h"

#include <QComboBox>
#include <QRadioButton>
#include <QSignalSpy>

namespace bw::test {

namespace {

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

class frmOptionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
        QCOMPARE(NetworkTexts().size(), 4);
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

    // Layout twips round to the nearest pixel; the file dialogs show "name (patterns)".
    void TwipsAndFileFilters() {
        QCOMPARE(TwipRect(7, 8, 375, 7455), QRect(0, 1, 25, 497));
        QCOMPARE(QtUserPrompts::QtNameFilters("All Files|*.*|Sequences|*.kas;*.kms|Odd"),
                 QStringList({"All Files (*.*)", "Sequences (*.kas *.kms)"}));
    }

    // The border runs at the caption's middle row and stops either side of the caption.
    void CaptionFrame_CaptionStandsOnTheBorder() {
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

BWSHOW_REGISTER_TEST(frmOptionsTest);

} // namespace bw::test

#include "frmOptionsTest.moc"
