#include "editor/frmShow.h"

#include "session/RecentShowsMenu.h"

#include <QAction>
#include <QToolBar>
#include <QToolButton>

namespace bw {

// The recent shows hang on the Open button: a click opens the file dialog as before, holding the
// button down (or Ctrl+Shift+O) opens the list. The button keeps its size and place.
void frmShow::CreateRecentShows() {
    if (!environment_.recentShows)
        return;
    recentShows_ = new RecentShowsMenu(*environment_.recentShows, prompts_, this);
    recentShows_->setObjectName(QStringLiteral("RecentShows"));
    auto* openButton = qobject_cast<QToolButton*>(Toolbar1->widgetForAction(actOpen_));
    if (openButton) {
        openButton->setMenu(recentShows_);
        openButton->setPopupMode(QToolButton::DelayedPopup);
    }

    auto* showList = new QAction(QStringLiteral("Recent Shows"), this);
    showList->setObjectName(QStringLiteral("RecentShowsKey"));
    showList->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    showList->setShortcutContext(Qt::WindowShortcut);
    addAction(showList);
    connect(showList, &QAction::triggered, this, [this, openButton] {
        QWidget* under = openButton ? static_cast<QWidget*>(openButton) : Toolbar1;
        recentShows_->popup(under->mapToGlobal(QPoint(0, under->height())));
    });

    connect(document_, &ShowDocument::fileUsed, recentShows_, &RecentShowsMenu::ShowUsed);
    connect(recentShows_, &RecentShowsMenu::openRequested, this, &frmShow::OpenShowFile);
}

} // namespace bw
