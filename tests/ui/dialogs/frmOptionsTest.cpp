#include "frmOptionsTest.h"

#include "DialogTestSupport.h"
#include "dialogs/Twips.h"
#include "dialogs/frmOptions.h"
#include "showfile/ShowFunctions.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <optional>

namespace bw::test {

namespace {

const char* const TriggerControls[] = {
    "frameStartupTrigger",         "lblStartupTriggerNetwork", "cmbStartupTriggerNetwork",
    "lblStartupTriggerUnitID",     "cmbStartupTriggerUnitID",  "lblStartupTriggerInputNumber",
    "cmbStartupTriggerInputNumber"};

QString Caption(const QWidget& control) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control))
        return frame->title();
    return control.property("text").toString();
}

int CheckedIndex(const QWidget& dialog, const char* prefix, int count) {
    for (int index = 0; index < count; ++index) {
        const QByteArray name = QByteArray(prefix) + QByteArray::number(index);
        if (Child<QRadioButton>(dialog, name.constData())->isChecked())
            return index;
    }
    return -1;
}

bool TriggerControlsEnabled(const QWidget& dialog, bool enabled) {
    for (const char* name : TriggerControls)
        if (Child<QWidget>(dialog, name)->isEnabled() != enabled)
            return false;
    return true;
}

QComboBox* List(const QWidget& dialog, const char* which) {
    const QByteArray name = QByteArray("cmbStartupTrigger") + which;
    return Child<QComboBox>(dialog, name.constData());
}

} // namespace

void frmOptionsTest::Layout_ControlsHaveTheirCaptionsAndPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("place");

    auto row = [](const char* name, const char* caption, QRect place) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption) << place;
    };
    row("frameStartupType", "Startup Type", TwipRect(120, 120, 4455, 2535));
    row("optStartupType0", "Show starts i&mmediately", TwipRect(120, 240, 4215, 375));
    row("optStartupType1", "Show starts on a &trigger", TwipRect(120, 600, 4215, 375));
    row("optStartupType2",
        "&Background section starts immediately, but the rest of the show starts on a trigger",
        TwipRect(120, 960, 4215, 375));
    row("frameStartupTrigger", "Startup Trigger", TwipRect(360, 1440, 3855, 975));
    row("lblStartupTriggerNetwork", "&Network", TwipRect(360, 240, 855, 255));
    row("cmbStartupTriggerNetwork", "", TwipRect(360, 480, 1095, 315));
    row("lblStartupTriggerUnitID", "&Unit ID", TwipRect(1560, 240, 615, 285));
    row("cmbStartupTriggerUnitID", "", TwipRect(1560, 480, 735, 315));
    row("lblStartupTriggerInputNumber", "&Input Number", TwipRect(2400, 240, 1095, 285));
    row("cmbStartupTriggerInputNumber", "", TwipRect(2400, 480, 975, 315));
    row("frameSequenceLoading", "Sequence Loading", TwipRect(120, 2640, 4455, 855));
    row("optSequenceLoading0", "Sequences are loaded &when they are needed",
        TwipRect(240, 240, 4095, 255));
    row("optSequenceLoading1", "Sequences are loaded be&fore any are played",
        TwipRect(240, 480, 4095, 255));
    row("cmdOK", "OK", TwipRect(1320, 3600, 975, 375));
    row("cmdCancel", "Cancel", TwipRect(2520, 3600, 975, 375));
}

void frmOptionsTest::Layout_ControlsHaveTheirCaptionsAndPlaces() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, place);

    FakeHost host;
    frmOptions dialog(host);
    const QWidget* control = Child<QWidget>(dialog, name.toLatin1().constData());
    if (!qobject_cast<const QComboBox*>(control))
        QCOMPARE(Caption(*control), caption);
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        // A label may grow to the right so that its caption is not cut off.
        QCOMPARE(label->pos(), place.topLeft());
        QCOMPARE(label->height(), place.height());
        QVERIFY(label->width() >= place.width());
        QVERIFY(label->width() >= label->sizeHint().width());
        QVERIFY(label->geometry().right() < label->parentWidget()->width());
    } else {
        QCOMPARE(control->geometry(), place);
    }
}

