#pragma once

#include <QHash>
#include <QStyledItemDelegate>

#include <functional>

class QAbstractItemView;

namespace bw {

// Marks the entries of a sequence list whose file is missing with a warning icon, and gives
// every entry its file's full path as tooltip ("File not found: " in front for a missing one).
// Files are looked at only for the entries that are drawn or asked about, and each path once
// until Recheck, so that a list of thousands costs no more to fill than without the marks.
class SequenceFileMarks : public QStyledItemDelegate {
    Q_OBJECT
public:
    // The full path of the file of the entry at a row; empty for an entry without a file.
    using PathOfRow = std::function<QString(int row)>;

    SequenceFileMarks(QAbstractItemView& list, PathOfRow pathOfRow);

    bool Missing(int row) const;
    QString ToolTip(int row) const;
    // Forgets what was found, so that the files are looked at again as the entries are drawn.
    void Recheck();

    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    QAbstractItemView& list_;
    PathOfRow pathOfRow_;
    mutable QHash<QString, bool> exists_;
};

} // namespace bw
