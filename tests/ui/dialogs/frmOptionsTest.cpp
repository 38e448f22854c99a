// The show options dialog: what it shows of the show, and what OK writes.
#include "dialogs/frmOptions.h"
#include "DialogTestSupport.h"

#include <QComboBox>
#include <QRadioButton>

#include <array>

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
    return shown + QString("|%1%2")
                       .arg(Child<QWidget>(dialog, "frameStartupType")->isEnabled())
                       .arg(Child<QWidget>(dialog, "frameStartupTrigger")->isEnabled());
}

} // namespace

class frmOptionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What the dialog shows of the show, and what it writes there when it closes.
    void ShowsTheShowAndWritesOnOkOnly() {
        // Before: startup type (-1: no show at all), trigger (none for -9), preload; shown;
        // choices: option, network, unit, input, loading (-1 untouched); OK or Cancel; after: type,
        // network, unit, input, preload.
        using Ints = std::array<int, 5>;
        // clang-format off
        const std::tuple<Ints, QString, Ints, bool, Ints> cases[] = {
            {{5, 1, 10, 3, 0},  "0 on demand|Aux A|0A|3|10",    {-1, -1, -1, -1, 1}, true, {0, 1, 10, 3, 1}}, // unknown: 0
            {{1, 2, 16, 512, 1}, "1 preload|Aux B|10|512|11",   {-1, -1, -1, -1, -1}, true, {1, 2, 16, 512, 1}},
            {{2, 7, 250, 3, 0}, "2 on demand|||3|11",           {-1, -1, -1, 8, -1}, true, {2, 7, 250, 9, 0}}, // beyond the lists: kept
            {{1, -9, 0, 0, 0},  "1 on demand|Regular|01|1|11",  {0, 1, 9, 6, 0},     true, {0, 1, 10, 7, 0}}, // written whatever the type
            {{5, 1, 2, 3, 0},   "0 on demand|Aux A|02|3|10",    {2, 3, 3, 3, 1},     false, {5, 1, 2, 3, 0}},
            {{-1, 2, 16, 512, 1}, "0 on demand|Regular|01|1|00", {-1, -1, -1, -1, 0}, true, {-1, 2, 16, 512, 1}}};
        // clang-format on
        for (const auto& [before, shown, choices, ok, after] : cases) {
            FakeHost host;
            const auto fill = [](Show& show, const Ints& values, const char* name) {
                show.SetStartupType(values[0]);
                if (values[1] != -9)
                    show.SetStartupTrigger(
                        TriggerFunctions::NewTrigger(values[1], values[2], values[3], name));
                show.SetPreloadSequences(values[4] == 1);
            };
            fill(*host.show, before, "Porch");
            const TriggerPtr original = host.show->StartupTrigger();
            frmOptions dialog(host);
            dialog.SetShow(before[0] < 0 ? nullptr : host.show);
            dialog.show();
            QCOMPARE(Shown(dialog), shown);
            if (choices[0] >= 0)
                Option(dialog, "optStartupType", choices[0])->click();
            for (int which = 0; which < 3; ++which)
                if (choices[1 + which] >= 0)
                    Child<QComboBox>(dialog, Lists[which])->setCurrentIndex(choices[1 + which]);
            if (choices[4] >= 0)
                Option(dialog, "optSequenceLoading", choices[4])->click();
            Child(dialog, ok ? "cmdOK" : "cmdCancel")->click();

            QVERIFY(!dialog.isVisible() &&
                    dialog.result() == (ok ? QDialog::Accepted : QDialog::Rejected));
            Show expected;
            fill(expected, after, original ? "Porch" : "");
            QVERIFY(*host.show == expected);
            QVERIFY(!original || host.show->StartupTrigger() == original); // the show's own trigger
            QCOMPARE(host.calls,
                     ok && before[0] >= 0 ? QStringList{"SetUnsavedInfo"} : QStringList());
        }
    }

    void Ok_ErrorIsShownAndDialogStaysOpen() {
        FakeHost host;
        host.failSetUnsavedInfo = true;
        frmOptions dialog(host);
        dialog.SetShow(host.show);
        dialog.show();
        QCOMPARE(FormFaults(dialog, "options").join(", "), "");
        // The trigger can be chosen whenever the show does not start at once.
        for (const int click : {1, 0, 2}) {
            QTest::mouseClick(Option(dialog, "optStartupType", click), Qt::LeftButton);
            QCOMPARE(Shown(dialog).right(1), QString::number(click != 0));
        }
        Child(dialog, "cmdOK")->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(host.prompts.Said(), QStringList{"Error Saving Show Options: Overflow (!)"});
        QCOMPARE(host.show->StartupType(), 2); // what was written before the error stays
    }
};

BWSHOW_REGISTER_TEST(frmOptionsTest);

} // namespace bw::test

#include "frmOptionsTest.moc"
