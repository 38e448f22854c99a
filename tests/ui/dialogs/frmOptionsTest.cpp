// The show options dialog: what it shows of the show, and what OK writes.
#include "dialogs/frmOptions.h"
#include "DialogTestSupport.h"

#include <QComboBox>
#include <QGroupBox>
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
    return Child<QComboBox>(dialog, qPrintable(TriggerControls[2 + 2 * which]));
}

QRadioButton* Option(const QWidget& dialog, const char* group, int index) {
    return Child<QRadioButton>(dialog, (group + std::to_string(index)).c_str());
}

// The dialog as the person sees it: the checked options and the three lists' texts.
QString Shown(const QWidget& dialog) {
    QString shown;
    for (int option = 0; option < 3; ++option)
        shown +=
            Option(dialog, "optStartupType", option)->isChecked() ? QString::number(option) : "";
    shown += Option(dialog, "optSequenceLoading", 1)->isChecked() ? " preload" : " on demand";
    for (int which = 0; which < 3; ++which)
        shown += '|' + List(dialog, which)->currentText();
    return shown;
}

bool TriggerEnabled(const QWidget& dialog, bool enabled) {
    for (const QString& name : TriggerControls)
        if (Child<QWidget>(dialog, qPrintable(name))->isEnabled() != enabled)
            return false;
    return true;
}

} // namespace

class frmOptionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void Layout_CaptionsAccessKeysAndTabOrder() {
        FakeHost host;
        frmOptions dialog(host);
        dialog.SetShow(host.show);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Show Options"));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QStringList captions;
        for (const char* name : {"frameStartupType", "frameStartupTrigger", "frameSequenceLoading"})
            captions << Child<QGroupBox>(dialog, name)->title();
        for (const QString& name : QString("optStartupType0 optStartupType1 optStartupType2 "
                                           "lblStartupTriggerNetwork lblStartupTriggerUnitID "
                                           "lblStartupTriggerInputNumber optSequenceLoading0 "
                                           "optSequenceLoading1 cmdOK cmdCancel")
                                       .split(' '))
            captions << Child<QWidget>(dialog, qPrintable(name))->property("text").toString();
        QFile expected(BWSHOW_TEST_DATA "/dialogs/options-captions.txt");
        QVERIFY(expected.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(captions, QString::fromUtf8(expected.readAll()).trimmed().split('\n'));
        QVERIFY(Child(dialog, "cmdOK")->isDefault());
        for (int which = 0; which < 3; ++which) // each label's access key leads to its list
            QCOMPARE(Child<QLabel>(dialog, qPrintable(TriggerControls[1 + 2 * which]))->buddy(),
                     List(dialog, which));
        const QStringList order =
            QString("optStartupType0 optStartupType1 optStartupType2 cmbStartupTriggerNetwork "
                    "cmbStartupTriggerUnitID cmbStartupTriggerInputNumber optSequenceLoading0 "
                    "optSequenceLoading1 cmdOK cmdCancel")
                .split(' ');
        QCOMPARE(TabChain(dialog, order), order);
        QVERIFY2(LayoutFaults(dialog).isEmpty(), qPrintable(LayoutFaults(dialog).join(", ")));
        QCOMPARE(List(dialog, 1)->count(), 240);
    }

