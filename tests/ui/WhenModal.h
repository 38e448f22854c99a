#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <type_traits>

namespace bw::test {

// Runs `action` on the next modal window of the class (any by default) inside its modal loop,
// then closes it if still open, so that a failing test ends instead of waiting for a person.
template <class Dialog = QWidget>
void WhenModal(std::type_identity_t<std::function<void(Dialog&)>> action) {
    // Owned by the application, so that a watch that never saw its window ends with the program.
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, [timer, tries = 0, action]() mutable {
        QPointer dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        const bool found = dialog && dialog->isVisible();
        if (!found && ++tries <= 500)
            return;
        timer->stop();
        timer->deleteLater();
        if (found)
            action(*dialog);
        if (dialog && dialog->isVisible())
            dialog->close();
    });
    timer->start(5);
}

} // namespace bw::test
