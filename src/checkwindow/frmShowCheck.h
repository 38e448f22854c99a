#pragma once

#include "model/Show.h"
#include "showcheck/Relink.h"
#include "showcheck/ShowCheck.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QThread;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace bw {

// The show check window: a non-modal window beside the main window that lists what the check
// finds in the show being edited, the inputs the show uses (the trigger map) and, on Find moved
// files, where the missing files are now. It never changes the show: it asks its owner to, through
// its signals. Checks and searches run on a thread of their own over a copy of the show, so the
// main window stays responsive on shows of thousands of entries.
class frmShowCheck : public QWidget {
    Q_OBJECT
public:
    explicit frmShowCheck(QWidget* parent = nullptr);
    ~frmShowCheck() override;

    // The show to check (owned by the caller, which must call ShowChanged after each change and
    // SetShow again, or with nullptr, before the show goes) and the folder against which relative
    // names are resolved, which is also the folder Find moved files searches first. Checks at
    // once.
    void SetShow(const Show* show, const QString& sequenceFolder);
    // The show changed: checked again once the changes pause for a moment, so that typing or a
    // run of edits makes one check.
    void ShowChanged();
    // Checks now, also when the show did not change (files may have appeared or gone).
    void Recheck();
    // Says how many of the relinks asked for with relinkRequested were made.
    void RelinkDone(int relinked);

    // What the window shows, for its owner and for tests.
    const std::vector<ShowCheck::Finding>& Findings() const { return findings_; }
    QTreeWidget* FindingList() const { return findingList_; }
    QTableWidget* TriggerTable() const { return triggerTable_; }
    QTableWidget* MovedTable() const { return movedTable_; }
    QLineEdit* SearchFolder() const { return searchFolder_; }
    QPushButton* FindButton() const { return findButton_; }
    QPushButton* RelinkButton() const { return relinkButton_; }
    QLabel* Status() const { return status_; }
    bool Busy() const { return worker_ != nullptr; }

    // Tab indexes of the three lists.
    static constexpr int ProblemsTab = 0;
    static constexpr int TriggersTab = 1;
    static constexpr int MovedTab = 2;

Q_SIGNALS:
    // A finding was selected: the section (the tab's number, 1 to 6; 7 show options, 8 the show
    // file), the entry (position from 1 in the section's list, or the group's position; 0 for the
    // section as a whole) and the entry within the group (from 0; -1 for none).
    void findingActivated(int section, int entry, int groupEntry);
    // The user chose Relink: the owner applies each choice (Relink::Apply) as one undo step and
    // answers with RelinkDone.
    void relinkRequested(const std::vector<bw::Relink::Choice>& choices);
    // The lists show the show as it was when the last check started.
    void checked();
    // The moved files list shows the result of the last search.
    void searched();

private:
    struct CheckResult;
    struct SearchResult;

    void StartCheck();
    void StartSearch();
    void RunOnWorker(std::function<void()> work, std::function<void()> done);
    void ShowCheckResult(const CheckResult& result);
    void ShowSearchResult(const SearchResult& result);
    void SelectFinding(QTreeWidgetItem* item);
    void RequestRelink();

    const Show* show_ = nullptr;
    QString sequenceFolder_;
    std::vector<ShowCheck::Finding> findings_;
    std::vector<Relink::Found> found_;
    int missingCount_ = 0;

    QTimer* pause_;
    QThread* worker_ = nullptr;
    bool checkPending_ = false;
    bool searchPending_ = false;

    QTabWidget* tabs_;
    QTreeWidget* findingList_;
    QTableWidget* triggerTable_;
    QTableWidget* movedTable_;
    QLineEdit* searchFolder_;
    QPushButton* findButton_;
    QPushButton* relinkButton_;
    QLabel* status_;
};

} // namespace bw
