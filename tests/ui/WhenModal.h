#pragma once

#include <QApplication>
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
    // Owned by the application, so that a watch that never saw its window ends with the program.
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, [timer, tries = 0, action, seen]() mutable {
        QPointer dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        const bool found = dialog && dialog->isVisible();
        if (!found && ++tries <= 500)
            return;
        timer->stop();
        timer->deleteLater();
        if (!found)
            return;
        if (seen)
            *seen = true;
        action(*dialog);
        if (dialog && dialog->isVisible())
            dialog->close();
    });
    timer->start(5);
}

} // namespace bw::test
