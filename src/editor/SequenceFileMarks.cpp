#include "editor/SequenceFileMarks.h"

#include "environment/LibFile.h"
#include "widgets/FormControls.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

namespace bw {

SequenceFileMarks::SequenceFileMarks(QAbstractItemView& list, PathOfRow pathOfRow)
    : QStyledItemDelegate(&list), list_(list), pathOfRow_(std::move(pathOfRow)) {}

bool SequenceFileMarks::Missing(int row) const {
    const QString path = pathOfRow_(row);
    if (path.isEmpty())
        return false;
    auto found = exists_.constFind(path);
    if (found == exists_.cend())
        found = exists_.insert(path, LibFile::FileExists(path.toStdString()));
    return !found.value();
}

QString SequenceFileMarks::ToolTip(int row) const {
    const QString path = pathOfRow_(row);
    if (path.isEmpty())
        return {};
    return Missing(row) ? QStringLiteral("File not found: ") + path : path;
}

void SequenceFileMarks::Recheck() {
    exists_.clear();
    list_.viewport()->update();
}

// The icon is no taller than the text, so that marked and unmarked entries keep one height.
void SequenceFileMarks::initStyleOption(QStyleOptionViewItem* option,
                                        const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!Missing(index.row()))
        return;
    const int size = option->fontMetrics.height();
    option->icon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    option->decorationSize = QSize(size, size);
    option->features |= QStyleOptionViewItem::HasDecoration;
}

bool SequenceFileMarks::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                  const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = ToolTip(index.row());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), PlainToolTip(text), view, view->visualRect(index));
    return true;
}

} // namespace bw
