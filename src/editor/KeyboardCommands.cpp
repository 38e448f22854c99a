#include "editor/KeyboardCommands.h"

#include <QAction>
#include <QKeySequence>
#include <QShortcut>
#include <QTabBar>
#include <QToolBar>
#include <QWidget>

namespace bw::KeyboardCommands {

void AddToolbarKeys(const QHash<QString, QAction*>& buttonsByKey) {
    // Save As has no standard key on every system; Ctrl+Shift+S is the one people know.
    const QHash<QString, QList<QKeySequence>> keys{
        {QStringLiteral("New"), QKeySequence::keyBindings(QKeySequence::New)},
        {QStringLiteral("Open"), QKeySequence::keyBindings(QKeySequence::Open)},
        {QStringLiteral("Save"), QKeySequence::keyBindings(QKeySequence::Save)},
        {QStringLiteral("SaveAs"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}},
        {QStringLiteral("Help"), QKeySequence::keyBindings(QKeySequence::HelpContents)},
        {QStringLiteral("Exit"), QKeySequence::keyBindings(QKeySequence::Quit)},
    };
    for (auto button = buttonsByKey.cbegin(); button != buttonsByKey.cend(); ++button) {
        QAction* action = button.value();
        const QList<QKeySequence> sequences = keys.value(button.key());
        if (!sequences.isEmpty()) {
            action->setShortcuts(sequences);
            action->setToolTip(QStringLiteral("%1 (%2)").arg(
                action->toolTip(), sequences.constFirst().toString(QKeySequence::NativeText)));
        }
        for (QObject* widget : action->associatedObjects())
            if (auto* toolbar = qobject_cast<QToolBar*>(widget))
                if (QWidget* toolButton = toolbar->widgetForAction(action))
                    toolButton->setFocusPolicy(Qt::TabFocus);
    }
}

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
