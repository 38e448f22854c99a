// The parts the dialogs are built from: the trigger lists and the captioned frame.
#include "TestRegistry.h"
#include "dialogs/FormControls.h"
#include "dialogs/LibDropdown.h"

#include <QComboBox>
#include <QSignalSpy>

namespace bw::test {

using namespace LibDropdown;

class FormPartsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TriggerLists_FillAndSelect() {
        QCOMPARE(NetworkTexts().size(), 4);
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

BWSHOW_REGISTER_TEST(FormPartsTest);

} // namespace bw::test

#include "FormPartsTest.moc"
