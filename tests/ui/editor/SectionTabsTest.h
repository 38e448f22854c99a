#pragma once

#include <QObject>

namespace bw::test {

// The section tabs: their setup, the shared list and its editing buttons.
class SectionTabsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void Layout_ControlsInTheirPlaces_data();
    void Layout_ControlsInTheirPlaces();
    void TabStrip_SixTabsWithTooltips();
    void TabSetup_data();
    void TabSetup();
    void TabSetup_ListsTheSectionInShowOrder();
    void ListButtons_FollowSelection_data();
    void ListButtons_FollowSelection();
    void Add_TabFilter_data();
    void Add_TabFilter();
    void Add_ChosenFiles_data();
    void Add_ChosenFiles();
    void Remove_AfterQuestion_data();
    void Remove_AfterQuestion();
    void MoveUpDown_ListAndPlaylistInStep_data();
    void MoveUpDown_ListAndPlaylistInStep();
    void Interactive_LightsOffFollowsSelectedGroup();
    void Interactive_AddOpensChooserWithJukebox();
    void Interactive_EditOpensEditorForSelectedGroup();
};

} // namespace bw::test
