#include "editor/SectionListModel.h"

#include "document/QtText.h"
#include "document/ShowDocument.h"
#include "environment/LibFile.h"
#include "environment/SequenceName.h"
#include "widgets/EntryDrag.h"
#include "widgets/MissingFileMark.h"

#include <QMimeData>

#include <algorithm>

namespace bw {

namespace {

bool SameRange(const std::vector<std::string>& a, std::size_t aFrom,
               const std::vector<std::string>& b, std::size_t bFrom, std::size_t count) {
    return std::equal(a.begin() + static_cast<std::ptrdiff_t>(aFrom),
                      a.begin() + static_cast<std::ptrdiff_t>(aFrom + count),
                      b.begin() + static_cast<std::ptrdiff_t>(bFrom));
}

} // namespace

SectionListModel::SectionListModel(ShowDocument& document, std::string sequenceFolder,
                                   QObject* parent)
    : QAbstractListModel(parent), document_(document), sequenceFolder_(std::move(sequenceFolder)) {}

std::vector<std::string> SectionListModel::Entries() const {
    if (const PlaylistPtr playlist = document_.SectionPlaylist(tab_))
        return playlist->List();
    std::vector<std::string> names;
    if (const GroupCollectionPtr& groups = document_.MyShow()->InteractiveGroups()) {
        names.reserve(groups->size());
        for (const InteractiveGroupPtr& group : *groups)
            names.push_back(group ? group->Name() : std::string());
    }
    return names;
}

void SectionListModel::SetSection(int tab) {
    beginResetModel();
    tab_ = tab;
    rows_ = Entries();
    missing_.clear();
    endResetModel();
}

// The list is told of an edit after the show has changed, which is safe: the model answers from
// its own rows, which change between the begin and the end of each notice.
void SectionListModel::Update() {
    std::vector<std::string> now = Entries();
    const std::size_t before = rows_.size(), after = now.size();
    const std::size_t common = std::min(before, after);
    const auto first = static_cast<std::size_t>(
        std::mismatch(rows_.begin(), rows_.begin() + static_cast<std::ptrdiff_t>(common),
                      now.begin())
            .first -
        rows_.begin());
    if (first == before && first == after)
        return;
    if (first == before) { // appended
        beginInsertRows({}, static_cast<int>(before), static_cast<int>(after) - 1);
        rows_ = std::move(now);
        endInsertRows();
        return;
    }
    if (before == after + 1 && SameRange(rows_, first + 1, now, first, after - first)) {
        beginRemoveRows({}, static_cast<int>(first), static_cast<int>(first));
        rows_ = std::move(now);
        endRemoveRows();
        return;
    }
    if (before == after) {
        std::size_t last = before - 1;
        while (last > first && rows_[last] == now[last])
            --last;
        const int from = static_cast<int>(first), to = static_cast<int>(last);
        if (rows_[first] == now[last] && SameRange(rows_, first + 1, now, first, last - first)) {
            beginMoveRows({}, from, from, {}, to + 1); // down
        } else if (rows_[last] == now[first] &&
                   SameRange(rows_, first, now, first + 1, last - first)) {
            beginMoveRows({}, to, to, {}, from); // up
        } else {
            rows_ = std::move(now);
            Q_EMIT dataChanged(index(from), index(to));
            return;
        }
        rows_ = std::move(now);
        endMoveRows();
        return;
    }
    beginResetModel();
    rows_ = std::move(now);
    endResetModel();
}

void SectionListModel::Recheck() {
    missing_.clear();
    if (!rows_.empty())
        Q_EMIT dataChanged(index(0), index(rowCount() - 1), {Qt::DecorationRole, Qt::ToolTipRole});
}

int SectionListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QString SectionListModel::Path(int row) const {
    if (tab_ == InteractiveSection || row < 0 || row >= rowCount())
        return {};
    return QtText::FromBytes(
        LibFile::ResolveSequencePath(rows_[static_cast<std::size_t>(row)], sequenceFolder_));
}

bool SectionListModel::Missing(int row) const {
    const QString path = Path(row);
    if (path.isEmpty())
        return false;
    auto found = missing_.constFind(path);
    if (found == missing_.cend())
        found = missing_.insert(path, MissingFileMark::IsMissing(QtText::ToBytes(path)));
    return found.value();
}

QVariant SectionListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const std::string& entry = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return tab_ == InteractiveSection ? QtText::FromBytes(entry)
                                          : QtText::FromBytes(File::SequenceDisplayNameView(entry));
    case Qt::ToolTipRole: {
        const QString path = Path(index.row());
        if (path.isEmpty())
            return {};
        return MissingFileMark::ToolTip(path, Missing(index.row()));
    }
    case Qt::DecorationRole:
        if (Missing(index.row()))
            return MissingFileMark::Icon();
        return {};
    default:
        return {};
    }
}

bool SectionListModel::IsShowFile(const QString& path) {
    return path.endsWith(QStringLiteral(".kss"), Qt::CaseInsensitive);
}

bool SectionListModel::IsPlaylist() const {
    return document_.SectionPlaylist(tab_) != nullptr;
}

Qt::ItemFlags SectionListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return IsPlaylist() ? Qt::ItemIsDropEnabled : Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return IsPlaylist() ? flags | Qt::ItemIsDragEnabled : flags;
}

// Outside a playlist the list takes no drag, which then reaches the window.
QStringList SectionListModel::mimeTypes() const {
    if (!IsPlaylist())
        return {};
    return {EntryDrag::Format(), QStringLiteral("text/uri-list")};
}

QMimeData* SectionListModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.size() != 1 || !indexes[0].isValid())
        return nullptr;
    return EntryDrag::Data(this, indexes[0].row());
}

bool SectionListModel::TakesFiles(const QMimeData& data) const {
    const QStringList files = EntryDrag::DroppedFiles(data);
    return std::any_of(files.cbegin(), files.cend(),
                       [](const QString& file) { return !IsShowFile(file); });
}

bool SectionListModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int, int,
                                       const QModelIndex&) const {
    if (data == nullptr || !IsPlaylist())
        return false;
    // An entry moves within its list whatever the drag proposes.
    if (data->hasFormat(EntryDrag::Format()))
        return EntryDrag::DraggedRow(*data, this, rowCount()) >= 0;
    return action == Qt::CopyAction && TakesFiles(*data);
}

bool SectionListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                    int column, const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    if (!data->hasFormat(EntryDrag::Format())) {
        Q_EMIT filesDropped(EntryDrag::DroppedFiles(*data));
        return true;
    }
    return moveRows({}, EntryDrag::DraggedRow(*data, this, rowCount()), 1, {},
                    row < 0 ? rowCount() : row);
}

bool SectionListModel::moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                                const QModelIndex& destinationParent, int destinationChild) {
    if (sourceParent.isValid() || destinationParent.isValid() || count != 1 || !IsPlaylist() ||
        sourceRow < 0 || sourceRow >= rowCount() || destinationChild < 0 ||
        destinationChild > rowCount())
        return false;
    const int to = destinationChild > sourceRow ? destinationChild - 1 : destinationChild;
    if (to != sourceRow)
        document_.MoveEntry(tab_, sourceRow, to);
    return true;
}

} // namespace bw
