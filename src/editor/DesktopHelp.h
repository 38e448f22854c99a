#pragma once

#include <QString>

#include <functional>

class QUrl;
class QWidget;

namespace bw {

class UserPrompts;

// Opens a URL on the desktop. Returns false when the desktop cannot even try; calls `failed`
// later when the program that it started to open the URL reports that it could not.
using UrlOpener = std::function<bool(const QUrl& url, const std::function<void()>& failed)>;

// Opens the help page in the file `page` through the desktop (xdg-open where there is one, else
// QDesktopServices). When the page is missing or the desktop cannot open it, now or once its
// launcher has ended, a message owned by `owner` says so and names the page; `prompts` must
// outlive the launcher.
void OpenHelpPage(QWidget* owner, const QString& page, UserPrompts& prompts,
                  const UrlOpener& open = {});

// The Help button's work: the suite's help on a topic page. On Windows the HTML Help viewer shows
// the page; elsewhere the desktop opens the page among the installed help pages.
void ShowHelpTopic(QWidget* owner, int topic, UserPrompts& prompts);

} // namespace bw
