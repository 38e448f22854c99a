#include "editor/KeyboardCommands.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTabBar>
#include <QWidget>

namespace bw::KeyboardCommands {

void AddSectionKeys(QWidget& window, QTabBar& sections) {
    auto step = [&sections](int by) {
        const int count = sections.count();
        if (count > 0)
            sections.setCurrentIndex((sections.currentIndex() + by + count) % count);
    };
    for (const QKeySequence& key :
         {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
        QObject::connect(new QShortcut(key, &window), &QShortcut::activated, &sections,
                         [step] { step(1); });
    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                    QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
        QObject::connect(new QShortcut(key, &window), &QShortcut::activated, &sections,
                         [step] { step(-1); });
}

} // namespace bw::KeyboardCommands
