#include "editor/SectionListView.h"

#include <QDragEnterEvent>

namespace bw {

SectionListView::SectionListView(QWidget* parent) : QListView(parent) {
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDragDropOverwriteMode(false);
}

void SectionListView::dragEnterEvent(QDragEnterEvent* event) {
    if (model() &&
        model()->canDropMimeData(event->mimeData(), event->dropAction(), -1, -1, rootIndex()))
        QListView::dragEnterEvent(event);
    else
        event->ignore();
}

} // namespace bw
