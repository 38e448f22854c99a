// The check window beside the main window: opened by Check Show, kept on the document's show, and
// the changes it asks for made as the window's own edits.

#include "checkwindow/frmShowCheck.h"
#include "editor/SectionListModel.h"
#include "editor/frmShow.h"

#include <QListView>
#include <QTabBar>
#include <QTreeWidget>

namespace bw {

void frmShow::OpenCheckWindow() {
    if (checkWindow_ == nullptr) {
        checkWindow_ = new frmShowCheck(this);
        checkWindow_->SetShow(MyShow().get(), DefaultPath());
        connect(document_, &ShowDocument::changed, checkWindow_, &frmShowCheck::ShowChanged);
        // The window keeps the show by a plain pointer: a replaced show is handed over at once.
        connect(document_, &ShowDocument::showReplaced, checkWindow_,
                [this] { checkWindow_->SetShow(MyShow().get(), DefaultPath()); });
        connect(checkWindow_, &frmShowCheck::findingActivated, this, &frmShow::FollowFinding);
        // Moving through the findings only shows their place; a double-click or Enter on a
        // group's entry opens the group.
        connect(checkWindow_->FindingList(), &QTreeWidget::itemActivated, this,
                [this](QTreeWidgetItem* item) {
                    EditFoundGroup(checkWindow_->FindingList()->indexOfTopLevelItem(item));
                });
        connect(checkWindow_, &frmShowCheck::relinkRequested, this, &frmShow::RelinkFiles);
    }
    checkWindow_->show();
    checkWindow_->raise();
    checkWindow_->activateWindow();
}

void frmShow::FollowFinding(int section, int entry, int /*groupEntry*/) {
    if (section < BackgroundTab || section > ShutdownTab)
        return;
    if (CurrentTabIndex() != section)
        tsMain->setCurrentIndex(section - 1);
    if (entry > 0 && entry <= entries_->rowCount())
        SelectEntry(entry - 1);
}

void frmShow::EditFoundGroup(int index) {
    const std::vector<ShowCheck::Finding>& findings = checkWindow_->Findings();
    if (index < 0 || static_cast<std::size_t>(index) >= findings.size())
        return;
    const ShowCheck::Finding& finding = findings[static_cast<std::size_t>(index)];
    if (static_cast<int>(finding.section) == InteractiveTab && finding.entry > 0 &&
        finding.groupEntry >= 0 && CurrentTabIndex() == InteractiveTab)
        EditClicked();
}

void frmShow::RelinkFiles(const std::vector<Relink::Choice>& choices) {
    int relinked = 0;
    {
        const ShowDocument::Action step(*document_);
        for (const Relink::Choice& choice : choices)
            if (Relink::Apply(*MyShow(), choice))
                ++relinked;
        if (relinked > 0)
            SetUnsavedInfo();
    }
    ShowCurrentTab();
    checkWindow_->RelinkDone(relinked);
}

} // namespace bw
