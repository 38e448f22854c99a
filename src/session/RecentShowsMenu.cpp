#include "session/RecentShowsMenu.h"

#include "document/QtText.h"
#include "widgets/UserPrompts.h"

#include <QFileInfo>

namespace bw {

RecentShowsMenu::RecentShowsMenu(RecentShows::Place place, UserPrompts& prompts, QWidget* parent)
    : QMenu(QStringLiteral("Recent Shows"), parent), place_(std::move(place)), prompts_(prompts) {
    setToolTipsVisible(true);
    connect(this, &QMenu::aboutToShow, this, &RecentShowsMenu::Refresh);
    Refresh();
}

void RecentShowsMenu::ShowUsed(const QString& path) {
    RecentShows::Save(place_, RecentShows::Added(RecentShows::Load(place_), QtText::ToBytes(path)));
}

void RecentShowsMenu::Refresh() {
    clear();
    const std::vector<std::string> shows = RecentShows::Load(place_);
    if (shows.empty())
        addAction(NoShows)->setEnabled(false);
    for (std::size_t i = 0; i < shows.size(); ++i) {
        const QString path = QtText::FromBytes(shows[i]);
        QString text = QStringLiteral("&%1 %2").arg(i + 1).arg(QString(path).replace('&', "&&"));
        if (!QFileInfo(path).isFile())
            text += MissingMark;
        QAction* entry = addAction(text);
        entry->setToolTip(path);
        connect(entry, &QAction::triggered, this, [this, path] { Chosen(path); });
    }
}

void RecentShowsMenu::Chosen(const QString& path) {
    if (QFileInfo(path).isFile()) {
        Q_EMIT openRequested(path);
        return;
    }
    const QString question = QStringLiteral("The show file %1 no longer exists.\n\nDo you want to "
                                            "take it off the list of recent shows?")
                                 .arg(path);
    if (prompts_.Question(parentWidget(), question, title()))
        RecentShows::Save(place_,
                          RecentShows::Removed(RecentShows::Load(place_), QtText::ToBytes(path)));
}

} // namespace bw
