#include "dialogs/SequenceFileTree.h"

#include "widgets/EntryDrag.h"

#include <QDropEvent>
#include <QMimeData>

namespace bw {

SequenceFileTree::SequenceFileTree(QWidget* parent) : QTreeWidget(parent) {
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDragDropOverwriteMode(false);
}

QTreeWidgetItem* SequenceFileTree::AddEntry() {
    auto* entry = new QTreeWidgetItem(this);
    entry->setFlags(entry->flags() & ~Qt::ItemIsDropEnabled);
    return entry;
}

QStringList SequenceFileTree::mimeTypes() const {
    return {EntryDrag::Format(), QStringLiteral("text/uri-list")};
}

// A selected entry comes once for each of its columns.
QMimeData* SequenceFileTree::mimeData(const QList<QTreeWidgetItem*>& items) const {
    if (items.isEmpty() || items[0]->parent() != nullptr || items.count(items[0]) != items.size())
        return nullptr;
    return EntryDrag::Data(this, indexOfTopLevelItem(items[0]));
}

bool SequenceFileTree::Takes(const QDropEvent& event) const {
    const QMimeData* data = event.mimeData();
    if (data == nullptr)
        return false;
    if (data->hasFormat(EntryDrag::Format()))
        return EntryDrag::DraggedRow(*data, this, topLevelItemCount()) >= 0;
    return event.dropAction() == Qt::CopyAction && !EntryDrag::DroppedFiles(*data).isEmpty();
}

// An entry goes where the pointer is; files are added at the end, as Add adds them, so the line
// between entries shows only for an entry.
void SequenceFileTree::dragEnterEvent(QDragEnterEvent* event) {
    if (!Takes(*event)) {
        event->ignore();
        return;
    }
    setDropIndicatorShown(event->mimeData()->hasFormat(EntryDrag::Format()));
    QTreeWidget::dragEnterEvent(event);
}

void SequenceFileTree::dragMoveEvent(QDragMoveEvent* event) {
    if (Takes(*event))
        QTreeWidget::dragMoveEvent(event);
    else
        event->ignore();
}

// The tree widget's own drop would move the entries itself; the item view's asks dropMimeData.
void SequenceFileTree::dropEvent(QDropEvent* event) {
    if (!Takes(*event)) {
        event->ignore();
        return;
    }
    QTreeView::dropEvent(event);
    // The entry has been moved here; a move action would have the drag remove it again.
    if (event->isAccepted())
        event->setDropAction(Qt::CopyAction);
}

bool SequenceFileTree::dropMimeData(QTreeWidgetItem* parent, int index, const QMimeData* data,
                                    Qt::DropAction) {
    if (parent != nullptr || data == nullptr)
        return false;
    const int from = EntryDrag::DraggedRow(*data, this, topLevelItemCount());
    if (from < 0) {
        Q_EMIT filesDropped(EntryDrag::DroppedFiles(*data));
        return true;
    }
    // Taking the entry out first moves everything behind it up by one.
    const int to = index > from ? index - 1 : index;
    if (to != from)
        Q_EMIT entryMoveAsked(from, to);
    return true;
}

} // namespace bw
