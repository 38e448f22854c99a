// The main window's side of the undo history: where the user is, and setting the window up again
// for a show that the history has rebuilt.

#include "editor/frmShow.h"

#include <QListWidget>
#include <QTabBar>

namespace bw {

void frmShow::CreateHistory() {
    history_ = new ShowHistory(*this, this);
    history_->AddCommandsTo(*this);
}

ShowPlace frmShow::CurrentPlace() const {
    return {CurrentTabIndex(), SelectedPosition()};
}

void frmShow::RestoreShow(ShowPtr show, const ShowPlace& place) {
    // Nothing else holds the old show: the dialogs are closed, and the list and options panel
    // are filled anew by the tab setup.
    show_ = std::move(show);
    if (CurrentTabIndex() != place.tab)
        tsMain->setCurrentIndex(place.tab - 1);
    else
        ShowCurrentTab();
    if (place.selection >= 0 && place.selection < lbSequences->count())
        lbSequences->setCurrentRow(place.selection);
    // Going back or forward is a change like any other, also back to the saved state.
    SetUnsavedInfo();
}

} // namespace bw
