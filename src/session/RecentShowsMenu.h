#pragma once

#include "environment/RecentShows.h"

#include <QMenu>

namespace bw {

class UserPrompts;

// The shows last opened or saved, for a menu on the Open command. The list is read from the
// settings each time the menu opens, so that every editor running sees the others' shows too.
// Entries are numbered for the keyboard (&1 to &8); a show whose file no longer exists is marked,
// and choosing it offers to take it off the list.
class RecentShowsMenu : public QMenu {
    Q_OBJECT

public:
    RecentShowsMenu(RecentShows::Place place, UserPrompts& prompts, QWidget* parent = nullptr);

    // A show was opened from or saved to this file: it heads the list.
    void ShowUsed(const QString& path);
    // Reads the list and sets the entries up; runs whenever the menu is about to open.
    void Refresh();

    inline static const QString MissingMark = QStringLiteral("  (not found)");
    inline static const QString NoShows = QStringLiteral("No recent shows");

Q_SIGNALS:
    // An existing show was chosen.
    void openRequested(const QString& path);

private:
    void Chosen(const QString& path);

    RecentShows::Place place_;
    UserPrompts& prompts_;
};

} // namespace bw
