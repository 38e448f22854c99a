// The form controls as they are drawn.
#include "dialogs/FormControls.h"
#include "TestRegistry.h"

namespace bw::test {

class FormControlsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The border runs at the caption's middle row and stops either side of the caption.
    void CaptionStandsOnTheBorder() {
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
        frame.setTitle("Startup Type");
        QVERIFY(whole - borderPixels() >= frame.fontMetrics().horizontalAdvance(frame.title()));
    }
};

BWSHOW_REGISTER_TEST(FormControlsTest);

} // namespace bw::test

#include "FormControlsTest.moc"
