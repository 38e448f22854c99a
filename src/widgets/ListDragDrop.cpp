#include "widgets/ListDragDrop.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace bw {

namespace {

// The line between two entries where a drop puts what it carries.
class DropLine : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), palette().color(QPalette::Highlight));
    }
};

int RowCount(const QAbstractItemView& list) {
    return list.model() ? list.model()->rowCount(list.rootIndex()) : 0;
}

} // namespace

ListDragDrop::ListDragDrop(QAbstractItemView& list, Handlers handlers)
    : QObject(&list), list_(list), handlers_(std::move(handlers)),
      indicator_(new DropLine(list.viewport())) {
    indicator_->setObjectName(QStringLiteral("dropIndicator"));
    indicator_->setAttribute(Qt::WA_TransparentForMouseEvents);
    indicator_->hide();
    list_.setAcceptDrops(true);
    list_.viewport()->setAcceptDrops(true);
    list_.viewport()->installEventFilter(this);
}

QString ListDragDrop::EntryFormat() {
    return QStringLiteral("application/x-bwshow-list-entry");
}

QMimeData* ListDragDrop::EntryData(const void* owner, int row) {
    auto* data = new QMimeData;
    const QString entry = QStringLiteral("%1:%2:%3")
                              .arg(QApplication::applicationPid())
                              .arg(reinterpret_cast<quintptr>(owner))
                              .arg(row);
    data->setData(EntryFormat(), entry.toLatin1());
    return data;
}

int ListDragDrop::DraggedRow(const QMimeData& data, const void* owner) {
    if (!data.hasFormat(EntryFormat()))
        return -1;
    const QStringList parts = QString::fromLatin1(data.data(EntryFormat())).split(QLatin1Char(':'));
    if (parts.size() != 3 || parts[0].toLongLong() != QApplication::applicationPid() ||
        parts[1].toULongLong() != reinterpret_cast<quintptr>(owner))
        return -1;
    bool ok = false;
    const int row = parts[2].toInt(&ok);
    return ok && row >= 0 ? row : -1;
}

QMimeData* ListDragDrop::EntryData(int row) const {
    return EntryData(this, row);
}

int ListDragDrop::DraggedRow(const QMimeData& data) const {
    const int row = DraggedRow(data, this);
    return row < RowCount(list_) ? row : -1;
}

QStringList ListDragDrop::DroppedFiles(const QMimeData& data) {
    QStringList files;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            files << QDir::toNativeSeparators(url.toLocalFile());
    return files;
}

int ListDragDrop::InsertRow(const QPoint& point) const {
    const QModelIndex index = list_.indexAt(point);
    if (!index.isValid())
        return RowCount(list_);
    const QRect place = list_.visualRect(index);
    return point.y() < place.center().y() ? index.row() : index.row() + 1;
}

bool ListDragDrop::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = list_.indexAt(mouse->position().toPoint());
        pressRow_ = mouse->button() == Qt::LeftButton && index.isValid() ? index.row() : -1;
        pressPoint_ = mouse->position().toPoint();
        return false;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (pressRow_ < 0 || !(mouse->buttons() & Qt::LeftButton) ||
            (mouse->position().toPoint() - pressPoint_).manhattanLength() <
                QApplication::startDragDistance())
            return false;
        if (!handlers_.canMove || !handlers_.canMove()) {
            pressRow_ = -1;
            return false;
        }
        StartDrag();
        return true;
    }
    case QEvent::MouseButtonRelease:
        pressRow_ = -1;
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!DragOver(*drag)) {
            HideIndicator();
            drag->ignore();
        }
        return true;
    }
    case QEvent::DragLeave:
        HideIndicator();
        return true;
    case QEvent::Drop:
        HideIndicator();
        Drop(*static_cast<QDropEvent*>(event));
        return true;
    default:
        return false;
    }
}

void ListDragDrop::StartDrag() {
    const int row = pressRow_;
    pressRow_ = -1;
    auto* drag = new QDrag(&list_);
    drag->setMimeData(EntryData(row));
    drag->exec(Qt::MoveAction);
}

// An entry of this list goes where the pointer is; files are added at the end, as Add adds them.
bool ListDragDrop::DragOver(QDragMoveEvent& event) {
    const QMimeData* data = event.mimeData();
    if (data == nullptr)
        return false;
    if (DraggedRow(*data) >= 0) {
        if (!handlers_.canMove || !handlers_.canMove())
            return false;
        event.setDropAction(Qt::MoveAction);
        event.accept();
        ShowIndicator(InsertRow(event.position().toPoint()));
        return true;
    }
    const QStringList files = DroppedFiles(*data);
    if (files.isEmpty() || !handlers_.takesFiles || !handlers_.takesFiles(files) ||
        !(event.possibleActions() & Qt::CopyAction))
        return false;
    event.setDropAction(Qt::CopyAction);
    event.accept();
    ShowIndicator(RowCount(list_));
    return true;
}

void ListDragDrop::Drop(QDropEvent& event) {
    const QMimeData* data = event.mimeData();
    if (data == nullptr) {
        event.ignore();
        return;
    }
    const int from = DraggedRow(*data);
    if (from >= 0) {
        if (!handlers_.canMove || !handlers_.canMove()) {
            event.ignore();
            return;
        }
        event.setDropAction(Qt::MoveAction);
        event.accept();
        // Taking the entry out first moves everything behind it up by one.
        const int before = InsertRow(event.position().toPoint());
        const int to = before > from ? before - 1 : before;
        if (to != from && handlers_.moveEntry)
            handlers_.moveEntry(from, to);
        return;
    }
    const QStringList files = DroppedFiles(*data);
    if (files.isEmpty() || !handlers_.takesFiles || !handlers_.takesFiles(files)) {
        event.ignore();
        return;
    }
    event.setDropAction(Qt::CopyAction);
    event.accept();
    if (handlers_.dropFiles)
        handlers_.dropFiles(files);
}

void ListDragDrop::ShowIndicator(int row) {
    const int count = RowCount(list_);
    int top = 0;
    if (row < count)
        top = list_.visualRect(list_.model()->index(row, 0, list_.rootIndex())).top();
    else if (count > 0)
        top = list_.visualRect(list_.model()->index(count - 1, 0, list_.rootIndex())).bottom() + 1;
    indicator_->setGeometry(0, std::max(0, top - 1), list_.viewport()->width(), 2);
    indicator_->show();
    indicator_->raise();
}

void ListDragDrop::HideIndicator() {
    indicator_->hide();
}

bool ListDragDrop::IndicatorShown() const {
    return !indicator_->isHidden();
}

int ListDragDrop::IndicatorTop() const {
    return indicator_->geometry().top();
}

} // namespace bw
