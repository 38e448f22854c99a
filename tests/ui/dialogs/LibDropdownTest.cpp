// The trigger selection lists: their texts, filling and selecting by position.
#include "dialogs/LibDropdown.h"
#include "DialogTestSupport.h"

#include <QComboBox>
#include <QSignalSpy>

namespace bw::test {

using namespace LibDropdown;

class LibDropdownTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void Fill_AllEntriesEveryTimeAndNoSelection() {
        QCOMPARE(NetworkTexts(), (QStringList{"Regular", "Aux A", "Aux B", "Aux C"}));
        QComboBox units, inputs;
        QSignalSpy unitChanges(&units, &QComboBox::currentIndexChanged);
        for (int fill = 1; fill <= 2; ++fill) {
            FillUnitAndInputLists(units, inputs);
            QCOMPARE(units.count(), 240);
            QCOMPARE(inputs.count(), 512);
            QCOMPARE(units.currentIndex(), -1);
            QCOMPARE(inputs.currentIndex(), -1);
            const QStringList texts{units.itemText(0),   units.itemText(9),   units.itemText(15),
                                    units.itemText(170), units.itemText(239), inputs.itemText(0),
                                    inputs.itemText(511)};
            QCOMPARE(texts, (QStringList{"01", "0A", "10", "AB", "F0", "1", "512"}));
            units.setCurrentIndex(3);
        }
        // Filling is no change of selection: only the two selections made above were reported.
        QCOMPARE(unitChanges.count(), 2);

        QComboBox list;
        AddDropdownItem(list, "Regular");
        QCOMPARE(list.currentIndex(), -1);
    }

    void SelectPosition_RefusesPositionsTheListLacks() {
        // Selection before, position asked for, taken, selection after.
        const int cases[][4] = {{-1, 0, 1, 0}, {0, 3, 1, 3},   {2, -1, 1, -1},
                                {2, 4, 0, 2},  {-1, 7, 0, -1}, {1, -2, 0, 1}};
        for (const auto& c : cases) {
            QComboBox list;
            AddDropdownItems(list, NetworkTexts());
            list.setCurrentIndex(c[0]);
            QCOMPARE(SelectPosition(list, c[1]), c[2] == 1);
            QCOMPARE(list.currentIndex(), c[3]);
        }
    }
};

BWSHOW_REGISTER_TEST(LibDropdownTest);

} // namespace bw::test

#include "LibDropdownTest.moc"
