#pragma once

class QTabBar;
class QWidget;

// The keys of the main window's commands.
namespace bw::KeyboardCommands {

// Ctrl+Tab and Ctrl+PgDown select the next section, Ctrl+Shift+Tab and Ctrl+PgUp the previous
// one, round at either end, anywhere in the window.
void AddSectionKeys(QWidget& window, QTabBar& sections);

} // namespace bw::KeyboardCommands
