// The play options beside the section list: they mirror the section's stored options and write
// each change by the user straight into the show.

#include "editor/frmShow.h"

#include "document/QtText.h"
#include "environment/LibFile.h"
#include "listtext/Error.h"
#include "listtext/PlainInt.h"
#include "widgets/MissingFileMark.h"
#include "widgets/UpDown.h"
#include "widgets/UserPrompts.h"
#include "widgets/WrappingButton.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>

namespace bw {

namespace {

// Option values as the playlists store them.
constexpr int PlaySequentially = 1;
constexpr int PlayConcurrently = 2;
constexpr int PlayInOrder = 1;
constexpr int Shuffle = 2;

} // namespace

void frmShow::SetupOptionsHidden() {
    opStandard->hide();
    opVariant->hide();
    chkVariantOption1->hide();
    chkVariantOption2->hide();
    frameDelay->hide();
    frameCleanup->hide();
}

void frmShow::SetupAnimationOptions() {
    opStandard->setText(QStringLiteral("Play concurrently"));
    opStandard->show();
    opVariant->setText(QStringLiteral("Play sequentially"));
    opVariant->show();
    chkVariantOption1->hide();
    chkVariantOption2->hide();
    if (MyShow()->Main()->AnimationType() == PlayConcurrently)
        opStandard->setChecked(true);
    else
        opVariant->setChecked(true);
    frameDelay->hide();
    frameCleanup->hide();
}

void frmShow::SetupMusicalOptions() {
    const Playlist& musical = *MyShow()->Musical();
    opStandard->setText(QStringLiteral("Play in order"));
    opStandard->show();
    opVariant->setText(QStringLiteral("Shuffle"));
    opVariant->show();

    chkVariantOption1->setText(QStringLiteral("Songs can be repeated before all have been played"));
    chkVariantOption1->show();
    chkVariantOption2->setText(QStringLiteral("The same song can be played back-to-back"));
    chkVariantOption2->show();
    chkVariantOption1->setChecked(musical.ShuffleWithReplacement());
    chkVariantOption2->setChecked(musical.ShuffleAllowsBackToBack());

    // The shuffle choices keep their check marks while they cannot be changed.
    const bool shuffled = musical.MusicalType() == Shuffle;
    if (shuffled)
        opVariant->setChecked(true);
    else
        opStandard->setChecked(true);
    chkVariantOption1->setEnabled(shuffled);
    chkVariantOption2->setEnabled(shuffled);

    txtDelay->setText(QString::number(musical.Delay()));
    frameDelay->show();
    txtCleanup->setText(QtText::FromBytes(musical.CleanUp()));
    MarkCleanupFile();
    frameCleanup->show();
}

void frmShow::SetLightsOffCheckbox() {
    const int tab = CurrentTabIndex();
    if (tab == BackgroundTab) {
        chkLightsOffAtEnd->hide();
        return;
    }
    chkLightsOffAtEnd->show();
    if (tab == InteractiveTab) {
        const InteractiveGroupPtr group = SelectedGroup();
        // Without a selected group the box keeps whatever check mark it had.
        chkLightsOffAtEnd->setEnabled(group != nullptr);
        if (group)
            chkLightsOffAtEnd->setChecked(group->LightsOffAtEnd());
        return;
    }
    chkLightsOffAtEnd->setEnabled(true);
    if (const PlaylistPtr playlist = CurrentPlaylist())
        chkLightsOffAtEnd->setChecked(playlist->LightsOffAtEnd());
}

void frmShow::LightsOffClicked(bool checked) {
    document_->SetLightsOffAtEnd(CurrentTabIndex(), SelectedPosition(), checked);
}

void frmShow::StandardClicked() {
    PlayOptionClicked(PlayConcurrently, PlayInOrder);
}

void frmShow::VariantClicked() {
    PlayOptionClicked(PlaySequentially, Shuffle);
}

// The two option buttons stand for an animation type on the Animation tab and a musical type on
// the Musical tab; a click stores the value only when it differs.
void frmShow::PlayOptionClicked(int animationType, int musicalType) {
    const int tab = CurrentTabIndex();
    if (tab == AnimationTab) {
        document_->SetAnimationType(animationType);
    } else if (tab == MusicalTab) {
        document_->SetMusicalType(musicalType);
        // The shuffle choices apply only while shuffling.
        chkVariantOption1->setEnabled(musicalType == Shuffle);
        chkVariantOption2->setEnabled(musicalType == Shuffle);
    }
}

void frmShow::VariantOption1Clicked(bool checked) {
    if (CurrentTabIndex() == MusicalTab)
        document_->SetShuffleWithReplacement(checked);
}

void frmShow::VariantOption2Clicked(bool checked) {
    if (CurrentTabIndex() == MusicalTab)
        document_->SetShuffleAllowsBackToBack(checked);
}

void frmShow::DelayEdited() {
    int delay = 0;
    try {
        // The number the text begins with, fractions rounded half to even; beyond the spinner's
        // range it is stored all the same.
        delay = PlainIntFromText(txtDelay->text().toStdString());
    } catch (const Error&) {
        // No 32-bit number: the previous delay stays and nothing else changes.
        return;
    }
    document_->SetDelay(delay);
}

void frmShow::CleanupEdited(const QString& text) {
    document_->SetCleanUp(text, ShowDocument::TypingCleanup);
    MarkCleanupFile();
}

// The cleanup file is resolved against the sequence folder, as the section's sequences are.
void frmShow::MarkCleanupFile() {
    const std::string file = LibFile::ResolveSequencePath(
        QtText::ToBytes(txtCleanup->text()), QtText::ToBytes(environment_.defaultPath));
    const QString path = QtText::FromBytes(file);
    const bool missing = MissingFileMark::IsMissing(file);
    if (missing && cleanupMark_->icon().isNull())
        cleanupMark_->setIcon(MissingFileMark::Icon());
    cleanupMark_->setVisible(missing);
    cleanupMark_->setToolTip(missing ? MissingFileMark::ToolTip(path, missing) : QString());
}

void frmShow::CleanupClicked() {
    FileDialogRequest request;
    request.title = QStringLiteral("Select the cleanup file");
    request.filter = QStringLiteral("Animation Sequences|*.kas");
    request.filterIndex = 1;
    request.startFolder = environment_.defaultPath;
    const std::optional<QStringList> chosen = prompts_.OpenFiles(this, request);
    if (!chosen || chosen->isEmpty())
        return;
    const QString file = chosen->constFirst();
    txtCleanup->setText(file);
    MarkCleanupFile();
    document_->SetCleanUp(file);
}

} // namespace bw
