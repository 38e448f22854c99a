// What the main window does as people expect of a desktop program: keys for its commands and
// its lists, files dropped on it, entries dragged within the list, and missing files marked.

#include "editor/frmShow.h"

#include "editor/KeyboardCommands.h"
#include "editor/SectionListModel.h"
#include "widgets/EntryDrag.h"
#include "widgets/ListKeyCommands.h"
#include "widgets/SequenceFileFilter.h"
#include "widgets/UserPrompts.h"

#include <QDropEvent>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>

namespace bw {

namespace {

// The first show file among the files that a drag carries; empty for none.
QString DroppedShowFile(const QMimeData* data) {
    if (data == nullptr)
        return {};
    for (const QString& file : EntryDrag::DroppedFiles(*data))
        if (SectionListModel::IsShowFile(file))
            return file;
    return {};
}

// The window takes a drag that carries a show file, to open it.
void AcceptShowFileDrag(QDragMoveEvent& event) {
    if (DroppedShowFile(event.mimeData()).isEmpty() || !(event.possibleActions() & Qt::CopyAction))
        return event.ignore();
    event.setDropAction(Qt::CopyAction);
    event.accept();
}

} // namespace

void frmShow::SetUpKeysAndDrops() {
    KeyboardCommands::AddSectionKeys(*this, *tsMain);
    new ListKeyCommands(*lbSequences, {btRemove, btEdit, btUp, btDown});
    // The window opens with the list in the keyboard's hands, not the first toolbar button.
    lbSequences->setFocus();

    connect(entries_, &SectionListModel::filesDropped, this, &frmShow::DropSequenceFiles);
    setAcceptDrops(true);
}

void frmShow::DropSequenceFiles(const QStringList& files) {
    if (!CurrentPlaylist())
        return;
    const ShowDocument::Action action(*document_);
    int filterIndex = 1;
    const QString filter = AddFilter(&filterIndex);
    const SequenceFileFilter::Sorted sorted = SequenceFileFilter::SortByFilter(files, filter);
    AppendSequences(sorted.taken);
    SetLightsOffCheckbox();
    if (!sorted.refused.isEmpty())
        prompts_.Message(this, SequenceFileFilter::RefusedMessage(sorted.refused, filter),
                         ProgramTitle, UserPrompts::Icon::None);
}

void frmShow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Files may have been moved or renamed while another program was in front.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        entries_->Recheck();
}

void frmShow::dragEnterEvent(QDragEnterEvent* event) {
    AcceptShowFileDrag(*event);
}

void frmShow::dragMoveEvent(QDragMoveEvent* event) {
    AcceptShowFileDrag(*event);
}

void frmShow::dropEvent(QDropEvent* event) {
    const QString path = DroppedShowFile(event->mimeData());
    if (path.isEmpty())
        return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
    OpenShowFile(path);
}

} // namespace bw