void frmOptionsTest::Layout_FixedSizeTabOrderAndAccessKeys() {
    FakeHost host;
    frmOptions dialog(host);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Show Options"));
    QCOMPARE(dialog.minimumSize(), QSize(TwipsToPixels(4665), TwipsToPixels(4065)));
    QCOMPARE(dialog.maximumSize(), dialog.minimumSize());
    QVERIFY(Child<QPushButton>(dialog, "cmdOK")->isDefault());
    QVERIFY(!Child<QPushButton>(dialog, "cmdCancel")->isDefault());

    // Each label's access key leads to its list.
    QCOMPARE(Child<QLabel>(dialog, "lblStartupTriggerNetwork")->buddy(), List(dialog, "Network"));
    QCOMPARE(Child<QLabel>(dialog, "lblStartupTriggerUnitID")->buddy(), List(dialog, "UnitID"));
    QCOMPARE(Child<QLabel>(dialog, "lblStartupTriggerInputNumber")->buddy(),
             List(dialog, "InputNumber"));

    const QStringList expected = {"optStartupType0",
                                  "optStartupType1",
                                  "optStartupType2",
                                  "cmbStartupTriggerNetwork",
                                  "cmbStartupTriggerUnitID",
                                  "cmbStartupTriggerInputNumber",
                                  "optSequenceLoading0",
                                  "optSequenceLoading1",
                                  "cmdOK",
                                  "cmdCancel"};
    QCOMPARE(TabChain(dialog, "optStartupType0", expected.size()), expected);
}

void frmOptionsTest::Lists_FilledAfreshOnEveryOpening() {
    FakeHost host;
    for (int opening = 1; opening <= 2; ++opening) {
        frmOptions dialog(host);
        dialog.SetShow(host.show);
        const QComboBox* units = List(dialog, "UnitID");
        const QComboBox* inputs = List(dialog, "InputNumber");
        const QComboBox* networks = List(dialog, "Network");
        QCOMPARE(networks->count(), 4);
        QCOMPARE(units->count(), 240);
        QCOMPARE(inputs->count(), 512);
        QCOMPARE(units->itemText(15), QStringLiteral("10"));
        QCOMPARE(units->itemText(239), QStringLiteral("F0"));
        QCOMPARE(inputs->itemText(511), QStringLiteral("512"));
        QVERIFY(!units->isEditable());
    }
}

void frmOptionsTest::Load_ShowsTheShowsOptions_data() {
    QTest::addColumn<int>("startupType");
    QTest::addColumn<bool>("hasTrigger");
    QTest::addColumn<int>("network");
    QTest::addColumn<int>("unitId");
    QTest::addColumn<int>("inputNumber");
    QTest::addColumn<bool>("preload");
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("loading");

    QTest::newRow("new show") << 0 << false << 0 << 0 << 0 << false << 0
                              << QStringList{"Regular", "01", "1"} << 0;
    QTest::newRow("on a trigger") << 1 << true << 2 << 16 << 512 << true << 1
                                  << QStringList{"Aux B", "10", "512"} << 1;
    QTest::newRow("background first")
        << 2 << true << 3 << 240 << 7 << false << 2 << QStringList{"Aux C", "F0", "7"} << 0;
    QTest::newRow("unknown type") << 5 << true << 1 << 10 << 3 << false << 0
                                  << QStringList{"Aux A", "0A", "3"} << 0;
    QTest::newRow("beyond the lists")
        << 1 << true << 7 << 250 << 3 << false << 1 << QStringList{"", "", "3"} << 0;
    QTest::newRow("beyond the last input")
        << 1 << true << 0 << 241 << 513 << false << 1 << QStringList{"Regular", "", ""} << 0;
    QTest::newRow("below the lists")
        << 2 << true << -1 << 0 << 0 << false << 2 << QStringList{"", "", ""} << 0;
}

