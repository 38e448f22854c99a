#pragma once

#include <QObject>

namespace bw::test {

// The small pieces the windows share: column fitting, the error message box, the icon set and
// the wrapping check box.
class EditorHelpersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void AutoSizeColumns_FitsHeaderAndEntries();
    void ShowErrorMessage_DescriptionWithExclamation();
    void Icons_EveryKeyRenders_data();
    void Icons_EveryKeyRenders();
    void Toolbar_SevenCaptionedButtonsByKey();
    void WrapCheckBox_SecondLineTakesClicks();
};

} // namespace bw::test
