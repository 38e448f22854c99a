#include "checkwindow/frmShowCheck.h"

#include "model/SequenceUtils.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace bw {

namespace {

// How long the show must rest after a change before it is checked again.
constexpr int PauseBeforeCheckMs = 300;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// A copy of the show that shares nothing with it, for the worker thread to read while the user
// goes on editing the original.
ShowPtr CopyOfShow(const Show& show) {
    auto copy = std::make_shared<Show>();
    auto playlist = [](const PlaylistPtr& original) {
        return original ? std::make_shared<Playlist>(*original) : nullptr;
    };
    copy->SetBackground(playlist(show.Background()));
    copy->SetStartup(playlist(show.Startup()));
    copy->SetMain(playlist(show.Main()));
    copy->SetMusical(playlist(show.Musical()));
    copy->SetShutdown(playlist(show.Shutdown()));
    copy->SetStartupType(show.StartupType());
    if (show.StartupTrigger())
        copy->SetStartupTrigger(std::make_shared<Trigger>(*show.StartupTrigger()));
    copy->SetPreloadSequences(show.PreloadSequences());
    auto groups = std::make_shared<GroupCollection>();
    if (show.InteractiveGroups()) {
        for (const InteractiveGroupPtr& group : *show.InteractiveGroups()) {
            if (!group) {
                groups->push_back(nullptr);
                continue;
            }
            auto groupCopy = std::make_shared<InteractiveGroup>(*group);
            while (groupCopy->Count() > 0)
                groupCopy->DeleteTriggeredSequence(0);
            for (int i = 0; i < group->Count(); ++i) {
                auto entry = std::make_shared<TriggeredSequences>(*group->GetTriggeredSequences(i));
                if (entry->Trig())
                    entry->SetTrig(std::make_shared<Trigger>(*entry->Trig()));
                groupCopy->AddTriggeredSequences(entry);
            }
            groups->push_back(groupCopy);
        }
    }
    copy->SetInteractiveGroups(groups);
    return copy;
}

QString EntryText(const ShowCheck::Finding& finding) {
    if (finding.entry == 0)
        return {};
    if (finding.section != ShowCheck::Section::Interactive)
        return QString::number(finding.entry);
    if (finding.groupEntry < 0)
        return QStringLiteral("group %1").arg(finding.entry);
    return QStringLiteral("group %1, entry %2").arg(finding.entry).arg(finding.groupEntry + 1);
}

// A cell that sorts by the number it was given rather than by its text.
class NumberItem : public QTableWidgetItem {
public:
    NumberItem(const QString& text, int number) : QTableWidgetItem(text) {
        setData(Qt::UserRole, number);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        return data(Qt::UserRole).toInt() < other.data(Qt::UserRole).toInt();
    }
};

} // namespace

struct frmShowCheck::CheckResult {
    std::vector<ShowCheck::Finding> findings;
    std::vector<ShowCheck::TriggerUse> triggers;
};

struct frmShowCheck::SearchResult {
    Relink::Search search;
    int missing = 0;
};