void frmOptionsTest::Load_ShowsTheShowsOptions() {
    QFETCH(int, startupType);
    QFETCH(bool, hasTrigger);
    QFETCH(int, network);
    QFETCH(int, unitId);
    QFETCH(int, inputNumber);
    QFETCH(bool, preload);
    QFETCH(int, option);
    QFETCH(QStringList, shown);
    QFETCH(int, loading);

    FakeHost host;
    host.show->SetStartupType(startupType);
    host.show->SetPreloadSequences(preload);
    if (hasTrigger)
        host.show->SetStartupTrigger(
            TriggerFunctions::NewTrigger(network, unitId, inputNumber, "x"));
    const std::string before = ShowFunctions::ShowToText(*host.show);

    frmOptions dialog(host);
    dialog.SetShow(host.show);

    QCOMPARE(CheckedIndex(dialog, "optStartupType", 3), option);
    QCOMPARE(CheckedIndex(dialog, "optSequenceLoading", 2), loading);
    const QStringList texts = {List(dialog, "Network")->currentText(),
                               List(dialog, "UnitID")->currentText(),
                               List(dialog, "InputNumber")->currentText()};
    QCOMPARE(texts, shown);
    for (int i = 0; i < 3; ++i) {
        const QComboBox* list = List(dialog, i == 0   ? "Network"
                                             : i == 1 ? "UnitID"
                                                      : "InputNumber");
        QCOMPARE(list->currentIndex() == -1, shown[i].isEmpty());
    }
    QVERIFY(Child<QWidget>(dialog, "frameStartupType")->isEnabled());
    QVERIFY(TriggerControlsEnabled(dialog, option != 0));
    // Loading is no edit.
    QCOMPARE(ShowFunctions::ShowToText(*host.show), before);
    QVERIFY(host.calls.isEmpty());
}

void frmOptionsTest::Load_WithoutShow_OnlySequenceLoadingAndButtonsEnabled() {
    FakeHost host;
    frmOptions dialog(host);
    dialog.SetShow(nullptr);

    QVERIFY(!Child<QWidget>(dialog, "frameStartupType")->isEnabled());
    for (const char* name : {"optStartupType0", "optStartupType1", "optStartupType2"})
        QVERIFY2(!Child<QWidget>(dialog, name)->isEnabled(), name);
    QVERIFY(TriggerControlsEnabled(dialog, false));
    QCOMPARE(CheckedIndex(dialog, "optStartupType", 3), 0);
    QCOMPARE(List(dialog, "Network")->currentIndex(), 0);
    QCOMPARE(List(dialog, "UnitID")->currentIndex(), 0);
    QCOMPARE(List(dialog, "InputNumber")->currentIndex(), 0);
    for (const char* name : {"frameSequenceLoading", "optSequenceLoading0", "optSequenceLoading1",
                             "cmdOK", "cmdCancel"})
        QVERIFY2(Child<QWidget>(dialog, name)->isEnabled(), name);

    dialog.show();
    Child<QPushButton>(dialog, "cmdOK")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(host.calls.isEmpty());
}

void frmOptionsTest::Enabling_TriggerFollowsStartupType() {
    FakeHost host;
    frmOptions dialog(host);
    dialog.SetShow(host.show);
    dialog.show();
    QVERIFY(TriggerControlsEnabled(dialog, false));

    const struct {
        const char* option;
        bool triggerEnabled;
    } clicks[] = {{"optStartupType1", true},
                  {"optStartupType0", false},
                  {"optStartupType2", true},
                  {"optStartupType1", true},
                  {"optStartupType0", false}};
    for (const auto& click : clicks) {
        QTest::mouseClick(Child<QRadioButton>(dialog, click.option), Qt::LeftButton);
        QVERIFY2(Child<QRadioButton>(dialog, click.option)->isChecked(), click.option);
        QVERIFY2(TriggerControlsEnabled(dialog, click.triggerEnabled), click.option);
        QVERIFY(Child<QWidget>(dialog, "optSequenceLoading1")->isEnabled());
    }
}

