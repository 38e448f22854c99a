#include "widgets/FormControls.h"

#include "widgets/EditorIcons.h"

#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace bw {

void SetTabChain(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

// The border runs at half the caption's height, and the caption stands on it with a little room
// on either side.
void CaptionFrame::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QRectF border =
        QRectF(rect().adjusted(0, metrics.height() / 2, -1, -1)).translated(0.5, 0.5);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(border, 2, 2);
    painter.restore();

    if (title().isEmpty())
        return;
    QStyleOption option;
    option.initFrom(this);
    int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    const QSize caption = metrics.size(Qt::TextShowMnemonic, title());
    const QRect captionRect(CaptionIndent, 0, caption.width() + 2 * CaptionPadding,
                            metrics.height());
    painter.fillRect(captionRect, palette().brush(backgroundRole()));
    painter.drawItemText(captionRect.adjusted(CaptionPadding, 0, -CaptionPadding, 0), flags,
                         palette(), isEnabled(), title(), QPalette::WindowText);
}

QPushButton* AddPictureButton(QWidget* parent, const char* objectName, const QRect& place,
                              const QString& iconKey, const QString& toolTip) {
    auto* button = AddControl<QPushButton>(parent, objectName, place);
    button->setIcon(EditorIcons::Icon(iconKey));
    button->setIconSize(QSize(24, 24));
    button->setToolTip(toolTip);
    return button;
}

void UseFormLook(QWidget& form) {
    QFont font = form.font();
    font.setPointSize(8);
    form.setFont(font);
}

// The caption's own width, measured without asking the label for its size hint, which lays the
// text out in full and costs more than all the rest of a label.
void FitLabelWidth(QLabel& label) {
    QString caption = label.text();
    for (qsizetype i = caption.indexOf(QLatin1Char('&')); i >= 0 && i < caption.size();
         i = caption.indexOf(QLatin1Char('&'), i + 1))
        caption.remove(i, 1); // "&&" keeps one "&"
    const int needed =
        static_cast<int>(std::ceil(QFontMetricsF(label.font()).horizontalAdvance(caption))) +
        label.contentsMargins().left() + label.contentsMargins().right() + 2 * label.margin();
    if (needed <= label.width())
        return;
    const int room = label.parentWidget() ? label.parentWidget()->width() - label.x() : needed;
    label.resize(std::min(needed, room), label.height());
}

QString PlainToolTip(const QString& text) {
    // Escaped, with its blanks kept and its line breaks as breaks; empty stays empty, so that
    // no tooltip is shown.
    return text.isEmpty() ? text : Qt::convertFromPlainText(text, Qt::WhiteSpacePre);
}

} // namespace bw
