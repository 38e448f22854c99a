#pragma once

#include <QTreeWidget>

namespace bw {

// A list of sequence files whose entries can be dragged to another place in it and on which files
// can be dropped from a file manager. The list itself changes nothing: it says what the drop asks
// for, and its owner does it the way its buttons do.
class SequenceFileTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit SequenceFileTree(QWidget* parent = nullptr);

    // Entries are added through here, so that none of them takes a drop as a child.
    QTreeWidgetItem* AddEntry();

Q_SIGNALS:
    // The entry at row `from` is to end up at row `to`.
    void entryMoveAsked(int from, int to);
    // Files (full native paths) dropped on the list, in the order the drag carries them.
    void filesDropped(const QStringList& files);

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    bool dropMimeData(QTreeWidgetItem* parent, int index, const QMimeData* data,
                      Qt::DropAction action) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Whether the drop is this list's to take: one of its own entries, or files to be copied.
    bool Takes(const QDropEvent& event) const;
};

} // namespace bw
