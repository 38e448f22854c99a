#include "widgets/UpDown.h"

#include "listtext/Error.h"
#include "listtext/PlainInt.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace bw {

namespace {

QToolButton* MakeArrowButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // The text box keeps the focus while the spinner is clicked, as with any spin box.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

UpDown::UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), buddy_(buddy), minimum_(minimum), maximum_(maximum),
      up_(MakeArrowButton(Qt::UpArrow, this)), down_(MakeArrowButton(Qt::DownArrow, this)) {
    connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    buddy_->installEventFilter(this);
}

void UpDown::Step(int direction) {
    int current = 0;
    try {
        current = PlainIntFromText(buddy_->text().toStdString());
    } catch (const Error&) {
        return;
    }
    const long long stepped = static_cast<long long>(current) + (direction > 0 ? 1 : -1);
    const int next = static_cast<int>(std::clamp<long long>(stepped, minimum_, maximum_));
    // A step against the end of the range changes nothing, and so is no edit.
    if (next == current)
        return;
    buddy_->setText(QString::number(next));
    Q_EMIT Stepped();
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent*) {
    const int upperHalf = (height() + 1) / 2;
    up_->setGeometry(0, 0, width(), upperHalf);
    down_->setGeometry(0, upperHalf, width(), height() - upperHalf);
}

} // namespace bw
