// The section tabs of the main window: one shared list with its editing buttons, set up anew for
// the section that the selected tab edits.

#include "editor/frmShow.h"

#include "dialogs/frmChooseGroupType.h"
#include "dialogs/frmInteractiveGroupEditor.h"
#include "document/QtText.h"
#include "editor/SectionListModel.h"
#include "editor/ShowSections.h"
#include "widgets/UserPrompts.h"

#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTabBar>

#include <utility>

namespace bw {

int frmShow::CurrentTabIndex() const {
    return tsMain->currentIndex() + 1;
}

PlaylistPtr frmShow::CurrentPlaylist() const {
    return document_->SectionPlaylist(CurrentTabIndex());
}

void frmShow::ShowCurrentTab() {
    const ShowSectionInfo& section = SectionOfTab(CurrentTabIndex());
    if (const PlaylistPtr playlist = CurrentPlaylist())
        PopulateListboxWithPlaylist(*playlist);
    else
        PopulateListboxWithInteractive();
    switch (section.options) {
    case SectionOptions::Animation:
        SetupAnimationOptions();
        break;
    case SectionOptions::Musical:
        SetupMusicalOptions();
        break;
    case SectionOptions::None:
        SetupOptionsHidden();
        break;
    }
    // What every tab's setup does after the list and the options panel.
    frameInstructions->show();
    SetLightsOffCheckbox();
    lblTabDescription->setText(QString::fromUtf8(section.title));
    lblTabInstructions->setText(QString::fromUtf8(section.instructions));
    SetListButtons();
}

// The list shows the section of the selected tab, read anew from the show.
void frmShow::PopulateListboxWithPlaylist(const Playlist&) {
    entries_->SetSection(CurrentTabIndex());
}

void frmShow::PopulateListboxWithInteractive() {
    entries_->SetSection(InteractiveTab);
}

int frmShow::SelectedPosition() const {
    const QModelIndexList selected = lbSequences->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

InteractiveGroupPtr frmShow::SelectedGroup() const {
    const int position = SelectedPosition();
    const GroupCollectionPtr& groups = MyShow()->InteractiveGroups();
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
    const int count = entries_->rowCount();
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

void frmShow::SelectEntry(int position) {
    lbSequences->setCurrentIndex(entries_->index(position));
    ListSelectionChanged();
}

void frmShow::AddClicked() {
    const ShowDocument::Action action(*document_);
    if (CurrentTabIndex() == InteractiveTab)
        AddInteractiveGroup();
    else
        AddSequences();
    SetLightsOffCheckbox();
}

QString frmShow::AddFilter(int* filterIndex) const {
    const ShowSectionInfo& section = SectionOfTab(CurrentTabIndex());
    *filterIndex = section.addFilterIndex;
    return section.addFilter ? QString::fromLatin1(section.addFilter) : QString();
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
        document_->AppendSequences(CurrentTabIndex(), files);
    } catch (const std::exception&) {
        // Adding ends without a word.
    }
}

void frmShow::AddSequenceToPlaylist(const std::string& fileName) {
    if (CurrentPlaylist())
        document_->AppendSequences(CurrentTabIndex(), {QtText::FromBytes(fileName)});
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
    const ShowDocument::Action action(*document_);
    if (ConfirmRemove()) {
        const int position = SelectedPosition();
        if (CurrentTabIndex() == InteractiveTab)
            RemoveInteractiveGroup(position + 1);
        else
            RemoveSequence(position + 1);
        lbSequences->selectionModel()->clear();
    }
    SetLightsOffCheckbox();
    SetListButtons();
}

void frmShow::RemoveSequence(int position) {
    if (CurrentPlaylist())
        document_->RemoveEntry(CurrentTabIndex(), position - 1);
}

void frmShow::RemoveInteractiveGroup(int position) {
    document_->RemoveEntry(InteractiveSection, position - 1);
}

void frmShow::SwapSequences(int first, int second) {
    document_->SwapEntries(CurrentTabIndex(), first - 1, second - 1);
}

void frmShow::UpClicked() {
    const ShowDocument::Action action(*document_);
    const int position = SelectedPosition();
    if (position < 1)
        return;
    SwapSequences(position, position + 1);
    SelectEntry(position - 1);
}

void frmShow::DownClicked() {
    const ShowDocument::Action action(*document_);
    const int position = SelectedPosition();
    if (position < 0 || position >= entries_->rowCount() - 1)
        return;
    SwapSequences(position + 1, position + 2);
    SelectEntry(position + 1);
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
