#include "widgets/LibListView.h"

#include <QHeaderView>
#include <QTableView>
#include <QTreeView>

namespace bw::LibListView {

namespace {

// Both kinds of view take the header's own size hint into account, as long as the header shows.
template <typename View> void FitColumns(View& view, int columnCount) {
    for (int column = 0; column < columnCount; ++column)
        view.resizeColumnToContents(column);
}

} // namespace

void AutoSizeColumns(QAbstractItemView* listView) {
    if (listView == nullptr || listView->model() == nullptr)
        return;
    const int columnCount = listView->model()->columnCount(listView->rootIndex());
    if (auto* tree = qobject_cast<QTreeView*>(listView))
        FitColumns(*tree, columnCount);
    else if (auto* table = qobject_cast<QTableView*>(listView))
        FitColumns(*table, columnCount);
}

} // namespace bw::LibListView
