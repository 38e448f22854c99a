#pragma once

#include <QAbstractListModel>
#include <QHash>

#include <string>
#include <vector>

namespace bw {

class ShowDocument;

// The entries of one section of the document's show, as the section list shows them: a
// sequence's display name, its full path as tooltip, a warning mark on a sequence whose file is
// missing; an interactive group's name. The model follows the document: an edit that appends,
// removes or moves entries reaches the list as that change, so that the selection stays with its
// entry; any other change sets the list up anew.
//
// The list's own drag and drop goes through the model: in a playlist an entry dragged to another
// place moves there, one step of the history, and files dropped from a file manager are handed to
// the window (filesDropped), which adds those of the section's kinds. Show files alone are left
// to the window, which opens them.
class SectionListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // Sequence names are resolved against `sequenceFolder`, as the show check resolves them.
    SectionListModel(ShowDocument& document, std::string sequenceFolder, QObject* parent = nullptr);

    // Shows the section of a tab (1 to 6), read anew from the show.
    void SetSection(int tab);
    int Section() const { return tab_; }
    // Brings the entries up to date with the show, as the smallest change that gets there.
    void Update();
    // Forgets which files were found, so that they are looked for again as entries are drawn.
    void Recheck();

    // Whether the file of the sequence at `row` is missing; false for groups.
    bool Missing(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDropActions() const override {
        return Qt::MoveAction | Qt::CopyAction;
    }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    // Moves one entry so that it ends up before `destinationChild`, as a drop puts it.
    bool moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                  const QModelIndex& destinationParent, int destinationChild) override;

    // A show file, which a drop leaves to the window to open.
    static bool IsShowFile(const QString& path);

Q_SIGNALS:
    void filesDropped(const QStringList& files);

private:
    std::vector<std::string> Entries() const;
    QString Path(int row) const;
    bool IsPlaylist() const;
    bool TakesFiles(const QMimeData& data) const;

    ShowDocument& document_;
    std::string sequenceFolder_;
    int tab_ = 1;
    // The entries as the list shows them now: full sequence names or group names.
    std::vector<std::string> rows_;
    // Whether each file was found missing, by full path, until Recheck.
    mutable QHash<QString, bool> missing_;
};

} // namespace bw
