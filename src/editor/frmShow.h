#pragma once

#include "dialogs/ShowEditorHost.h"
#include "document/ShowDocument.h"
#include "environment/RecentShows.h"
#include "model/Playlist.h"
#include "model/Show.h"
#include "showcheck/Relink.h"
#include "widgets/WrappingButton.h"

#include <QHash>
#include <QIcon>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class QSessionManager;
class QTabBar;
class QToolBar;

namespace bw {

class RecentShowsMenu;
class frmShowCheck;
class SectionListModel;
class UpDown;

// What the main window takes from the installation around it.
struct frmShowEnvironment {
    // The folder in which every file dialog starts: the user's sequence folder, either empty or
    // ending in a separator.
    QString defaultPath;
    // Opens the suite's help on a topic page, owned by the given window.
    std::function<void(QWidget* owner, int topic)> showHelpTopic;
    // Where the list of recent shows is kept; none, and the Open command has no such list.
    std::optional<RecentShows::Place> recentShows;
};

// The show editor's main window: the toolbar with the show file commands, the six section tabs
// over one shared sequence list with its editing buttons, and the play options of the section.
// The show, its file and its history are the document's; the window shows them, hands every
// edit to the document and follows its signals.
class frmShow : public QWidget, public ShowEditorHost {
    Q_OBJECT

public:
    // The tabs by their index in the tab strip, counted from 1.
    enum Tab {
        BackgroundTab = 1,
        StartupTab,
        AnimationTab,
        MusicalTab,
        InteractiveTab,
        ShutdownTab
    };

    frmShow(UserPrompts& prompts, frmShowEnvironment environment, QWidget* parent = nullptr);
    ~frmShow() override;

    // What the dialogs use.
    ShowPtr MyShow() const override;
    QString DefaultPath() const override;
    UserPrompts& Prompts() const override;
    void SetUnsavedInfo() override;
    void PopulateListboxWithInteractive() override;

    ShowDocument& Document() const { return *document_; }
    // Full path of the file the show was opened from or last saved to; empty for a show that has
    // never been saved.
    QString ShowFileName() const { return document_->FileName(); }
    bool HasUnsavedChanges() const { return document_->IsModified(); }

    // The unsaved-changes question; true when there is nothing to lose or the user lets it go.
    bool ConfirmDiscardChanges();
    // The enabled state of the commands (the Save button rule): the one place that computes it,
    // run whenever the document's file name or modified state changes.
    void UpdateActions();
    // The caption rule, run whenever the document's file name changes.
    void SetCaption();
    void EditShowOptions();
    // The unsaved-changes question when the desktop session is about to end; false cancels the
    // end of the session. The closing that follows an agreement does not ask again.
    bool AgreeToEndSession();
    // Sets the window up for the selected tab.
    void ShowCurrentTab();

    int CurrentTabIndex() const;
    // The playlist that the selected tab edits; none on the Interactive tab.
    PlaylistPtr CurrentPlaylist() const;
    void PopulateListboxWithPlaylist(const Playlist& playlist);
    void SetListButtons();
    void SetLightsOffCheckbox();

    void AddSequenceToPlaylist(const std::string& fileName);
    // Positions count from 1; a position outside the collection changes nothing.
    void RemoveSequence(int position);
    void RemoveInteractiveGroup(int position);
    void SwapSequences(int first, int second);

    // What a drop of files on the list does: sequence files appended to the section as Add
    // appends them, the others named in one message.
    void DropSequenceFiles(const QStringList& files);
    // Opens the show file at `path` as Open does once its dialog has chosen the file (after the
    // unsaved-changes question, with the same message when it cannot); then brings the window up
    // to date. For a file dropped on the window or named when the program starts.
    void OpenShowFile(const QString& path);

    // The entries of the section list, with their missing-file marks and their drag and drop.
    SectionListModel& SectionEntries() const { return *entries_; }
    // The check window, once Check Show has opened it; none before.
    frmShowCheck* CheckWindow() const { return checkWindow_; }
    // The recent shows on the Open button (held down, or Ctrl+Shift+O); none without a place
    // for the list.
    RecentShowsMenu* RecentMenu() const { return recentShows_; }

Q_SIGNALS:
    // The user let the unsaved changes go for good: the window closes, or the desktop session
    // ends, without saving them.
    void changesLetGo();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Runs a modal dialog of this window; when it has closed, the window is brought up to date
    // as it is whenever it becomes the active window again. Virtual as the one place where a
    // dialog that cannot be shown can be stood in for.
    virtual void RunModal(QDialog& dialog);

private:
    void CreateActions();
    void CreateToolbar();
    void CreateTabStrip();
    void CreateListEditor();
    void CreateOptions();
    void CreateCleanup();
    void ConnectHandlers();
    void FitFontToLayout();
    void SetUpKeysAndDrops();
    void CreateRecentShows();

