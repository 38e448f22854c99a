#pragma once

#include <QApplication>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <type_traits>

namespace bw::test {

// Runs `action` on the next modal window of the given class (any window by default) from inside
// its modal loop. A window that the action leaves open is closed afterwards, so that a failing
// test ends instead of waiting for a person. `seen` tells whether such a window came at all.
template <class Dialog = QWidget>
void WhenModal(std::type_identity_t<std::function<void(Dialog&)>> action,
               std::shared_ptr<bool> seen = {}) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, action, seen] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            if (++*tries > 500) {
                timer->stop();
                timer->deleteLater();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (seen)
            *seen = true;
        QPointer<Dialog> guard(dialog);
        action(*dialog);
        if (guard && guard->isVisible())
            guard->close();
    });
    timer->start(5);
}

} // namespace bw::test
