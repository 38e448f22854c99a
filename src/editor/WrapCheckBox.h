#pragma once

#include <QCheckBox>

namespace bw {

// A check box whose caption wraps onto further lines within its width, the box standing beside
// the text's middle. The window's layout gives long captions narrow places.
class WrapCheckBox : public QCheckBox {
public:
    explicit WrapCheckBox(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    // The whole area, caption lines included, takes clicks.
    bool hitButton(const QPoint& pos) const override;
};

} // namespace bw
