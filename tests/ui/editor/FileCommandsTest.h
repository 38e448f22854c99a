#pragma once

#include <QObject>

namespace bw::test {

// The toolbar's show file commands, the window states and the caption.
class FileCommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void WindowStates_SaveEnabledOnlyWhenNamedAndChanged();
    void SaveAs_ChosenName_data();
    void SaveAs_ChosenName();
    void SaveAs_FailedWrite_KeepsNewNameAndSaveRetriesIt();
    void Captions_data();
    void Captions();
    void Open_FileWithoutShow_KeepsCurrentShow_data();
    void Open_FileWithoutShow_KeepsCurrentShow();
    void Open_ShowFile_ReplacesShowAndClearsChanges();
    void UnsavedQuestion_NewAndOpen_data();
    void UnsavedQuestion_NewAndOpen();
    void Closing_WithUnsavedChanges_data();
    void Closing_WithUnsavedChanges();
    void SessionEnd_AnsweredNo_IsCancelled();
    void Help_OpensShowEditorTopic();
    void Options_OpensModalDialog_AndRefreshesWhenItCloses();

private:
    QString folder_;
};

} // namespace bw::test
