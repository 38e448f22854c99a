#include "dialogs/FormControls.h"

#include <QFile>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace bw {

QRect WrappingRadioButton::CaptionRect() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
}

void WrappingRadioButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);

    int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    const QRect caption = CaptionRect();
    painter.drawItemText(caption, flags, option.palette, isEnabled(), text(), QPalette::WindowText);

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.fontMetrics()
                         .boundingRect(caption, flags, text())
                         .adjusted(-1, 0, 1, 0)
                         .intersected(rect());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

// The whole button answers a click, the second line of the caption included.
bool WrappingRadioButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void SetTabChain(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

QIcon ListButtonIcon(const QString& key) {
    const QString path = QStringLiteral(":/icons/%1.svg").arg(key);
    if (QFile::exists(path))
        return QIcon(path);
    return {};
}

QPushButton* AddPictureButton(QWidget* parent, const char* objectName, const QRect& place,
                              const QString& iconKey, const QString& toolTip) {
    auto* button = AddControl<QPushButton>(parent, objectName, place);
    button->setIcon(ListButtonIcon(iconKey));
    button->setIconSize(QSize(24, 24));
    button->setToolTip(toolTip);
    return button;
}

void UseFormFont(QWidget& form) {
    QFont font = form.font();
    font.setPointSize(8);
    form.setFont(font);
}

} // namespace bw
