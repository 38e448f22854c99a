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

// A drag over `point` of `target` (`over` runs while it hovers), dropped: true when taken.
inline bool DropOn(
    QWidget& target, const QPoint& point, const QMimeData& data,
    const std::function<void()>& over = [] {}) {
    const auto actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(point, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted())
        return false;
    over();
    QDropEvent drop(point, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    return drop.isAccepted();
}

} // namespace bw::test
