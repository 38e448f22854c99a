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
    void FillAndSelect() {
        QCOMPARE(NetworkTexts(), (QStringList{"Regular", "Aux A", "Aux B", "Aux C"}));
        QComboBox units, inputs;
        QSignalSpy unitChanges(&units, &QComboBox::currentIndexChanged);
        for (int fill = 1; fill <= 2; ++fill) { // every time all entries and no selection
            FillUnitAndInputLists(units, inputs);
            QCOMPARE(units.count() + inputs.count(), 240 + 512);
            QCOMPARE(units.currentIndex() + inputs.currentIndex(), -2);
            QCOMPARE(units.itemText(9) + units.itemText(239) + inputs.itemText(511), "0AF0512");
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
};

BWSHOW_REGISTER_TEST(LibDropdownTest);

} // namespace bw::test

#include "LibDropdownTest.moc"
