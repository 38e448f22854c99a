// The show options dialog: what it shows of the show, and what OK writes.
#include "dialogs/frmOptions.h"
#include "DialogTestSupport.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace bw::test {

namespace {

const char* const TriggerControls[] = {
    "frameStartupTrigger",         "lblStartupTriggerNetwork", "cmbStartupTriggerNetwork",
    "lblStartupTriggerUnitID",     "cmbStartupTriggerUnitID",  "lblStartupTriggerInputNumber",
    "cmbStartupTriggerInputNumber"};

QComboBox* List(const QWidget& dialog, int which) {
    const char* names[] = {"cmbStartupTriggerNetwork", "cmbStartupTriggerUnitID",
                           "cmbStartupTriggerInputNumber"};
    return Child<QComboBox>(dialog, names[which]);
}

// The checked option of a group, -1 for none.
int Checked(const QWidget& dialog, const char* prefix, int count) {
    for (int index = 0; index < count; ++index)
        if (Child<QRadioButton>(dialog, (prefix + std::to_string(index)).c_str())->isChecked())
            return index;
    return -1;
}

bool TriggerEnabled(const QWidget& dialog, bool enabled) {
    for (const char* name : TriggerControls)
        if (Child<QWidget>(dialog, name)->isEnabled() != enabled)
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
        for (const char* name :
             {"optStartupType0", "optStartupType1", "optStartupType2", "lblStartupTriggerNetwork",
              "lblStartupTriggerUnitID", "lblStartupTriggerInputNumber", "optSequenceLoading0",
              "optSequenceLoading1", "cmdOK", "cmdCancel"})
            captions << Child<QWidget>(dialog, name)->property("text").toString();
        QFile expected(BWSHOW_TEST_DATA "/dialogs/options-captions.txt");
        QVERIFY(expected.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(captions, QString::fromUtf8(expected.readAll()).trimmed().split('\n'));
        QVERIFY(Child(dialog, "cmdOK")->isDefault());
        for (int which = 0; which < 3; ++which) // each label's access key leads to its list
            QCOMPARE(Child<QLabel>(dialog, TriggerControls[1 + 2 * which])->buddy(),
                     List(dialog, which));
        const QStringList order = {"optStartupType0",
                                   "optStartupType1",
                                   "optStartupType2",
                                   "cmbStartupTriggerNetwork",
                                   "cmbStartupTriggerUnitID",
                                   "cmbStartupTriggerInputNumber",
                                   "optSequenceLoading0",
                                   "optSequenceLoading1",
                                   "cmdOK",
                                   "cmdCancel"};
        QCOMPARE(TabChain(dialog, "optStartupType0", order.size()), order);
        QVERIFY2(LayoutFaults(dialog).isEmpty(), qPrintable(LayoutFaults(dialog).join(", ")));
    }

    void Load_ShowsTheShowsOptions_data() {
        QTest::addColumn<int>("startupType");
        QTest::addColumn<QList<int>>("trigger"); // network, unit, input; empty for none
        QTest::addColumn<bool>("preload");
        QTest::addColumn<int>("option");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("new show") << 0 << QList<int>{} << false << 0
                                  << QStringList{"Regular", "01", "1"};
        QTest::newRow("on a trigger")
            << 1 << QList<int>{2, 16, 512} << true << 1 << QStringList{"Aux B", "10", "512"};
        QTest::newRow("background first")
            << 2 << QList<int>{3, 240, 7} << false << 2 << QStringList{"Aux C", "F0", "7"};
        QTest::newRow("unknown type")
            << 5 << QList<int>{1, 10, 3} << false << 0 << QStringList{"Aux A", "0A", "3"};
        QTest::newRow("beyond the lists")
            << 1 << QList<int>{7, 250, 3} << false << 1 << QStringList{"", "", "3"};
        QTest::newRow("beyond the last input")
            << 1 << QList<int>{0, 241, 513} << false << 1 << QStringList{"Regular", "", ""};
        QTest::newRow("below the lists")
            << 2 << QList<int>{-1, 0, 0} << false << 2 << QStringList{"", "", ""};
    }
    void Load_ShowsTheShowsOptions() {
        QFETCH(int, startupType);
        QFETCH(QList<int>, trigger);
        QFETCH(bool, preload);
        QFETCH(int, option);
        QFETCH(QStringList, shown);
        FakeHost host;
        host.show->SetStartupType(startupType);
        host.show->SetPreloadSequences(preload);
        if (!trigger.isEmpty())
            host.show->SetStartupTrigger(
                TriggerFunctions::NewTrigger(trigger[0], trigger[1], trigger[2], "x"));
        const Show before = Snapshot(*host.show);
        frmOptions dialog(host);
        dialog.SetShow(host.show);

        QCOMPARE(Checked(dialog, "optStartupType", 3), option);
        QCOMPARE(Checked(dialog, "optSequenceLoading", 2), preload ? 1 : 0);
        for (int which = 0; which < 3; ++which) {
            QCOMPARE(List(dialog, which)->currentText(), shown[which]);
            QCOMPARE(List(dialog, which)->currentIndex() == -1, shown[which].isEmpty());
        }
        QVERIFY(TriggerEnabled(dialog, option != 0));
        QVERIFY(*host.show == before && host.calls.isEmpty()); // loading is no edit

        // The trigger can be chosen whenever the show does not start at once.
        dialog.show();
        for (const int click : {1, 0, 2, 0}) {
            QTest::mouseClick(
                Child<QRadioButton>(dialog, ("optStartupType" + std::to_string(click)).c_str()),
                Qt::LeftButton);
            QVERIFY(TriggerEnabled(dialog, click != 0));
        }
    }

    void Load_WithoutShow_OnlySequenceLoadingAndButtonsEnabled() {
        FakeHost host;
        frmOptions dialog(host);
        dialog.SetShow(nullptr);
        for (const char* name : {"frameStartupType", "optStartupType0", "optStartupType1"})
            QVERIFY2(!Child<QWidget>(dialog, name)->isEnabled(), name);
        QVERIFY(TriggerEnabled(dialog, false));
        QCOMPARE(List(dialog, 2)->currentIndex(), 0);
        for (const char* name :
             {"frameSequenceLoading", "optSequenceLoading1", "cmdOK", "cmdCancel"})
            QVERIFY2(Child<QWidget>(dialog, name)->isEnabled(), name);
        dialog.show();
        Child(dialog, "cmdOK")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(host.calls.isEmpty());
    }

    void Ok_WritesIntoTheShow_data() {
        QTest::addColumn<int>("startupType");
        QTest::addColumn<QList<int>>("trigger"); // network, unit, input before; empty for none
        QTest::addColumn<QList<int>>("choices"); // option, network, unit, input, loading; -1 none
        QTest::addColumn<QList<int>>("written"); // type, network, unit, input, preload
        QTest::newRow("new show unchanged")
            << 0 << QList<int>{} << QList<int>{-1, -1, -1, -1, -1} << QList<int>{0, 0, 1, 1, 0};
        QTest::newRow("unknown type becomes 0")
            << 5 << QList<int>{1, 2, 3} << QList<int>{-1, -1, -1, -1, 1}
            << QList<int>{0, 1, 2, 3, 1};
        QTest::newRow("beyond the lists kept")
            << 1 << QList<int>{7, 250, 3} << QList<int>{-1, -1, -1, -1, -1}
            << QList<int>{1, 7, 250, 3, 0};
        QTest::newRow("beyond the lists, input chosen")
            << 1 << QList<int>{7, 250, 3} << QList<int>{-1, -1, -1, 8, -1}
            << QList<int>{1, 7, 250, 9, 0};
        QTest::newRow("everything chosen")
            << 0 << QList<int>{0, 1, 1} << QList<int>{2, 3, 239, 511, 1}
            << QList<int>{2, 3, 240, 512, 1};
        QTest::newRow("trigger written whatever the type")
            << 1 << QList<int>{} << QList<int>{0, 1, 9, 6, 0} << QList<int>{0, 1, 10, 7, 0};
    }
    void Ok_WritesIntoTheShow() {
        QFETCH(int, startupType);
        QFETCH(QList<int>, trigger);
        QFETCH(QList<int>, choices);
        QFETCH(QList<int>, written);
        FakeHost host;
        host.show->SetStartupType(startupType);
        if (!trigger.isEmpty())
            host.show->SetStartupTrigger(
                TriggerFunctions::NewTrigger(trigger[0], trigger[1], trigger[2], "Porch"));
        const TriggerPtr original = host.show->StartupTrigger();
        frmOptions dialog(host);
        dialog.SetShow(host.show);
        dialog.show();
        if (choices[0] >= 0)
            Child<QRadioButton>(dialog, ("optStartupType" + std::to_string(choices[0])).c_str())
                ->click();
        for (int which = 0; which < 3; ++which)
            if (choices[1 + which] >= 0)
                List(dialog, which)->setCurrentIndex(choices[1 + which]);
        if (choices[4] >= 0)
            Child<QRadioButton>(dialog, ("optSequenceLoading" + std::to_string(choices[4])).c_str())
                ->click();
        QTest::keyClick(Child<QWidget>(dialog, "optStartupType1"), Qt::Key_Return);

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        Show expected;
        expected.SetStartupType(written[0]);
        expected.SetStartupTrigger(TriggerFunctions::NewTrigger(written[1], written[2], written[3],
                                                                original ? "Porch" : ""));
        expected.SetPreloadSequences(written[4] == 1);
        QVERIFY(*host.show == expected);
        QVERIFY(!original || host.show->StartupTrigger() == original); // the show's own trigger
        QCOMPARE(host.calls, QStringList{"SetUnsavedInfo"});
    }

    void Ok_ErrorIsShownAndDialogStaysOpen() {
        FakeHost host;
        host.failSetUnsavedInfo = true;
        frmOptions dialog(host);
        dialog.SetShow(host.show);
        dialog.show();
        Child<QRadioButton>(dialog, "optStartupType2")->click();
        Child(dialog, "cmdOK")->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(host.prompts.prompts.size(), 1);
        QCOMPARE(host.prompts.prompts[0].text, QStringLiteral("Overflow"));
        QCOMPARE(host.prompts.prompts[0].title, QStringLiteral("Error Saving Show Options"));
        QCOMPARE(host.prompts.prompts[0].icon, UserPrompts::Icon::Exclamation);
        QCOMPARE(host.show->StartupType(), 2); // what was written before the error stays
    }

    void Cancel_LeavesTheShowAsItWas() {
        for (const char* closeBy : {"button", "Escape", "close box"}) {
            FakeHost host;
            host.show->SetStartupType(1);
            host.show->SetStartupTrigger(TriggerFunctions::NewTrigger(1, 2, 3, "Gate"));
            const Show before = Snapshot(*host.show);
            frmOptions dialog(host);
            dialog.SetShow(host.show);
            dialog.show();
            Child<QRadioButton>(dialog, "optStartupType2")->click();
            for (int which = 0; which < 3; ++which)
                List(dialog, which)->setCurrentIndex(3);
            Child<QRadioButton>(dialog, "optSequenceLoading1")->click();
            if (closeBy == std::string("Escape"))
                QTest::keyClick(Child<QWidget>(dialog, "optSequenceLoading1"), Qt::Key_Escape);
            else if (closeBy == std::string("close box"))
                dialog.close();
            else
                Child(dialog, "cmdCancel")->click();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY2(*host.show == before, closeBy);
            QVERIFY(host.calls.isEmpty() && host.prompts.prompts.isEmpty());
        }
    }
};

BWSHOW_REGISTER_TEST(frmOptionsTest);

} // namespace bw::test

#include "frmOptionsTest.moc"
