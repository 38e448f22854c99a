#pragma once

#include <QObject>

class QAbstractButton;
class QAbstractItemView;

namespace bw {

// The keys of a list that stand for its editing buttons: Delete for Remove, Enter and a
// double-click for Edit, Ctrl+Up and Ctrl+Down for Up and Down. A key does what a click on its
// button does, and nothing while that button is hidden or disabled.
class ListKeyCommands : public QObject {
    Q_OBJECT
public:
    struct Buttons {
        QAbstractButton* remove = nullptr;
        QAbstractButton* edit = nullptr;
        QAbstractButton* up = nullptr;
        QAbstractButton* down = nullptr;
    };

    ListKeyCommands(QAbstractItemView& list, Buttons buttons);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView& list_;
    QObject* viewport_;
    Buttons buttons_;
};

} // namespace bw
