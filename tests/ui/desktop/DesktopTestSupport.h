#pragma once

#include "DialogTestSupport.h"
#include "EditorTestSupport.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace bw::test {

// The main window as a person has it: shown and active, with a sequence folder.
struct Window : Editor {
    QListView* list = List();

    explicit Window(const QString& folder = QStringLiteral("/seq/")) : Editor(folder) {
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    // The entries shown, and the names the section holds: "/d/a.kas" gives "a".
    QString Shown() const { return Entries().join(QString()); }
    QString Held() const {
        QString held;
        for (const std::string& file : window->CurrentPlaylist()->List())
            held += QString::fromStdString(file).mid(3, 1);
        return held;
    }
};

// The point of row `to` where a drop puts the entry from row `from`: the near half of that row.
inline QPoint DropPoint(const QAbstractItemView& list, int from, int to) {
    const QRect row = list.visualRect(list.model()->index(to, 0));
    return to < from ? row.topLeft() + QPoint(4, 2) : row.bottomLeft() + QPoint(4, -2);
}

inline std::unique_ptr<QMimeData> FileDrag(const QStringList& paths) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

// A drag that offers a copy or a move, over `point` of `target` and dropped: what the target did
// with it, Qt::IgnoreAction when it refused. It proposes a copy; with Shift held, a move.
inline Qt::DropAction DropOn(QWidget& target, const QPoint& point, const QMimeData& data,
                             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const auto actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(point, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted())
        return Qt::IgnoreAction;
    QDropEvent drop(point, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&target, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

} // namespace bw::test
