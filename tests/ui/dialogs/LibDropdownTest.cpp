#include "LibDropdownTest.h"

#include "dialogs/LibDropdown.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

namespace bw::test {

using namespace LibDropdown;

void LibDropdownTest::EntryTexts_StandForTheirValues_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");

    QTest::newRow("network 0") << "network" << 0 << "Regular";
    QTest::newRow("network 1") << "network" << 1 << "Aux A";
    QTest::newRow("network 2") << "network" << 2 << "Aux B";
    QTest::newRow("network 3") << "network" << 3 << "Aux C";
    QTest::newRow("unit 1") << "unit" << 0 << "01";
    QTest::newRow("unit 10") << "unit" << 9 << "0A";
    QTest::newRow("unit 16") << "unit" << 15 << "10";
    QTest::newRow("unit 171") << "unit" << 170 << "AB";
    QTest::newRow("unit 240") << "unit" << 239 << "F0";
    QTest::newRow("input 1") << "input" << 0 << "1";
    QTest::newRow("input 10") << "input" << 9 << "10";
    QTest::newRow("input 512") << "input" << 511 << "512";
}

void LibDropdownTest::EntryTexts_StandForTheirValues() {
    QFETCH(QString, list);
    QFETCH(int, position);
    QFETCH(QString, text);

    const QStringList& texts = list == QLatin1String("network") ? NetworkTexts()
                               : list == QLatin1String("unit")  ? UnitIdTexts()
                                                                : InputNumberTexts();
    const int expectedCount = list == QLatin1String("network") ? 4
                              : list == QLatin1String("unit")  ? 240
                                                               : 512;
    QCOMPARE(texts.size(), expectedCount);
    QCOMPARE(texts.at(position), text);
}

void LibDropdownTest::Fill_EveryTimeAllEntriesAndNoSelection() {
    QComboBox units;
    QComboBox inputs;
    QSignalSpy unitChanges(&units, &QComboBox::currentIndexChanged);
    QSignalSpy inputChanges(&inputs, &QComboBox::currentIndexChanged);

    for (int fill = 1; fill <= 2; ++fill) {
        FillUnitAndInputLists(units, inputs);
        QCOMPARE(units.count(), 240);
        QCOMPARE(inputs.count(), 512);
        QCOMPARE(units.currentIndex(), -1);
        QCOMPARE(inputs.currentIndex(), -1);
        QCOMPARE(units.itemText(15), QStringLiteral("10"));
        QCOMPARE(units.itemText(239), QStringLiteral("F0"));
        QCOMPARE(inputs.itemText(511), QStringLiteral("512"));
        units.setCurrentIndex(3);
        inputs.setCurrentIndex(7);
    }
    // Filling is no change of selection: only the two selections made above were reported.
    QCOMPARE(unitChanges.count(), 2);
    QCOMPARE(inputChanges.count(), 2);
}

void LibDropdownTest::AddDropdownItem_AppendsWithoutSelecting() {
    QComboBox list;
    AddDropdownItem(list, QStringLiteral("Regular"));
    AddDropdownItem(list, QStringLiteral("Aux A"));
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.itemText(1), QStringLiteral("Aux A"));
    QCOMPARE(list.currentIndex(), -1);

    list.setCurrentIndex(1);
    AddDropdownItem(list, QStringLiteral("Aux B"));
    QCOMPARE(list.currentIndex(), 1);
}

void LibDropdownTest::SelectPosition_RefusesPositionsTheListLacks_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<int>("after");

    QTest::newRow("first") << -1 << 0 << true << 0;
    QTest::newRow("last") << 0 << 3 << true << 3;
    QTest::newRow("none") << 2 << -1 << true << -1;
    QTest::newRow("beyond the end") << 2 << 4 << false << 2;
    QTest::newRow("far beyond the end") << -1 << 7 << false << -1;
    QTest::newRow("below none") << 1 << -2 << false << 1;
}

void LibDropdownTest::SelectPosition_RefusesPositionsTheListLacks() {
    QFETCH(int, before);
    QFETCH(int, position);
    QFETCH(bool, taken);
    QFETCH(int, after);

    QComboBox list;
    AddDropdownItems(list, NetworkTexts());
    list.setCurrentIndex(before);
    QCOMPARE(SelectPosition(list, position), taken);
    QCOMPARE(list.currentIndex(), after);
}

} // namespace bw::test
