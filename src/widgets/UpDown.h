#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace bw {

// An up-down spinner attached to a text box: each click, or the arrow keys in the text box, steps
// the number shown in the text box by one within the spinner's range. The text box keeps whatever
// else is typed into it; the spinner holds no value of its own.
class UpDown : public QWidget {
    Q_OBJECT

public:
    UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent = nullptr);

    // Steps up for a positive direction and down for a negative one. A text whose number cannot
    // be read as a 32-bit value is left alone, and so is a number already at that end of the
    // range.
    void Step(int direction);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

Q_SIGNALS:
    // The text box shows a new number after a step; a step that changes nothing is silent.
    void Stepped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* buddy_;
    int minimum_;
    int maximum_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace bw
