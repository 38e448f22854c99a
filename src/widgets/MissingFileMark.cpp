#include "widgets/MissingFileMark.h"

#include "environment/LibFile.h"
#include "widgets/FormControls.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QStyle>
#include <QStyledItemDelegate>

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

namespace {

// The style leaves room around a decoration; the entry keeps its width but the height of its text.
class OneLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
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
};

} // namespace

void FitToLines(QAbstractItemView& list) {
    const int lineHeight = list.fontMetrics().height();
    list.setIconSize(QSize(lineHeight, lineHeight));
    list.setItemDelegate(new OneLineDelegate(&list));
}

} // namespace bw::MissingFileMark