void frmOptionsTest::Ok_WritesIntoTheShow_data() {
    QTest::addColumn<int>("startupType");
    QTest::addColumn<bool>("preloadBefore");
    QTest::addColumn<bool>("hasTrigger");
    QTest::addColumn<QList<int>>("trigger"); // network, unit, input before
    QTest::addColumn<QList<int>>("choices"); // option, network, unit, input, loading; -1 = none
    QTest::addColumn<QList<int>>("written"); // type, network, unit, input, preload
    QTest::addColumn<QString>("closeBy");

    QTest::newRow("new show unchanged")
        << 0 << false << false << QList<int>{} << QList<int>{-1, -1, -1, -1, -1}
        << QList<int>{0, 0, 1, 1, 0} << "button";
    QTest::newRow("unknown type becomes 0")
        << 5 << true << true << QList<int>{1, 2, 3} << QList<int>{-1, -1, -1, -1, -1}
        << QList<int>{0, 1, 2, 3, 1} << "button";
    QTest::newRow("beyond the lists kept")
        << 1 << false << true << QList<int>{7, 250, 3} << QList<int>{-1, -1, -1, -1, -1}
        << QList<int>{1, 7, 250, 3, 0} << "button";
    QTest::newRow("beyond the lists, input chosen")
        << 1 << false << true << QList<int>{7, 250, 3} << QList<int>{-1, -1, -1, 8, -1}
        << QList<int>{1, 7, 250, 9, 0} << "button";
    QTest::newRow("everything chosen")
        << 0 << false << true << QList<int>{0, 1, 1} << QList<int>{2, 3, 239, 511, 1}
        << QList<int>{2, 3, 240, 512, 1} << "button";
    QTest::newRow("trigger written whatever the type")
        << 1 << false << false << QList<int>{} << QList<int>{0, 1, 9, 6, 0}
        << QList<int>{0, 1, 10, 7, 0} << "button";
    QTest::newRow("preloading switched off")
        << 2 << true << true << QList<int>{2, 16, 512} << QList<int>{-1, -1, -1, -1, 0}
        << QList<int>{2, 2, 16, 512, 0} << "button";
    QTest::newRow("Enter") << 0 << false << false << QList<int>{} << QList<int>{1, 2, 4, -1, 1}
                           << QList<int>{1, 2, 5, 1, 1} << "Enter";
}

void frmOptionsTest::Ok_WritesIntoTheShow() {
    QFETCH(int, startupType);
    QFETCH(bool, preloadBefore);
    QFETCH(bool, hasTrigger);
    QFETCH(QList<int>, trigger);
    QFETCH(QList<int>, choices);
    QFETCH(QList<int>, written);
    QFETCH(QString, closeBy);

    FakeHost host;
    host.show->SetStartupType(startupType);
    host.show->SetPreloadSequences(preloadBefore);
    TriggerPtr original;
    if (hasTrigger) {
        original = TriggerFunctions::NewTrigger(trigger[0], trigger[1], trigger[2], "Porch");
        host.show->SetStartupTrigger(original);
    }

    frmOptions dialog(host);
    dialog.SetShow(host.show);
    dialog.show();
    if (choices[0] >= 0)
        Child<QRadioButton>(dialog, QByteArray("optStartupType" + QByteArray::number(choices[0])))
            ->click();
    if (choices[1] >= 0)
        List(dialog, "Network")->setCurrentIndex(choices[1]);
    if (choices[2] >= 0)
        List(dialog, "UnitID")->setCurrentIndex(choices[2]);
    if (choices[3] >= 0)
        List(dialog, "InputNumber")->setCurrentIndex(choices[3]);
    if (choices[4] >= 0)
        Child<QRadioButton>(dialog,
                            QByteArray("optSequenceLoading" + QByteArray::number(choices[4])))
            ->click();

    if (closeBy == QLatin1String("Enter"))
        QTest::keyClick(Child<QWidget>(dialog, "optStartupType1"), Qt::Key_Return);
    else
        Child<QPushButton>(dialog, "cmdOK")->click();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    const TriggerPtr& startupTrigger = host.show->StartupTrigger();
    QVERIFY(startupTrigger != nullptr);
    if (original) {
        QCOMPARE(startupTrigger.get(), original.get());
        QCOMPARE(startupTrigger->Name(), std::string("Porch"));
    }
    QCOMPARE(host.show->StartupType(), written[0]);
    QCOMPARE(startupTrigger->Network(), written[1]);
    QCOMPARE(startupTrigger->UnitId(), written[2]);
    QCOMPARE(startupTrigger->InputNumber(), written[3]);
    QCOMPARE(host.show->PreloadSequences(), written[4] == 1);
    QCOMPARE(host.calls, QStringList{"SetUnsavedInfo"});
}

