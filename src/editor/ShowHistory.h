#pragma once

#include "model/Show.h"

#include <QObject>

#include <string>

class QAction;
class QKeyEvent;
class QUndoStack;
class QWidget;

namespace bw {

// Where in the main window a change was made: the tab (1 to 6) and the selected list position,
// -1 for none.
struct ShowPlace {
    int tab = 1;
    int selection = -1;
};

// What the history needs of the window whose show it keeps.
class ShowHistoryHost {
public:
    virtual ~ShowHistoryHost() = default;

    virtual ShowPtr MyShow() const = 0;
    virtual ShowPlace CurrentPlace() const = 0;
    // Takes a rebuilt show as the window's show, sets the window up at the place and marks the
    // show changed.
    virtual void RestoreShow(ShowPtr show, const ShowPlace& place) = 0;
};

// The undo history of the show. Every edit reports itself with Changed() (the window's
// SetUnsavedInfo); the history then compares the show text with the text it last knew and, when
// they differ, keeps one step with what changed. Undo and redo rebuild the show from the text, so
// that nothing depends on which objects the dialogs and panels changed in place.
class ShowHistory : public QObject {
    Q_OBJECT

public:
    // Edits that, while the user goes on typing in one box, make one step between them.
    enum Typing { NotTyping = -1, TypingDelay = 1, TypingCleanup = 2 };

    // Makes one step of all the edits reported while it lives, with the place where it began as
    // the place that undo goes back to. Actions inside an action belong to the outer one.
    class Action {
    public:
        explicit Action(ShowHistory& history, Typing typing = NotTyping);
        ~Action();
        Action(const Action&) = delete;
        Action& operator=(const Action&) = delete;

    private:
        ShowHistory& history_;
    };

    explicit ShowHistory(ShowHistoryHost& host, QObject* parent = nullptr);
    ~ShowHistory() override;

    QUndoStack& Stack() const { return *stack_; }

    // Gives the window the Undo and Redo commands with their standard keys, Ctrl+Y and
    // Ctrl+Shift+Z included. In the window's text boxes the keys undo the show as well, so that a
    // run of typing goes back as the one step it made.
    void AddCommandsTo(QWidget& window);

    // Starts an empty history at the host's show (New, Open).
    void Start();
    // An edit of the host's show.
    void Changed();
    // What is typed from now on makes a step of its own.
    void EndTyping() { ++typingRun_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ShowStep;

    void Record(const ShowPlace& before, Typing typing) noexcept;
    // Rebuilds the host's show from the history's text after a step went back or forward.
    void Restore(const ShowPlace& place);
    bool IsHistoryKey(const QKeyEvent& event) const;

    ShowHistoryHost& host_;
    QUndoStack* stack_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    // The show text at the stack's current step.
    std::string text_;
    int typingRun_ = 0;
    bool restoring_ = false;

    // The user action in progress.
    int actionDepth_ = 0;
    bool actionChanged_ = false;
    ShowPlace actionPlace_;
    Typing actionTyping_ = NotTyping;
};

} // namespace bw
