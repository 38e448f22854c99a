#include "editor/ShowHistory.h"

#include "editor/TextChange.h"
#include "showfile/ShowFunctions.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QUndoCommand>
#include <QUndoStack>
#include <QWidget>

#include <exception>

namespace bw {

namespace {

// A step keeps only the part of the show text that its action changed, some hundred bytes for a
// click, a move or an Add of one file. A step whose change spans a whole list (a far move, the
// undo of a large Add) keeps that list's text twice, 1.3 MB for a list of 10,000 sequences; the
// limit keeps such a history near 130 MB and the usual one far below a megabyte.
constexpr int StepLimit = 100;

} // namespace

// One user action: the change of the show text that it made and the places before and after.
// The change is in the show already when the step is pushed, so its first redo does nothing.
class ShowStep : public QUndoCommand {
public:
    ShowStep(ShowHistory& history, TextChange change, const ShowPlace& before,
             const ShowPlace& after, ShowHistory::Typing typing, int typingRun)
        : history_(history), change_(std::move(change)), before_(before), after_(after),
          typing_(typing), typingRun_(typingRun) {}

    int id() const override { return typing_; }

    void undo() override {
        change_.Revert(history_.text_);
        history_.Restore(before_);
    }

    void redo() override {
        if (inShow_) {
            inShow_ = false;
            return;
        }
        change_.Apply(history_.text_);
        history_.Restore(after_);
    }

    // Typing in the same box without leaving it: the steps become one, from the text before the
    // first to the text after the latest. The history's text is already the latest.
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = dynamic_cast<const ShowStep*>(other);
        if (next == nullptr || next->typingRun_ != typingRun_)
            return false;
        std::string first = history_.text_;
        next->change_.Revert(first);
        change_.Revert(first);
        change_ = TextChange::Between(first, history_.text_);
        after_ = next->after_;
        // Typed back to where the run began: nothing is left to undo.
        setObsolete(change_.IsEmpty());
        return true;
    }

private:
    ShowHistory& history_;
    TextChange change_;
    ShowPlace before_;
    ShowPlace after_;
    ShowHistory::Typing typing_;
    int typingRun_;
    bool inShow_ = true;
};

ShowHistory::Action::Action(ShowHistory& history, Typing typing) : history_(history) {
    if (history_.actionDepth_++ > 0)
        return;
    history_.actionChanged_ = false;
    history_.actionPlace_ = history_.host_.CurrentPlace();
    history_.actionTyping_ = typing;
}

ShowHistory::Action::~Action() {
    if (--history_.actionDepth_ == 0 && history_.actionChanged_)
        history_.Record(history_.actionPlace_, history_.actionTyping_);
}

ShowHistory::ShowHistory(ShowHistoryHost& host, QObject* parent)
    : QObject(parent), host_(host), stack_(new QUndoStack(this)) {
    stack_->setUndoLimit(StepLimit);
    Start();
}

ShowHistory::~ShowHistory() = default;

void ShowHistory::AddCommandsTo(QWidget& window) {
    undo_ = stack_->createUndoAction(&window);
    undo_->setObjectName(QStringLiteral("actionUndo"));
    undo_->setShortcuts(QKeySequence::Undo);
    redo_ = stack_->createRedoAction(&window);
    redo_->setObjectName(QStringLiteral("actionRedo"));
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& key :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
        if (!redoKeys.contains(key))
            redoKeys.append(key);
    redo_->setShortcuts(redoKeys);
    window.addAction(undo_);
    window.addAction(redo_);

    const QList<QLineEdit*> textBoxes = window.findChildren<QLineEdit*>();
    for (QLineEdit* textBox : textBoxes)
        textBox->installEventFilter(this);
}

bool ShowHistory::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        EndTyping();
    } else if (event->type() == QEvent::ShortcutOverride &&
               IsHistoryKey(*static_cast<QKeyEvent*>(event))) {
        // Left unaccepted, the key goes on to the window's Undo or Redo instead of the text
        // box's own.
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool ShowHistory::IsHistoryKey(const QKeyEvent& event) const {
    const QKeySequence pressed(event.keyCombination());
    return undo_->shortcuts().contains(pressed) || redo_->shortcuts().contains(pressed);
}

void ShowHistory::Start() {
    stack_->clear();
    EndTyping();
    try {
        text_ = ShowFunctions::ShowToText(*host_.MyShow());
    } catch (const std::exception&) {
        text_.clear();
    }
}

void ShowHistory::Changed() {
    if (restoring_)
        return;
    if (actionDepth_ > 0) {
        actionChanged_ = true;
        return;
    }
    Record(host_.CurrentPlace(), NotTyping);
}

void ShowHistory::Record(const ShowPlace& before, Typing typing) noexcept {
    try {
        std::string now = ShowFunctions::ShowToText(*host_.MyShow());
        if (now == text_)
            return;
        TextChange change = TextChange::Between(text_, now);
        text_ = std::move(now);
        stack_->push(new ShowStep(*this, std::move(change), before, host_.CurrentPlace(), typing,
                                  typingRun_));
    } catch (const std::exception&) {
        // A show that cannot be written cannot be saved either; the edit stays without a step.
    }
}

void ShowHistory::Restore(const ShowPlace& place) {
    EndTyping();
    ShowPtr show;
    try {
        show = ShowFunctions::ShowFromText(text_);
    } catch (const std::exception&) {
    }
    // Every text in the history was written from a show, so it reads back into one.
    if (!show)
        return;
    // The monitored show event is not part of the text; the show keeps the one it has.
    show->SetMonitoring(host_.MyShow()->Monitoring());
    const QScopedValueRollback<bool> restoring(restoring_, true);
    host_.RestoreShow(std::move(show), place);
}

} // namespace bw
