#include "widgets/ListKeyCommands.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace bw {

namespace {

// Clicks the button when it is there to be clicked; false when the key is not its to take.
bool Press(QAbstractButton* button) {
    if (button == nullptr || button->isHidden() || !button->isEnabled())
        return false;
    button->click();
    return true;
}

} // namespace

ListKeyCommands::ListKeyCommands(QAbstractItemView& list, Buttons buttons)
    : QObject(&list), list_(list), viewport_(list.viewport()), buttons_(buttons) {
    list_.installEventFilter(this);
    viewport_->installEventFilter(this);
}

bool ListKeyCommands::eventFilter(QObject* watched, QEvent* event) {
    // The viewport is compared as it was when the filter was set: while the list is destroyed,
    // its children still send events after the list has stopped being a list.
    if (watched == viewport_ && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            list_.indexAt(mouse->position().toPoint()).isValid())
            return Press(buttons_.edit);
        return false;
    }
    if (watched != &list_ || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier) {
        if (key->key() == Qt::Key_Delete)
            return Press(buttons_.remove);
        // Without an Edit to press, Enter is left to the window (a dialog's default button).
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            return Press(buttons_.edit);
    }
    if (modifiers == Qt::ControlModifier &&
        (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
        QAbstractButton* button = key->key() == Qt::Key_Up ? buttons_.up : buttons_.down;
        if (button == nullptr)
            return false;
        // Taken even when the entry cannot move, so that the list does not move its cursor
        // away from the selection instead.
        Press(button);
        return true;
    }
    return false;
}

} // namespace bw
