#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <string>

namespace bw {

class RecoveryStore;

// Keeps a recovery copy of a show with unsaved changes. Every change only restarts a wait; the
// show text is made and written once the changes have paused, or at the latest once the first
// change not yet kept is a few seconds old, so typing costs no more than restarting a timer. A show
// without unsaved changes (saved, new, just opened) has no copy, and neither has an editor that
// ended normally.
class AutosaveController : public QObject {
    Q_OBJECT

public:
    // What the controller reads of the document, and only when a copy is due.
    struct Document {
        std::function<std::string()> showText; // the show text, as Save would write it
        std::function<QString()> fileName;     // the show's file; empty for a show never saved
    };

    static constexpr int DefaultPauseMs = 1500;
    static constexpr int DefaultLatestMs = 5000;

    AutosaveController(RecoveryStore& store, Document document, int pauseMs = DefaultPauseMs,
                       int latestMs = DefaultLatestMs, QObject* parent = nullptr);
    // An editor that ends normally leaves no copy behind.
    ~AutosaveController() override;

    // An edit of the show.
    void DocumentChanged();
    // The unsaved-changes flag: set, a copy is due; cleared (Save, New, Open), the copy goes.
    void ModifiedChanged(bool modified);
    // Removes the copy and forgets the pending write: the changes were let go.
    void Discard();

    // Whether a copy is waiting to be written.
    bool Pending() const { return pause_.isActive(); }

Q_SIGNALS:
    // A copy was written (true) or could not be (false; the next change tries again).
    void copyWritten(bool written);

private:
    void WriteCopy();

    RecoveryStore& store_;
    Document document_;
    QTimer pause_;  // restarted by every change
    QTimer latest_; // started by the first change not yet kept
    bool modified_ = false;
};

} // namespace bw