    void Load_ShowsTheShowsOptions() {
        // Startup type, trigger (network, unit, input; none for -9), preload: what is shown.
        // clang-format off
        const std::tuple<int, std::array<int, 3>, bool, QString> cases[] = {
            {0, {-9, 0, 0}, false, "0 on demand|Regular|01|1"}, {1, {2, 16, 512}, true,
             "1 preload|Aux B|10|512"},
            {5, {1, 10, 3}, false, "0 on demand|Aux A|0A|3"},   {2, {7, 250, 3}, false, "2 on demand|||3"}};
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
            dialog.SetShow(host.show);
            QCOMPARE(Shown(dialog), shown);
            QVERIFY(TriggerEnabled(dialog, shown[0] != '0'));
            QVERIFY(*host.show == before && host.calls.isEmpty()); // loading is no edit
            // The trigger can be chosen whenever the show does not start at once.
            dialog.show();
            for (const int click : {1, 0, 2, 0}) {
                QTest::mouseClick(Option(dialog, "optStartupType", click), Qt::LeftButton);
                QVERIFY(TriggerEnabled(dialog, click != 0));
            }
        }
    }

    void Load_WithoutShow_OnlySequenceLoadingAndButtonsEnabled() {
        FakeHost host;
        frmOptions dialog(host);
        dialog.SetShow(nullptr);
        QVERIFY(!Child<QWidget>(dialog, "frameStartupType")->isEnabled() &&
                TriggerEnabled(dialog, false));
        QVERIFY(Child<QWidget>(dialog, "frameSequenceLoading")->isEnabled() &&
                Child(dialog, "cmdOK")->isEnabled());
        QCOMPARE(Shown(dialog), "0 on demand|Regular|01|1");
    }

    void Ok_WritesIntoTheShow() {
        // Type and trigger before (none for -9); choices: option, network, unit, input, loading
        // (-1 untouched); written: type, network, unit, input, preload.
        using Ints = std::array<int, 5>;
        // clang-format off
        const std::tuple<int, std::array<int, 3>, Ints, Ints> cases[] = {
            {5, {1, 2, 3},   {-1, -1, -1, -1, 1}, {0, 1, 2, 3, 1}},   // an unknown type becomes 0
            {1, {7, 250, 3}, {-1, -1, -1, 8, -1}, {1, 7, 250, 9, 0}}, // beyond the lists: kept
            {0, {0, 1, 1},   {2, 3, 239, 511, 1}, {2, 3, 240, 512, 1}},
            {1, {-9, 0, 0},  {0, 1, 9, 6, 0},     {0, 1, 10, 7, 0}}}; // written whatever the type
        // clang-format on
        for (const auto& [startupType, trigger, choices, written] : cases) {
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
            QTest::keyClick(Child<QWidget>(dialog, "optStartupType1"), Qt::Key_Return);

            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            Show expected;
            expected.SetStartupType(written[0]);
            expected.SetStartupTrigger(TriggerFunctions::NewTrigger(
                written[1], written[2], written[3], original ? "Porch" : ""));
            expected.SetPreloadSequences(written[4] == 1);
            QVERIFY(*host.show == expected);
            QVERIFY(!original || host.show->StartupTrigger() == original); // the show's own trigger
            QCOMPARE(host.calls, QStringList{"SetUnsavedInfo"});
        }
    }

    void Ok_ErrorIsShownAndDialogStaysOpen() {
        FakeHost host;
        host.failSetUnsavedInfo = true;
        frmOptions dialog(host);
        dialog.SetShow(host.show);
        dialog.show();
        Option(dialog, "optStartupType", 2)->click();
        Child(dialog, "cmdOK")->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(host.prompts.Said(), QStringList{"Error Saving Show Options: Overflow (!)"});
        QCOMPARE(host.show->StartupType(), 2); // what was written before the error stays
    }

    void Cancel_LeavesTheShowAsItWas() {
        for (const QString closeBy : {"button", "Escape"}) {
            FakeHost host;
            host.show->SetStartupType(1);
            host.show->SetStartupTrigger(TriggerFunctions::NewTrigger(1, 2, 3, "Gate"));
            const Show before = Snapshot(*host.show);
            frmOptions dialog(host);
            dialog.SetShow(host.show);
            dialog.show();
            Option(dialog, "optStartupType", 2)->click();
            for (int which = 0; which < 3; ++which)
                List(dialog, which)->setCurrentIndex(3);
            Option(dialog, "optSequenceLoading", 1)->click();
            if (closeBy == "Escape")
                QTest::keyClick(Option(dialog, "optSequenceLoading", 1), Qt::Key_Escape);
            else
                Child(dialog, "cmdCancel")->click();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY2(*host.show == before, qPrintable(closeBy));
            QVERIFY(host.calls.isEmpty() && host.prompts.prompts.isEmpty());
        }
    }
};

BWSHOW_REGISTER_TEST(frmOptionsTest);

} // namespace bw::test

#include "frmOptionsTest.moc"
