#pragma once

class QAbstractItemView;

namespace bw::LibListView {

// Fits each column of a report list (a tree or table view) to the wider of its header text and
// its widest entry. No view, or a view of another kind, is left alone.
void AutoSizeColumns(QAbstractItemView* listView);

} // namespace bw::LibListView
