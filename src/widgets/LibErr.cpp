#include "widgets/LibErr.h"

#include "listtext/Error.h"
#include "widgets/UserPrompts.h"

namespace bw::LibErr {

void ShowErrorMessage(UserPrompts& prompts, QWidget* parent, const QString& title,
                      const Error& error) {
    ShowErrorMessage(prompts, parent, title, QString::fromStdString(error.Description()));
}

void ShowErrorMessage(UserPrompts& prompts, QWidget* parent, const QString& title,
                      const QString& description) {
    prompts.Message(parent, description, title, UserPrompts::Icon::Exclamation);
}

} // namespace bw::LibErr
