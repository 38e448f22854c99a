// The show options dialog: what it shows of the show, and what OK writes.
#include "dialogs/frmOptions.h"
#include "DialogTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include <array>

namespace bw::test {

namespace {

const QStringList TriggerControls = QString("frameStartupTrigger lblStartupTriggerNetwork "
                                            "cmbStartupTriggerNetwork lblStartupTriggerUnitID "
                                            "cmbStartupTriggerUnitID lblStartupTriggerInputNumber "
                                            "cmbStartupTriggerInputNumber")
                                        .split(' ');

QComboBox* List(const QWidget& dialog, int which) {
    return Child<QComboBox>(dialog, TriggerControls[2 + 2 * which]);
}

QRadioButton* Option(const QWidget& dialog, const QString& group, int index) {
    return Child<QRadioButton>(dialog, group + QString::number(index));
}

// The dialog as the person sees it: the checked options, the three lists' texts, and which of
// the startup type frame and the trigger controls can be used ("10": only the type).
QString Shown(const QWidget& dialog) {
    QString shown;
    for (int option = 0; option < 3; ++option)
        if (Option(dialog, "optStartupType", option)->isChecked())
            shown += QString::number(option);
    shown += Option(dialog, "optSequenceLoading", 1)->isChecked() ? " preload" : " on demand";
    for (int which = 0; which < 3; ++which)
        shown += '|' + List(dialog, which)->currentText();
    int enabled = 0;
    for (const QString& name : TriggerControls)
        enabled += Child<QWidget>(dialog, name)->isEnabled();
    return shown + QString("|%1%2")
                       .arg(Child<QWidget>(dialog, "frameStartupType")->isEnabled())
                       .arg(enabled == 0                        ? "0"
                            : enabled == TriggerControls.size() ? "1"
                                                                : "?");
}

} // namespace

class frmOptionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void Load_ShowsTheShowsOptions() {
        // Startup type (-1: no show at all), trigger (network, unit, input; none for -9),
        // preload: what is shown.
        // clang-format off
        const std::tuple<int, std::array<int, 3>, bool, QString> cases[] = {
            {0, {-9, 0, 0}, false, "0 on demand|Regular|01|1|10"},
            {1, {2, 16, 512}, true, "1 preload|Aux B|10|512|11"},
            {5, {1, 10, 3}, false, "0 on demand|Aux A|0A|3|10"},
            {2, {7, 250, 3}, false, "2 on demand|||3|11"},
            {-1, {2, 16, 512}, true, "0 on demand|Regular|01|1|00"}};
        // clang-format on
        for (const auto& [startupType, trigger, preload, shown] : cases) {
            FakeHost host;
            host.show->SetStartupType(startupType);
            host.show->SetPreloadSequences(preload);
            if (trigger[0] != -9)
                host.show->SetStartupTrigger(
                    TriggerFunctions::NewTrigger(trigger[0], trigger[1], trigger[2], "x"));
            const Show before = Snapshot(*host.show);
            frmOptions dialog(host);
            dialog.SetShow(startupType < 0 ? nullptr : host.show);
            QCOMPARE(Shown(dialog), shown);
            QVERIFY(*host.show == before && host.calls.isEmpty()); // loading is no edit
            QVERIFY(Child<QWidget>(dialog, "frameSequenceLoading")->isEnabled() &&
                    Child(dialog, "cmdOK")->isEnabled());
            // The trigger can be chosen whenever the show does not start at once.
            dialog.show();
            for (const int click : {1, 0, 2, 0}) {
                QTest::mouseClick(Option(dialog, "optStartupType", click), Qt::LeftButton);
                QCOMPARE(Shown(dialog).right(1), QString::number(startupType >= 0 && click != 0));
            }
        }
    }

    void OkAndCancel_WriteIntoTheShowOrNot() {
        // Type and trigger before (none for -9); choices: option, network, unit, input, loading
        // (-1 untouched); how the dialog closes; in the show after: type, network, unit, input,
        // preload.
        using Ints = std::array<int, 5>;
        // clang-format off
        const std::tuple<int, std::array<int, 3>, Ints, const char*, Ints> cases[] = {
            {5, {1, 2, 3},   {-1, -1, -1, -1, 1}, "Return", {0, 1, 2, 3, 1}},   // an unknown type becomes 0
            {1, {7, 250, 3}, {-1, -1, -1, 8, -1}, "Return", {1, 7, 250, 9, 0}}, // beyond the lists: kept
            {0, {0, 1, 1},   {2, 3, 239, 511, 1}, "Return", {2, 3, 240, 512, 1}},
            {1, {-9, 0, 0},  {0, 1, 9, 6, 0},     "Return", {0, 1, 10, 7, 0}},  // written whatever the type
            {1, {1, 2, 3},   {2, 3, 3, 3, 1},     "cmdCancel", {1, 1, 2, 3, 0}},
            {1, {1, 2, 3},   {2, 3, 3, 3, 1},     "Escape", {1, 1, 2, 3, 0}}};
        // clang-format on
        for (const auto& [startupType, trigger, choices, closeBy, after] : cases) {
            FakeHost host;
            host.show->SetStartupType(startupType);
            if (trigger[0] != -9)
                host.show->SetStartupTrigger(
                    TriggerFunctions::NewTrigger(trigger[0], trigger[1], trigger[2], "Porch"));
            const TriggerPtr original = host.show->StartupTrigger();
            frmOptions dialog(host);
            dialog.SetShow(host.show);
            dialog.show();
            if (choices[0] >= 0)
                Option(dialog, "optStartupType", choices[0])->click();
            for (int which = 0; which < 3; ++which)
                if (choices[1 + which] >= 0)
                    List(dialog, which)->setCurrentIndex(choices[1 + which]);
            if (choices[4] >= 0)
                Option(dialog, "optSequenceLoading", choices[4])->click();
            const bool ok = QString(closeBy) == "Return";
            if (QString(closeBy) == "cmdCancel")
                Child(dialog, closeBy)->click();
            else
                QTest::keyClick(Option(dialog, "optStartupType", 1),
                                ok ? Qt::Key_Return : Qt::Key_Escape);

            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(ok ? QDialog::Accepted : QDialog::Rejected));
            Show expected;
            expected.SetStartupType(after[0]);
            if (ok || original)
                expected.SetStartupTrigger(TriggerFunctions::NewTrigger(
                    after[1], after[2], after[3], original ? "Porch" : ""));
            expected.SetPreloadSequences(after[4] == 1);
            QVERIFY2(*host.show == expected, closeBy);
            QVERIFY(!original || host.show->StartupTrigger() == original); // the show's own trigger
            QCOMPARE(host.calls, ok ? QStringList{"SetUnsavedInfo"} : QStringList());
            QCOMPARE(host.prompts.unexpected, 0);
        }
    }

    void Ok_ErrorIsShownAndDialogStaysOpen() {
        FakeHost host;
        host.failSetUnsavedInfo = true;
        frmOptions dialog(host);
        dialog.SetShow(host.show);
        dialog.show();
        QCOMPARE(FormFaults(dialog, "options").join(", "), "");
        Option(dialog, "optStartupType", 2)->click();
        Child(dialog, "cmdOK")->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(host.prompts.Said(), QStringList{"Error Saving Show Options: Overflow (!)"});
        QCOMPARE(host.show->StartupType(), 2); // what was written before the error stays
    }
};

BWSHOW_REGISTER_TEST(frmOptionsTest);

} // namespace bw::test

#include "frmOptionsTest.moc"
