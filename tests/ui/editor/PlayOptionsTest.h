#pragma once

#include <QObject>

namespace bw::test {

// The play options panel: filling it from the show, and the user's changes written back.
class PlayOptionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void Filling_IsNoEdit_data();
    void Filling_IsNoEdit();
    void LightsOff_WritesOnlyRealChanges_data();
    void LightsOff_WritesOnlyRealChanges();
    void Animation_PlayOrder_data();
    void Animation_PlayOrder();
    void Musical_ShuffleEnablesItsChoices();
    void Musical_ShuffleChoices_data();
    void Musical_ShuffleChoices();
    void Delay_TypedText_data();
    void Delay_TypedText();
    void Delay_Spinner_data();
    void Delay_Spinner();
    void Cleanup_TypedAndChosen();
};

} // namespace bw::test
