#pragma once

#include <QObject>

namespace bw::test {

class GroupDialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void Chooser_OpensWithJukeboxAndTheTypeTexts();
    void Chooser_CancelMakesNoGroup_data();
    void Chooser_CancelMakesNoGroup();
    void NewGroup_EndToEnd_LandsInTheShowAndItsText_data();
    void NewGroup_EndToEnd_LandsInTheShowAndItsText();
    void Editor_Layout_data();
    void Editor_Layout();
    void Editor_OkRefusesInvalidGroups_data();
    void Editor_OkRefusesInvalidGroups();
    void Editor_RemoveAsksAndButtonsFollowSelection();
    void EditMode_CancelAfterEditingInside_LeavesTheShowUnchanged_data();
    void EditMode_CancelAfterEditingInside_LeavesTheShowUnchanged();
    void EditMode_OkCopiesIntoTheShowsOwnGroup();
};

} // namespace bw::test
