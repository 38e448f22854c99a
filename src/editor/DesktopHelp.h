#pragma once

#include <QString>

#include <functional>

class QUrl;
class QWidget;

namespace bw {

class UserPrompts;

// Opens a URL on the desktop; false when the desktop cannot.
using UrlOpener = std::function<bool(const QUrl& url)>;

// Opens the help page in the file `page` through the desktop (QDesktopServices by default).
// When the desktop cannot open it, a message owned by `owner` says so and names the page.
void OpenHelpPage(QWidget* owner, const QString& page, UserPrompts& prompts,
                  const UrlOpener& open = {});

// The Help button's work: the suite's help on a topic page. On Windows the HTML Help viewer shows
// the page; elsewhere the desktop opens the page among the installed help pages.
void ShowHelpTopic(QWidget* owner, int topic, UserPrompts& prompts);

} // namespace bw
