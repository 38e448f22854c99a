#pragma once

#include <QListView>

namespace bw {

// The section list, whose entries move by the view's own drag and drop, through its model. A drag
// comes in only where the list's model takes what it carries, so that
// one it cannot take (a show file, to be opened) goes on to the window; a list view would take
// any drag of a kind its model names.
class SectionListView : public QListView {
    Q_OBJECT
public:
    explicit SectionListView(QWidget* parent = nullptr);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
};

} // namespace bw
