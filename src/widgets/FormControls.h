#pragma once

#include "widgets/Twips.h"
#include "widgets/WrappingButton.h"

#include <QGroupBox>

#include <initializer_list>

class QLabel;
class QPushButton;

namespace bw {

// A frame with a caption. Its border runs through the middle of the caption, so that controls
// placed near the frame's top edge stay clear of it.
class CaptionFrame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int CaptionIndent = 6;
    static constexpr int CaptionPadding = 2;
};

// A control of a form: created in `parent` with its object name and its place in twips.
template <class Control>
Control* AddControl(QWidget* parent, const char* objectName, const QRect& place) {
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(objectName));
    control->setGeometry(place);
    return control;
}

// Tab order through the given controls, in the order given.
void SetTabChain(std::initializer_list<QWidget*> controls);

// A button that shows an icon of the editor's set ("Add", "Remove", "Up", "Down") and no
// caption, with its tooltip.
QPushButton* AddPictureButton(QWidget* parent, const char* objectName, const QRect& place,
                              const QString& iconKey, const QString& toolTip);

// The forms are laid out in twips for the small dialog font; every form uses that font so that
// the captions fit their places.
void UseFormLook(QWidget& form);

// A one-line label whose caption is wider than its place grows to the right, within its parent,
// rather than cutting the caption off.
void FitLabelWidth(QLabel& label);

// A tooltip that shows `text` exactly as it is, also when it looks like markup (a file named
// "<b>x</b>.kas"): Qt takes any tooltip that might be rich text for rich text.
QString PlainToolTip(const QString& text);

} // namespace bw
