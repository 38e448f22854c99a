#pragma once

#include <QHash>
#include <QString>

class QAction;
class QTabBar;
class QWidget;

// The keys of the main window's commands.
namespace bw::KeyboardCommands {

// Gives the toolbar commands their standard keys, names each key in its command's tooltip after
// the tooltip's own text, and lets the Tab key reach the toolbar's buttons.
void AddToolbarKeys(const QHash<QString, QAction*>& buttonsByKey);

// Ctrl+Tab and Ctrl+PgDown select the next section, Ctrl+Shift+Tab and Ctrl+PgUp the previous
// one, round at either end, anywhere in the window.
void AddSectionKeys(QWidget& window, QTabBar& sections);

} // namespace bw::KeyboardCommands