frmShowCheck::frmShowCheck(QWidget* parent)
    : QWidget(parent, Qt::Window), pause_(new QTimer(this)), tabs_(new QTabWidget),
      findingList_(new QTreeWidget), triggerTable_(new QTableWidget(0, 5)),
      movedTable_(new QTableWidget(0, 3)), searchFolder_(new QLineEdit),
      findButton_(new QPushButton(QStringLiteral("&Find moved files"))),
      relinkButton_(new QPushButton(QStringLiteral("&Relink"))), status_(new QLabel) {
    setWindowTitle(QStringLiteral("Show Check"));
    pause_->setSingleShot(true);
    pause_->setInterval(PauseBeforeCheckMs);
    connect(pause_, &QTimer::timeout, this, &frmShowCheck::StartCheck);

    findingList_->setColumnCount(3);
    findingList_->setHeaderLabels(
        {QStringLiteral("Section"), QStringLiteral("Entry"), QStringLiteral("Finding")});
    findingList_->setRootIsDecorated(false);
    findingList_->setUniformRowHeights(true);
    connect(findingList_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { SelectFinding(item); });
    connect(findingList_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { SelectFinding(item); });

    triggerTable_->setHorizontalHeaderLabels({QStringLiteral("Network"), QStringLiteral("Unit"),
                                              QStringLiteral("Input"), QStringLiteral("Trigger"),
                                              QStringLiteral("Starts")});
    triggerTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    triggerTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    triggerTable_->verticalHeader()->hide();
    triggerTable_->horizontalHeader()->setStretchLastSection(true);

    movedTable_->setHorizontalHeaderLabels(
        {QStringLiteral("Entry"), QStringLiteral("Missing file"), QStringLiteral("Found at")});
    movedTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    movedTable_->verticalHeader()->hide();
    movedTable_->horizontalHeader()->setStretchLastSection(true);
    relinkButton_->setEnabled(false);
    connect(findButton_, &QPushButton::clicked, this, &frmShowCheck::StartSearch);
    connect(relinkButton_, &QPushButton::clicked, this, &frmShowCheck::RequestRelink);

    auto* moved = new QWidget;
    auto* movedLayout = new QVBoxLayout(moved);
    movedLayout->addWidget(movedTable_);
    auto* relinkRow = new QHBoxLayout;
    relinkRow->addStretch();
    relinkRow->addWidget(relinkButton_);
    movedLayout->addLayout(relinkRow);

    tabs_->addTab(findingList_, QStringLiteral("Problems"));
    tabs_->addTab(triggerTable_, QStringLiteral("Triggers"));
    tabs_->addTab(moved, QStringLiteral("Moved files"));

    auto* searchRow = new QHBoxLayout;
    auto* searchLabel = new QLabel(QStringLiteral("&Search in:"));
    searchLabel->setBuddy(searchFolder_);
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(searchFolder_, 1);
    searchRow->addWidget(findButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(searchRow);
    layout->addWidget(status_);
    resize(720, 420);
}

frmShowCheck::~frmShowCheck() {
    if (worker_)
        worker_->wait();
}

void frmShowCheck::SetShow(const Show* show, const QString& sequenceFolder) {
    show_ = show;
    sequenceFolder_ = sequenceFolder;
    searchFolder_->setText(sequenceFolder);
    found_.clear();
    movedTable_->setRowCount(0);
    relinkButton_->setEnabled(false);
    Recheck();
}

void frmShowCheck::ShowChanged() {
    pause_->start();
}

void frmShowCheck::Recheck() {
    pause_->stop();
    StartCheck();
}

void frmShowCheck::RelinkDone(int relinked) {
    status_->setText(
        QStringLiteral("Relinked %1 of %2 missing files.").arg(relinked).arg(missingCount_));
    found_.clear();
    movedTable_->setRowCount(0);
    relinkButton_->setEnabled(false);
    Recheck();
}

// One worker at a time; what is asked for meanwhile runs when it is done.
void frmShowCheck::RunOnWorker(std::function<void()> work, std::function<void()> done) {
    worker_ = QThread::create(std::move(work));
    connect(worker_, &QThread::finished, this, [this, done = std::move(done)] {
        worker_->deleteLater();
        worker_ = nullptr;
        done();
        if (checkPending_)
            StartCheck();
        else if (searchPending_)
            StartSearch();
    });
    worker_->start();
}

void frmShowCheck::StartCheck() {
    if (worker_) {
        checkPending_ = true;
        return;
    }
    checkPending_ = false;
    if (!show_) {
        ShowCheckResult({});
        return;
    }
    auto result = std::make_shared<CheckResult>();
    ShowPtr copy = CopyOfShow(*show_);
    ShowCheck::Options options;
    options.sequenceFolder = sequenceFolder_.toStdString();
    RunOnWorker(
        [result, copy, options] {
            result->findings = ShowCheck::CheckShow(*copy, options);
            result->triggers = ShowCheck::TriggerMap(*copy);
        },
        [this, result] { ShowCheckResult(*result); });
}

void frmShowCheck::StartSearch() {
    if (worker_) {
        searchPending_ = true;
        return;
    }
    searchPending_ = false;
    if (!show_)
        return;
    findButton_->setEnabled(false);
    status_->setText(QStringLiteral("Looking for the missing files..."));
    auto result = std::make_shared<SearchResult>();
    ShowPtr copy = CopyOfShow(*show_);
    const std::string folder = sequenceFolder_.toStdString();
    // The names found become show entries: in the system's own separators, as the show writes them.
    const std::string root = QDir::toNativeSeparators(searchFolder_->text()).toStdString();
    RunOnWorker(
        [result, copy, folder, root] {
            const std::vector<Relink::MissingFile> missing = Relink::MissingFiles(*copy, folder);
            result->missing = static_cast<int>(missing.size());
            result->search = Relink::FindMovedFiles(missing, root);
        },
        [this, result] { ShowSearchResult(*result); });
}

void frmShowCheck::ShowCheckResult(const CheckResult& result) {
    findings_ = result.findings;
    const QIcon problem = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    {
        const QSignalBlocker blocker(findingList_);
        findingList_->clear();
        QList<QTreeWidgetItem*> items;
        for (const ShowCheck::Finding& finding : findings_) {
            auto* item = new QTreeWidgetItem({Text(ShowCheck::SectionName(finding.section)),
                                              EntryText(finding), Text(finding.text)});
            item->setIcon(0, finding.severity == ShowCheck::Severity::Warning ? warning : problem);
            item->setToolTip(2, Text(finding.text));
            items.append(item);
        }
        findingList_->addTopLevelItems(items);
    }
    if (findings_.empty())
        status_->setText(QStringLiteral("The check found nothing to report."));
    else
        status_->setText(QStringLiteral("%1 findings.").arg(findings_.size()));

    triggerTable_->setSortingEnabled(false);
    triggerTable_->setRowCount(static_cast<int>(result.triggers.size()));
    int row = 0;
    for (const ShowCheck::TriggerUse& use : result.triggers) {
        QTableWidgetItem* cells[] = {
            new NumberItem(Text(SequenceUtils::NetworkName(use.network)), use.network),
            new NumberItem(QString::number(use.unitId), use.unitId),
            new NumberItem(QString::number(use.inputNumber), use.inputNumber),
            new QTableWidgetItem(Text(use.trigger)), new QTableWidgetItem(Text(use.starts))};
        for (int column = 0; column < 5; ++column) {
            if (use.conflict) {
                cells[column]->setForeground(Qt::darkRed);
                cells[column]->setToolTip(QStringLiteral("This input starts more than one thing."));
            }
            triggerTable_->setItem(row, column, cells[column]);
        }
        if (use.conflict)
            cells[3]->setIcon(warning);
        ++row;
    }
    triggerTable_->setSortingEnabled(true);
    Q_EMIT checked();
}

void frmShowCheck::ShowSearchResult(const SearchResult& result) {
    findButton_->setEnabled(true);
    found_ = result.search.found;
    missingCount_ = result.missing;
    movedTable_->setRowCount(static_cast<int>(found_.size() + result.search.notFound.size()));
    int row = 0;
    for (const Relink::Found& found : found_) {
        movedTable_->setItem(row, 0, new QTableWidgetItem(Text(found.file.where)));
        movedTable_->setItem(row, 1, new QTableWidgetItem(Text(found.file.name)));
        auto* choice = new QComboBox;
        for (const std::string& candidate : found.candidates)
            choice->addItem(Text(candidate));
        movedTable_->setCellWidget(row, 2, choice);
        ++row;
    }
    for (const Relink::MissingFile& file : result.search.notFound) {
        movedTable_->setItem(row, 0, new QTableWidgetItem(Text(file.where)));
        movedTable_->setItem(row, 1, new QTableWidgetItem(Text(file.name)));
        movedTable_->setItem(row, 2, new QTableWidgetItem(QStringLiteral("not found")));
        ++row;
    }
    relinkButton_->setEnabled(!found_.empty());
    status_->setText(QStringLiteral("%1 of %2 missing files found, %3 not found.")
                         .arg(found_.size())
                         .arg(result.missing)
                         .arg(result.search.notFound.size()));
    tabs_->setCurrentIndex(MovedTab);
    Q_EMIT searched();
}

void frmShowCheck::SelectFinding(QTreeWidgetItem* item) {
    const int index = item ? findingList_->indexOfTopLevelItem(item) : -1;
    if (index < 0 || static_cast<std::size_t>(index) >= findings_.size())
        return;
    const ShowCheck::Finding& finding = findings_[static_cast<std::size_t>(index)];
    Q_EMIT findingActivated(static_cast<int>(finding.section), finding.entry, finding.groupEntry);
}

void frmShowCheck::RequestRelink() {
    std::vector<Relink::Choice> choices;
    for (std::size_t row = 0; row < found_.size(); ++row) {
        const auto* choice =
            qobject_cast<QComboBox*>(movedTable_->cellWidget(static_cast<int>(row), 2));
        const int picked = choice ? choice->currentIndex() : 0;
        const Relink::Found& found = found_[row];
        choices.push_back({found.file.place, found.file.name,
                           found.candidates[static_cast<std::size_t>(std::max(picked, 0))]});
    }
    Q_EMIT relinkRequested(choices);
}

} // namespace bw
