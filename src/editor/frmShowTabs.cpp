// The section tabs of the main window: one shared list with its editing buttons, set up anew for
// the section that the selected tab edits.

#include "editor/frmShow.h"

#include "dialogs/QtText.h"
#include "dialogs/UserPrompts.h"
#include "dialogs/frmChooseGroupType.h"
#include "dialogs/frmInteractiveGroupEditor.h"
#include "editor/SequenceFileMarks.h"
#include "environment/SequenceName.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>

#include <utility>

namespace bw {

namespace {

const QString AnimationFilter = QStringLiteral("Animation Sequences|*.kas");
const QString AllSequencesFilter =
    QStringLiteral("All Sequences|*.kas;*.kms|Animation Sequences|*.kas|Musical Sequences|*.kms");

QString DisplayName(const std::string& fileName) {
    const std::string_view name = File::SequenceDisplayNameView(fileName);
    return QtText::FromBytes(name);
}

} // namespace

int frmShow::CurrentTabIndex() const {
    return tsMain->currentIndex() + 1;
}

PlaylistPtr frmShow::CurrentPlaylist() const {
    switch (CurrentTabIndex()) {
    case BackgroundTab:
        return show_->Background();
    case StartupTab:
        return show_->Startup();
    case AnimationTab:
        return show_->Main();
    case MusicalTab:
        return show_->Musical();
    case ShutdownTab:
        return show_->Shutdown();
    default:
        return nullptr;
    }
}

void frmShow::ShowCurrentTab() {
    switch (CurrentTabIndex()) {
    case BackgroundTab:
        SetupBackgroundTab();
        break;
    case StartupTab:
        SetupStartupTab();
        break;
    case AnimationTab:
        SetupAnimationTab();
        break;
    case MusicalTab:
        SetupMusicalTab();
        break;
    case InteractiveTab:
        SetupInteractiveTab();
        break;
    case ShutdownTab:
        SetupShutdownTab();
        break;
    default:
        break;
    }
}

void frmShow::PopulateListboxWithPlaylist(const Playlist& playlist) {
    QStringList names;
    names.reserve(playlist.Count());
    for (const std::string& fileName : playlist.List())
        names.append(DisplayName(fileName));
    lbSequences->clear();
    lbSequences->addItems(names);
    marks_->Recheck();
}

void frmShow::PopulateListboxWithInteractive() {
    QStringList names;
    const GroupCollectionPtr& groups = show_->InteractiveGroups();
    if (groups) {
        names.reserve(static_cast<qsizetype>(groups->size()));
        for (const InteractiveGroupPtr& group : *groups)
            names.append(group ? QtText::FromBytes(group->Name()) : QString());
    }
    lbSequences->clear();
    lbSequences->addItems(names);
    marks_->Recheck();
}

void frmShow::SetupBackgroundTab() {
    PopulateListboxWithPlaylist(*show_->Background());
    SetupOptionsHidden();
    SetupTab(QStringLiteral("Background Sequences"),
             QStringLiteral("List the animation sequences that will run during the entire "
                            "show.\n\nFor static displays using X10 controllers, the sequences "
                            "should contain a single ON event and be about one minute long."));
}

void frmShow::SetupStartupTab() {
    PopulateListboxWithPlaylist(*show_->Startup());
    SetupOptionsHidden();
    SetupTab(QStringLiteral("Startup Sequences"),
             QStringLiteral("List the sequences that will be run when the show starts."));
}

void frmShow::SetupAnimationTab() {
    PopulateListboxWithPlaylist(*show_->Main());
    SetupAnimationOptions();
    SetupTab(QStringLiteral("Animation Sequences"),
             QStringLiteral("List the animation sequences that will run during the show "
                            "(between Startup and Shutdown)."));
}

void frmShow::SetupMusicalTab() {
    PopulateListboxWithPlaylist(*show_->Musical());
    SetupMusicalOptions();
    SetupTab(QStringLiteral("Musical Sequences"),
             QStringLiteral("List the musical sequences that will run during the show (between "
                            "Startup and Shutdown)."));
}

void frmShow::SetupInteractiveTab() {
    PopulateListboxWithInteractive();
    SetupOptionsHidden();
    SetupTab(QStringLiteral("Interactive Groups"),
             QStringLiteral("List the interactive groups that will wait on triggers during the "
                            "show (between Startup and Shutdown)."));
}

void frmShow::SetupShutdownTab() {
    PopulateListboxWithPlaylist(*show_->Shutdown());
    SetupOptionsHidden();
    SetupTab(QStringLiteral("Shutdown Sequences"),
             QStringLiteral("List the sequences that will be run to shut down the show."));
}

// What every tab's setup does after the list and the options panel.
void frmShow::SetupTab(const QString& title, const QString& instructions) {
    frameInstructions->show();
    SetLightsOffCheckbox();
    lblTabDescription->setText(title);
    lblTabInstructions->setText(instructions);
    SetListButtons();
}

int frmShow::SelectedPosition() const {
    const QModelIndexList selected = lbSequences->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

InteractiveGroupPtr frmShow::SelectedGroup() const {
    const int position = SelectedPosition();
    const GroupCollectionPtr& groups = show_->InteractiveGroups();
    if (position < 0 || !groups || position >= static_cast<int>(groups->size()))
        return nullptr;
    return (*groups)[static_cast<std::size_t>(position)];
}

void frmShow::SetListButtons() {
    const bool interactive = CurrentTabIndex() == InteractiveTab;
    btUp->setVisible(!interactive);
    btDown->setVisible(!interactive);
    btEdit->setVisible(interactive);
    if (interactive) {
        btAdd->setToolTip(QStringLiteral("Add an interactive group"));
        btRemove->setToolTip(QStringLiteral("Remove the interactive group"));
        btEdit->setToolTip(QStringLiteral("Edit the interactive group"));
    } else {
        btAdd->setToolTip(QStringLiteral("Add a sequence"));
        btRemove->setToolTip(QStringLiteral("Remove a sequence"));
        btUp->setToolTip(QStringLiteral("Move sequence up"));
        btDown->setToolTip(QStringLiteral("Move sequence down"));
    }

    const int position = SelectedPosition();
    const int count = lbSequences->count();
    btAdd->setEnabled(true);
    btRemove->setEnabled(position >= 0);
    btEdit->setEnabled(position >= 0);
    btUp->setEnabled(position > 0);
    btDown->setEnabled(position >= 0 && position < count - 1);
}

void frmShow::ListSelectionChanged() {
    SetListButtons();
    SetLightsOffCheckbox();
}

void frmShow::AddClicked() {
    const ShowHistory::Action action(*history_);
    if (CurrentTabIndex() == InteractiveTab)
        AddInteractiveGroup();
    else
        AddSequences();
    SetSaveButton();
    SetLightsOffCheckbox();
}

QString frmShow::AddFilter(int* filterIndex) const {
    switch (CurrentTabIndex()) {
    case BackgroundTab:
    case AnimationTab:
        *filterIndex = 1;
        return AnimationFilter;
    case MusicalTab:
        *filterIndex = 3;
        return AllSequencesFilter;
    default:
        *filterIndex = 1;
        return AllSequencesFilter;
    }
}

void frmShow::AddSequences() {
    if (!CurrentPlaylist())
        return;
    FileDialogRequest request;
    request.title = QStringLiteral("Select one or more sequences files");
    request.startFolder = environment_.defaultPath;
    request.multiple = true;
    request.filter = AddFilter(&request.filterIndex);
    const std::optional<QStringList> chosen = prompts_.OpenFiles(this, request);
    if (!chosen)
        return;
    // The dialog hands back each chosen file as a full path, in its own order.
    AppendSequences(*chosen);
}

void frmShow::AppendSequences(const QStringList& files) {
    try {
        for (const QString& file : files) {
            const std::string fileName = QtText::ToBytes(file);
            AddSequenceToPlaylist(fileName);
            lbSequences->addItem(DisplayName(fileName));
        }
    } catch (const std::exception&) {
        // The files added so far stay; adding ends without a word.
    }
}

void frmShow::AddSequenceToPlaylist(const std::string& fileName) {
    const PlaylistPtr playlist = CurrentPlaylist();
    if (!playlist)
        return;
    playlist->List().push_back(fileName);
    SetUnsavedInfo();
}

void frmShow::AddInteractiveGroup() {
    frmChooseGroupType chooser(*this, this);
    chooser.SelectJukebox();
    RunModal(chooser);
}

bool frmShow::ConfirmRemove() {
    const QString question = CurrentTabIndex() == InteractiveTab
                                 ? QStringLiteral("Remove this interactive group from the show?")
                                 : QStringLiteral("Remove this sequence from the show?");
    return prompts_.Question(this, question, QStringLiteral("Remove sequence"));
}

void frmShow::RemoveClicked() {
    const ShowHistory::Action action(*history_);
    if (ConfirmRemove()) {
        const int position = SelectedPosition();
        if (position >= 0)
            delete lbSequences->takeItem(position);
        if (CurrentTabIndex() == InteractiveTab)
            RemoveInteractiveGroup(position + 1);
        else
            RemoveSequence(position + 1);
        lbSequences->selectionModel()->clear();
    }
    SetLightsOffCheckbox();
    SetListButtons();
    SetSaveButton();
}

void frmShow::RemoveSequence(int position) {
    const PlaylistPtr playlist = CurrentPlaylist();
    if (!playlist || position < 1 || position > playlist->Count())
        return;
    playlist->List().erase(playlist->List().begin() + (position - 1));
    SetUnsavedInfo();
}

void frmShow::RemoveInteractiveGroup(int position) {
    const GroupCollectionPtr& groups = show_->InteractiveGroups();
    if (!groups || position < 1 || position > static_cast<int>(groups->size()))
        return;
    groups->erase(groups->begin() + (position - 1));
    SetUnsavedInfo();
}

void frmShow::SwapSequences(int first, int second) {
    const PlaylistPtr playlist = CurrentPlaylist();
    if (!playlist || first < 1 || second < 1 || first > playlist->Count() ||
        second > playlist->Count())
        return;
    std::vector<std::string>& list = playlist->List();
    std::swap(list[static_cast<std::size_t>(first - 1)],
              list[static_cast<std::size_t>(second - 1)]);
    SetUnsavedInfo();
}

void frmShow::UpClicked() {
    const ShowHistory::Action action(*history_);
    const int position = SelectedPosition();
    if (position < 1)
        return;
    const QString text = lbSequences->item(position)->text();
    lbSequences->insertItem(position - 1, text);
    delete lbSequences->takeItem(position + 1);
    lbSequences->setCurrentRow(position - 1);
    SwapSequences(position, position + 1);
    SetSaveButton();
}

void frmShow::DownClicked() {
    const ShowHistory::Action action(*history_);
    const int position = SelectedPosition();
    if (position < 0 || position >= lbSequences->count() - 1)
        return;
    const QString text = lbSequences->item(position)->text();
    lbSequences->insertItem(position + 2, text);
    delete lbSequences->takeItem(position);
    lbSequences->setCurrentRow(position + 1);
    SwapSequences(position + 1, position + 2);
    SetSaveButton();
}

void frmShow::EditClicked() {
    const InteractiveGroupPtr group = SelectedGroup();
    if (!group)
        return;
    frmInteractiveGroupEditor editor(*this, this);
    editor.SetOldIG(group);
    editor.SetEditMode(true);
    RunModal(editor);
}

} // namespace bw
