#pragma once

#include <QObject>

namespace bw::test {

class TriggeredSequenceEditorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void Layout();
    void Open_ShowsTriggerAndFiles_data();
    void Open_ShowsTriggerAndFiles();
    void Name_FollowsTheListsUntilTyped_data();
    void Name_FollowsTheListsUntilTyped();
    void Ok_WritesTheListsIntoTheTrigger_data();
    void Ok_WritesTheListsIntoTheTrigger();
    void Buttons_FollowTheSelection_data();
    void Buttons_FollowTheSelection();
    void UpDownRemove_MoveTheEntries();
    void Add_OffersTheFilesTheGroupAllows_data();
    void Add_OffersTheFilesTheGroupAllows();
    void Add_FitsTheColumns();
    void Ok_EmptyListIsRefused();
    void OkAndCancel_NewAndExistingEntries_data();
    void OkAndCancel_NewAndExistingEntries();
};

} // namespace bw::test
