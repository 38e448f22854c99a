#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>

#include <functional>

class QAbstractItemView;
class QDragMoveEvent;
class QDropEvent;
class QMimeData;
class QWidget;

namespace bw {

// Dragging for a list: its entries can be dragged to another place in it, and files can be
// dropped on it from a file manager. The list itself changes nothing; the handlers do, and a
// line shows where the entry or the files will go while the drag is over the list.
class ListDragDrop : public QObject {
    Q_OBJECT
public:
    struct Handlers {
        // Whether the entries may be moved now.
        std::function<bool()> canMove;
        // Moves the entry at row `from` so that it ends up at row `to`.
        std::function<void(int from, int to)> moveEntry;
        // Whether a drop of these files (full native paths) is the list's to take.
        std::function<bool(const QStringList& files)> takesFiles;
        // The files dropped on the list, in the order the drag carries them.
        std::function<void(const QStringList& files)> dropFiles;
    };

    ListDragDrop(QAbstractItemView& list, Handlers handlers);

    // The data that a drag of the entry at `row` carries.
    QMimeData* EntryData(int row) const;
    // The same for any list: the entry is named by its list (`owner`) as well as its row, so that
    // a drag from another list, or from another copy of the program, is never taken for a move.
    static QString EntryFormat();
    static QMimeData* EntryData(const void* owner, int row);
    // The row that a drag of an entry of `owner` carries; -1 for anything else.
    static int DraggedRow(const QMimeData& data, const void* owner);
    // The row before which a drop at `point` of the list's viewport puts its entry: the one
    // under the point or the one after it, by the half of the entry; the end below the last.
    int InsertRow(const QPoint& point) const;
    // The local files that a drag carries, as full native paths.
    static QStringList DroppedFiles(const QMimeData& data);
    // Whether the drop indicator is showing, and at which height of the viewport.
    bool IndicatorShown() const;
    int IndicatorTop() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The row of an entry that this list's own drag carries; -1 for anything else.
    int DraggedRow(const QMimeData& data) const;
    bool DragOver(QDragMoveEvent& event);
    void Drop(QDropEvent& event);
    void StartDrag();
    void ShowIndicator(int row);
    void HideIndicator();

    QAbstractItemView& list_;
    Handlers handlers_;
    QWidget* indicator_;
    QPoint pressPoint_;
    int pressRow_ = -1;
};

} // namespace bw