void frmOptionsTest::Ok_ErrorIsShownAndDialogStaysOpen() {
    FakeHost host;
    host.failSetUnsavedInfo = ErrorNumber::Overflow;
    frmOptions dialog(host);
    dialog.SetShow(host.show);
    dialog.show();
    Child<QRadioButton>(dialog, "optStartupType2")->click();
    Child<QPushButton>(dialog, "cmdOK")->click();

    QVERIFY(dialog.isVisible());
    QCOMPARE(host.prompts.prompts.size(), 1);
    const ScriptedPrompts::Prompt& shown = host.prompts.prompts.constFirst();
    QCOMPARE(int(shown.kind), int(ScriptedPrompts::Kind::Message));
    QCOMPARE(shown.text, QStringLiteral("Overflow"));
    QCOMPARE(shown.title, QStringLiteral("Error Saving Show Options"));
    QCOMPARE(int(shown.icon), int(UserPrompts::Icon::Exclamation));
    // What was written before the error stays written.
    QCOMPARE(host.show->StartupType(), 2);
    QVERIFY(host.show->StartupTrigger() != nullptr);
    QVERIFY(host.calls.isEmpty());
}

void frmOptionsTest::Cancel_LeavesTheShowAsItWas_data() {
    QTest::addColumn<QString>("closeBy");
    QTest::addColumn<bool>("hasTrigger");

    QTest::newRow("Cancel button") << "button" << true;
    QTest::newRow("Escape") << "Escape" << false;
    QTest::newRow("close box") << "close" << true;
}

void frmOptionsTest::Cancel_LeavesTheShowAsItWas() {
    QFETCH(QString, closeBy);
    QFETCH(bool, hasTrigger);

    FakeHost host;
    host.show->SetStartupType(1);
    if (hasTrigger)
        host.show->SetStartupTrigger(TriggerFunctions::NewTrigger(1, 2, 3, "Gate"));
    const std::string before = ShowFunctions::ShowToText(*host.show);

    frmOptions dialog(host);
    dialog.SetShow(host.show);
    dialog.show();
    Child<QRadioButton>(dialog, "optStartupType2")->click();
    List(dialog, "Network")->setCurrentIndex(3);
    List(dialog, "UnitID")->setCurrentIndex(100);
    List(dialog, "InputNumber")->setCurrentIndex(200);
    Child<QRadioButton>(dialog, "optSequenceLoading1")->click();

    if (closeBy == QLatin1String("Escape"))
        QTest::keyClick(Child<QWidget>(dialog, "optSequenceLoading1"), Qt::Key_Escape);
    else if (closeBy == QLatin1String("close"))
        dialog.close();
    else
        Child<QPushButton>(dialog, "cmdCancel")->click();

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(ShowFunctions::ShowToText(*host.show), before);
    QCOMPARE(host.show->StartupTrigger() != nullptr, hasTrigger);
    QVERIFY(host.calls.isEmpty());
    QVERIFY(host.prompts.prompts.isEmpty());
}

} // namespace bw::test
