#pragma once

#include <QCheckBox>
#include <QRadioButton>
#include <QStyleOptionButton>

#include <type_traits>

namespace bw {

// Paints a check box or option button whose caption wraps onto further lines within the
// button's width, the indicator standing beside the caption's middle.
void PaintWrappingButton(QWidget& button, const QStyleOptionButton& option, bool optionButton);

// A check box or option button with a caption that wraps: the window's and the forms' layouts
// give long captions narrow places. text() keeps the caption as it is, and the whole area,
// caption lines included, takes clicks.
template <class Button> class WrappingButton : public Button {
public:
    using Button::Button;

protected:
    void paintEvent(QPaintEvent*) override {
        QStyleOptionButton option;
        this->initStyleOption(&option);
        PaintWrappingButton(*this, option, std::is_base_of_v<QRadioButton, Button>);
    }
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

using WrapCheckBox = WrappingButton<QCheckBox>;
using WrappingRadioButton = WrappingButton<QRadioButton>;

} // namespace bw
