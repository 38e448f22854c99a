#pragma once

#include <QString>

class QWidget;

namespace bw {

class Error;
class UserPrompts;

namespace LibErr {

// The message box for an error that a window has caught: the error's description, an exclamation
// icon, an OK button and the caller's title.
void ShowErrorMessage(UserPrompts& prompts, QWidget* parent, const QString& title,
                      const Error& error);
void ShowErrorMessage(UserPrompts& prompts, QWidget* parent, const QString& title,
                      const QString& description);

} // namespace LibErr

} // namespace bw
