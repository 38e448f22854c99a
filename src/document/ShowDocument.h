#pragma once

#include "model/Playlist.h"
#include "model/Show.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QUndoStack;

namespace bw {

// Where in the window a change was made: the section (1 to 6, as the tabs count them) and the
// selected list position, -1 for none. Undo and redo go back there.
// A tab of 0 stands for wherever the user is.
struct ShowPlace {
    int tab = 1;
    int selection = -1;
};

// The sections of a show by their tab index, counted from 1.
enum ShowSection {
    BackgroundSection = 1,
    StartupSection,
    AnimationSection,
    MusicalSection,
    InteractiveSection,
    ShutdownSection
};

// The show being edited with its file and its undo history. Every edit enters as one step of
// the history; undoing back to the state last saved or opened leaves the show unmodified again,
// and redoing away from it modifies it. A step keeps the change of the show text that it made,
// and undo and redo rebuild the show from the text, so that nothing depends on which objects the
// dialogs changed in place.
class ShowDocument : public QObject {
    Q_OBJECT

public:
    // Edits that, while the user goes on typing in one box, make one step between them.
    enum Typing { NotTyping = -1, TypingDelay = 1, TypingCleanup = 2 };

    // Makes one step of all the edits made while it lives, with the place where it began as the
    // place that undo goes back to. Actions inside an action belong to the outer one.
    class Action {
    public:
        explicit Action(ShowDocument& document, Typing typing = NotTyping);
        ~Action();
        Action(const Action&) = delete;
        Action& operator=(const Action&) = delete;

    private:
        ShowDocument& document_;
    };

    explicit ShowDocument(QObject* parent = nullptr);
    ~ShowDocument() override;

    // The show; always one. The object is replaced by New, Open, undo and redo.
    const ShowPtr& MyShow() const { return show_; }
    // Full path of the file the show was opened from or last saved to; empty for a new show.
    const QString& FileName() const { return fileName_; }
    bool IsModified() const { return modified_; }
    QUndoStack& UndoStack() const { return *stack_; }

    // Where the user is, asked when a step begins and ends.
    void SetPlaceSource(std::function<ShowPlace()> source) { placeSource_ = std::move(source); }

    // A new empty show without a file.
    void New();
    // Reads the show file at `path`; false, with nothing changed, when the file cannot be read or
    // holds no show. Raises what the show reader raises for a text that is no list. Names with
    // bytes that were not valid in the file's encoding are kept, and `damagedNotice` says so.
    bool Open(const QString& path, std::string* damagedNotice = nullptr);
    // Writes the show to its file; false when the write failed, and the show stays modified.
    bool Save();
    // Writes the show to `target`, which becomes the file name also when the write failed.
    bool SaveAs(const QString& target);
    // Takes up a show whose changes were not saved (a recovered copy) under the file it belongs
    // to, empty for a show never saved: it is modified, and Save writes it there.
    void TakeUnsaved(ShowPtr show, const QString& fileName);

    // The playlist of a section; none for the Interactive section.
    PlaylistPtr SectionPlaylist(int tab) const;

    // Edits, each one step.
    void AppendSequences(int tab, const QStringList& files);
    // Positions count from 0; a position outside the section changes nothing.
    void RemoveEntry(int tab, int position);
    void MoveEntry(int tab, int from, int to);
    // Exchanges two sequences of a playlist, every other one keeping its place.
    void SwapEntries(int tab, int first, int second);
    void AddGroup(InteractiveGroupPtr group);
    // The lights-off choice of a playlist, or on the Interactive section of the group at
    // `position`; stored only when it differs.
    void SetLightsOffAtEnd(int tab, int position, bool lightsOff);
    void SetAnimationType(int type);
    void SetMusicalType(int type);
    void SetShuffleWithReplacement(bool value);
    void SetShuffleAllowsBackToBack(bool value);
    void SetDelay(int seconds);
    void SetCleanUp(const QString& fileName, Typing typing = NotTyping);
    // The show was changed in place (by a dialog): one step of what differs. The show counts as
    // modified afterwards even when nothing differs.
    void Changed();
    // What is typed from now on makes a step of its own.
    void EndTyping() { ++typingRun_; }

Q_SIGNALS:
    // The show's contents changed: each edit as it is made (the step follows when its action
    // ends), undo, redo, New and Open.
    void changed();
    // The show was replaced by New, Open, undo or redo; the window sets itself up anew, after
    // undo and redo at the place of the step.
    void showReplaced(const ShowPlace& place);
    void fileNameChanged(const QString& fileName);
    // The show was read from or written to this file (Open, Save, Save As).
    void fileUsed(const QString& fileName);
    void modifiedChanged(bool modified);

private:
    friend class ShowStep;

    void Edit(const std::function<bool(Show&)>& edit, Typing typing = NotTyping);
    void Record(const ShowPlace& before, Typing typing) noexcept;
    // Rebuilds the show from the history's text after a step went back or forward.
    void Restore(const ShowPlace& place);
    void Reset(ShowPtr show, const QString& fileName);
    void SetFileName(const QString& fileName);
    // A change the history holds no step for: the show differs from its file all the same.
    void MarkModified();
    void UpdateModified();
    ShowPlace CurrentPlace() const { return placeSource_ ? placeSource_() : ShowPlace{}; }

    ShowPtr show_;
    QString fileName_;
    QUndoStack* stack_;
    std::function<ShowPlace()> placeSource_;
    bool modified_ = false;
    bool modifiedWithoutStep_ = false;
    // The show text at the stack's current step.
    std::string text_;
    int typingRun_ = 0;

    // The action in progress.
    int actionDepth_ = 0;
    bool actionChanged_ = false;
    ShowPlace actionPlace_;
    Typing actionTyping_ = NotTyping;
};

} // namespace bw
