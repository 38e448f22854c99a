#pragma once

#include <QObject>

namespace bw::test {

class frmOptionsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void Layout_ControlsHaveTheirCaptionsAndPlaces_data();
    void Layout_ControlsHaveTheirCaptionsAndPlaces();
    void Layout_FixedSizeTabOrderAndAccessKeys();
    void Lists_FilledAfreshOnEveryOpening();
    void Load_ShowsTheShowsOptions_data();
    void Load_ShowsTheShowsOptions();
    void Load_WithoutShow_OnlySequenceLoadingAndButtonsEnabled();
    void Enabling_TriggerFollowsStartupType();
    void Ok_WritesIntoTheShow_data();
    void Ok_WritesIntoTheShow();
    void Ok_ErrorIsShownAndDialogStaysOpen();
    void Cancel_LeavesTheShowAsItWas_data();
    void Cancel_LeavesTheShowAsItWas();
};

} // namespace bw::test
