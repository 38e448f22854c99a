#include "widgets/WrappingButton.h"

#include <QStylePainter>

namespace bw {

void PaintWrappingButton(QWidget& button, const QStyleOptionButton& option, bool optionButton) {
    QStyle& style = *button.style();
    QStylePainter painter(&button);

    QStyleOptionButton indicator = option;
    indicator.rect = style.subElementRect(optionButton ? QStyle::SE_RadioButtonIndicator
                                                       : QStyle::SE_CheckBoxIndicator,
                                          &option, &button);
    indicator.rect.moveTop((button.height() - indicator.rect.height()) / 2);
    painter.drawPrimitive(
        optionButton ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox, indicator);

    const int spacing = style.pixelMetric(optionButton ? QStyle::PM_RadioButtonLabelSpacing
                                                       : QStyle::PM_CheckBoxLabelSpacing,
                                          &option, &button);
    const int left = indicator.rect.right() + 1 + spacing;
    const QRect caption(left, 0, button.width() - left, button.height());
    int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (!style.styleHint(QStyle::SH_UnderlineShortcut, &option, &button))
        flags |= Qt::TextHideMnemonic;
    painter.drawItemText(caption, flags, option.palette, button.isEnabled(), option.text,
                         QPalette::WindowText);

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.initFrom(&button);
        focus.rect = painter.fontMetrics()
                         .boundingRect(caption, flags, option.text)
                         .adjusted(-1, 0, 1, 0)
                         .intersected(button.rect());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace bw