    // Listening to the document.
    void ConnectDocument();
    ShowPlace CurrentPlace() const;
    // Sets the window up for a show that the document has replaced, at the given place.
    void ShowReplaced(const ShowPlace& place);
    // Undo and Redo with their standard keys; in the text boxes the keys undo the show too, so
    // that a run of typing goes back as the one step it made.
    void CreateHistoryCommands();
    bool eventFilter(QObject* watched, QEvent* event) override;

    void RefreshOnActivate();

    // Toolbar commands, each run by RunCommand: a command that fails ends where it failed, and
    // the window is brought up to date after every command.
    void RunCommand(void (frmShow::*command)());
    void ShowHelp();
    void Exit();
    void NewShow();
    void OpenShow();
    void ReadShowFile(const QString& path);
    void SaveShow();
    void SaveShowAs();

    // The check window: opened once by Check Show, then kept on the document's show.
    void OpenCheckWindow();
    void FollowFinding(int section, int entry, int groupEntry);
    void EditFoundGroup(int index);
    void RelinkFiles(const std::vector<Relink::Choice>& choices);

    // Section tabs.
    void SetupOptionsHidden();
    void SetupAnimationOptions();
    void SetupMusicalOptions();
    int SelectedPosition() const;
    InteractiveGroupPtr SelectedGroup() const;

    // List editing.
    void AddClicked();
    void AddSequences();
    // The add dialog's filter of the selected tab, with the index of the filter it starts on.
    QString AddFilter(int* filterIndex) const;
    void AppendSequences(const QStringList& files);
    void AddInteractiveGroup();
    bool ConfirmRemove();
    void RemoveClicked();
    void UpClicked();
    void DownClicked();
    void EditClicked();
    void ListSelectionChanged();
    // Selects the entry at `position` (none for -1), then what a list click does.
    void SelectEntry(int position);

    // Play options.
    void LightsOffClicked(bool checked);
    void StandardClicked();
    void VariantClicked();
    void PlayOptionClicked(int animationType, int musicalType);
    void VariantOption1Clicked(bool checked);
    void VariantOption2Clicked(bool checked);
    void DelayEdited();
    void CleanupEdited(const QString& text);
    void CleanupClicked();
    void MarkCleanupFile();

    void CommitDataRequested(QSessionManager& manager);

    UserPrompts& prompts_;
    frmShowEnvironment environment_;
    ShowDocument* document_ = nullptr;
    bool shownBefore_ = false;
    bool closeAfterCommand_ = false;
    // The user let the changes go when the desktop session asked to end; the closing that
    // follows does not ask again. Any later edit takes it back.
    bool sessionEndAgreed_ = false;

    // The toolbar's icons by key.
    QHash<QString, QIcon> imlToolbarIcons;

    // The commands, in the toolbar's order; each is named after its button's key.
    QAction* actNew_ = nullptr;
    QAction* actOpen_ = nullptr;
    QAction* actOptions_ = nullptr;
    QAction* actSave_ = nullptr;
    QAction* actSaveAs_ = nullptr;
    QAction* actHelp_ = nullptr;
    QAction* actExit_ = nullptr;
    QAction* actCheck_ = nullptr;
    QAction* actUndo_ = nullptr;
    QAction* actRedo_ = nullptr;

    QToolBar* Toolbar1 = nullptr;
    QTabBar* tsMain = nullptr;
    QWidget* tsMainPane_ = nullptr;
    QListView* lbSequences = nullptr;
    SectionListModel* entries_ = nullptr;
    QFrame* frameInstructions = nullptr;
    QLabel* lblTabDescription = nullptr;
    QLabel* lblTabInstructions = nullptr;
    QFrame* frameListEditor = nullptr;
    QPushButton* btAdd = nullptr;
    QPushButton* btRemove = nullptr;
    QPushButton* btUp = nullptr;
    QPushButton* btDown = nullptr;
    QPushButton* btEdit = nullptr;
    QFrame* frameOptions = nullptr;
    WrapCheckBox* chkLightsOffAtEnd = nullptr;
    QFrame* frameOptionsRadio = nullptr;
    QRadioButton* opStandard = nullptr;
    QRadioButton* opVariant = nullptr;
    WrapCheckBox* chkVariantOption1 = nullptr;
    WrapCheckBox* chkVariantOption2 = nullptr;
    QFrame* frameDelay = nullptr;
    QLineEdit* txtDelay = nullptr;
    UpDown* UpDown1 = nullptr;
    QLabel* lblDelay = nullptr;
    QFrame* frameCleanup = nullptr;
    QLabel* lblCleanup = nullptr;
    QLineEdit* txtCleanup = nullptr;
    QPushButton* btCleanup = nullptr;
    // The mark in the cleanup box when its file is missing.
    QAction* cleanupMark_ = nullptr;

    frmShowCheck* checkWindow_ = nullptr;
    RecentShowsMenu* recentShows_ = nullptr;
};

} // namespace bw
