#include "widgets/MissingFileMark.h"

#include "environment/LibFile.h"
#include "widgets/FormControls.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QStyle>

namespace bw::MissingFileMark {

bool IsMissing(const std::string& path) {
    return !path.empty() && !LibFile::FileExists(path);
}

QIcon Icon() {
    return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
}

QString ToolTip(const QString& path, bool missing) {
    return PlainToolTip(missing ? QStringLiteral("File not found: ") + path : path);
}

void FitToLines(QAbstractItemView& list) {
    const int lineHeight = list.fontMetrics().height();
    list.setIconSize(QSize(lineHeight, lineHeight));
    list.setItemDelegate(new OneLineDelegate(&list));
}

// The style leaves room around a decoration; the entry keeps its width but the height of its text.
QSize OneLineDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem text(option);
    initStyleOption(&text, index);
    text.features &= ~QStyleOptionViewItem::HasDecoration;
    text.icon = QIcon();
    const QWidget* widget = option.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(
        style->sizeFromContents(QStyle::CT_ItemViewItem, &text, QSize(), widget).height());
    return size;
}

} // namespace bw::MissingFileMark
