#include "document/ShowDocument.h"

#include "document/QtText.h"
#include "document/TextChange.h"
#include "showfile/DamagedNames.h"
#include "showfile/File.h"
#include "showfile/ShowFunctions.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <array>
#include <exception>

namespace bw {

namespace {

// A step keeps only the part of the show text that its action changed, some hundred bytes for a
// click, a move or an Add of one file. A step whose change spans a whole list (a far move, the
// undo of a large Add) keeps that list's text twice, 1.3 MB for a list of 10,000 sequences; the
// limit keeps such a history near 130 MB and the usual one far below a megabyte.
constexpr int StepLimit = 100;

// The playlist of each section by its tab index; the Interactive section has none.
using PlaylistOf = const PlaylistPtr& (Show::*)() const;
constexpr std::array<PlaylistOf, 7> SectionPlaylists{
    nullptr,        &Show::Background, &Show::Startup, &Show::Main,
    &Show::Musical, nullptr,           &Show::Shutdown};

template <class Collection> bool IsPosition(const Collection& collection, int position) {
    return position >= 0 && position < static_cast<int>(collection.size());
}

// Moves the element at `from` to `to`, the elements between moving one place towards `from`.
template <class Collection> bool Move(Collection& collection, int from, int to) {
    if (from == to || !IsPosition(collection, from) || !IsPosition(collection, to))
        return false;
    const auto begin = collection.begin();
    if (from < to)
        std::rotate(begin + from, begin + from + 1, begin + to + 1);
    else
        std::rotate(begin + to, begin + from, begin + from + 1);
    return true;
}

// Sets a property of a playlist; false, with nothing set, when it has the value already.
template <class Value>
bool Assign(Playlist& playlist, Value (Playlist::*get)() const, void (Playlist::*set)(Value),
            Value value) {
    if ((playlist.*get)() == value)
        return false;
    (playlist.*set)(value);
    return true;
}

} // namespace

// One user action: the change of the show text that it made and the places before and after.
// The change is in the show already when the step is pushed, so its first redo does nothing.
class ShowStep : public QUndoCommand {
public:
    ShowStep(ShowDocument& document, TextChange change, const ShowPlace& before,
             const ShowPlace& after, ShowDocument::Typing typing, int typingRun)
        : document_(document), change_(std::move(change)), before_(before), after_(after),
          typing_(typing), typingRun_(typingRun) {}

    int id() const override { return typing_; }

    void undo() override {
        change_.Revert(document_.text_);
        document_.Restore(before_);
    }

    void redo() override {
        if (inShow_) {
            inShow_ = false;
            return;
        }
        change_.Apply(document_.text_);
        document_.Restore(after_);
    }

    // Typing in the same box without leaving it: the steps become one, from the text before the
    // first to the text after the latest. The document's text is already the latest.
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = dynamic_cast<const ShowStep*>(other);
        if (next == nullptr || next->typingRun_ != typingRun_)
            return false;
        std::string first = document_.text_;
        next->change_.Revert(first);
        change_.Revert(first);
        change_ = TextChange::Between(first, document_.text_);
        after_ = next->after_;
        // Typed back to where the run began: nothing is left to undo.
        setObsolete(change_.IsEmpty());
        return true;
    }

private:
    ShowDocument& document_;
    TextChange change_;
    ShowPlace before_;
    ShowPlace after_;
    ShowDocument::Typing typing_;
    int typingRun_;
    bool inShow_ = true;
};

ShowDocument::Action::Action(ShowDocument& document, Typing typing) : document_(document) {
    if (document_.actionDepth_++ > 0)
        return;
    document_.actionChanged_ = false;
    document_.actionPlace_ = document_.CurrentPlace();
    document_.actionTyping_ = typing;
}

ShowDocument::Action::~Action() {
    if (--document_.actionDepth_ == 0 && document_.actionChanged_)
        document_.Record(document_.actionPlace_, document_.actionTyping_);
}

ShowDocument::ShowDocument(QObject* parent)
    : QObject(parent), show_(std::make_shared<Show>()), stack_(new QUndoStack(this)) {
    stack_->setUndoLimit(StepLimit);
    connect(stack_, &QUndoStack::indexChanged, this, [this] {
        // A step done or undone decides on its own whether the show differs from its file.
        modifiedWithoutStep_ = false;
        UpdateModified();
    });
    connect(stack_, &QUndoStack::cleanChanged, this, &ShowDocument::UpdateModified);
    Reset(show_, {});
}

ShowDocument::~ShowDocument() = default;

void ShowDocument::New() {
    Reset(std::make_shared<Show>(), {});
}

bool ShowDocument::Open(const QString& path, std::string* damagedNotice) {
    std::string text;
    TextEncoding::Encoding encoding{};
    if (File::ReadWholeFile(path.toStdString(), text, encoding) != 0)
        return false;
    // A list from which no show can be built is refused like a file that cannot be read: the
    // document always keeps a show to work on.
    ShowPtr opened = ShowFunctions::ShowFromText(text);
    if (!opened)
        return false;
    Reset(std::move(opened), path);
    if (damagedNotice)
        *damagedNotice = DamagedNames::Notice(text, encoding);
    Q_EMIT fileUsed(path);
    return true;
}

bool ShowDocument::Save() {
    return SaveAs(fileName_);
}

bool ShowDocument::SaveAs(const QString& target) {
    const std::string text = ShowFunctions::ShowToText(*show_);
    const bool written = File::WriteWholeFile(target.toStdString(), text) == 0;
    SetFileName(target);
    if (!written) {
        MarkModified();
        return false;
    }
    modifiedWithoutStep_ = false;
    stack_->setClean();
    UpdateModified();
    Q_EMIT fileUsed(target);
    return true;
}

void ShowDocument::TakeUnsaved(ShowPtr show, const QString& fileName) {
    Reset(std::move(show), fileName);
    MarkModified();
}

PlaylistPtr ShowDocument::SectionPlaylist(int tab) const {
    if (tab < 0 || tab >= static_cast<int>(SectionPlaylists.size()) || !SectionPlaylists[tab])
        return nullptr;
    return ((*show_).*SectionPlaylists[static_cast<std::size_t>(tab)])();
}

void ShowDocument::Edit(const std::function<bool(Show&)>& edit, Typing typing) {
    const Action action(*this, typing);
    if (!edit(*show_))
        return;
    // The views follow each edit at once; the step is kept when the action ends.
    actionChanged_ = true;
    Q_EMIT changed();
}

void ShowDocument::AppendSequences(int tab, const QStringList& files) {
    const PlaylistPtr playlist = SectionPlaylist(tab);
    if (!playlist || files.isEmpty())
        return;
    Edit([&](Show&) {
        for (const QString& file : files)
            playlist->List().push_back(QtText::ToBytes(file));
        return true;
    });
}

void ShowDocument::RemoveEntry(int tab, int position) {
    Edit([&](Show& show) {
        if (tab == InteractiveSection) {
            GroupCollection* groups = show.InteractiveGroups().get();
            if (!groups || !IsPosition(*groups, position))
                return false;
            groups->erase(groups->begin() + position);
            return true;
        }
        const PlaylistPtr playlist = SectionPlaylist(tab);
        if (!playlist || !IsPosition(playlist->List(), position))
            return false;
        playlist->List().erase(playlist->List().begin() + position);
        return true;
    });
}

void ShowDocument::MoveEntry(int tab, int from, int to) {
    const PlaylistPtr playlist = SectionPlaylist(tab);
    if (playlist)
        Edit([&](Show&) { return Move(playlist->List(), from, to); });
}

void ShowDocument::SwapEntries(int tab, int first, int second) {
    const PlaylistPtr playlist = SectionPlaylist(tab);
    if (!playlist)
        return;
    Edit([&](Show&) {
        std::vector<std::string>& list = playlist->List();
        if (first == second || !IsPosition(list, first) || !IsPosition(list, second))
            return false;
        std::swap(list[static_cast<std::size_t>(first)], list[static_cast<std::size_t>(second)]);
        return true;
    });
}

void ShowDocument::AddGroup(InteractiveGroupPtr group) {
    Edit([&](Show& show) {
        if (!show.InteractiveGroups())
            show.SetInteractiveGroups(std::make_shared<GroupCollection>());
        show.InteractiveGroups()->push_back(std::move(group));
        return true;
    });
}

void ShowDocument::SetLightsOffAtEnd(int tab, int position, bool lightsOff) {
    Edit([&](Show& show) {
        if (tab == InteractiveSection) {
            const GroupCollectionPtr& groups = show.InteractiveGroups();
            if (!groups || !IsPosition(*groups, position))
                return false;
            InteractiveGroup* group = (*groups)[static_cast<std::size_t>(position)].get();
            if (!group || group->LightsOffAtEnd() == lightsOff)
                return false;
            group->SetLightsOffAtEnd(lightsOff);
            return true;
        }
        const PlaylistPtr playlist = SectionPlaylist(tab);
        return playlist && Assign(*playlist, &Playlist::LightsOffAtEnd,
                                  &Playlist::SetLightsOffAtEnd, lightsOff);
    });
}

void ShowDocument::SetAnimationType(int type) {
    Edit([type](Show& show) {
        return Assign(*show.Main(), &Playlist::AnimationType, &Playlist::SetAnimationType, type);
    });
}

void ShowDocument::SetMusicalType(int type) {
    Edit([type](Show& show) {
        return Assign(*show.Musical(), &Playlist::MusicalType, &Playlist::SetMusicalType, type);
    });
}

void ShowDocument::SetShuffleWithReplacement(bool value) {
    Edit([value](Show& show) {
        return Assign(*show.Musical(), &Playlist::ShuffleWithReplacement,
                      &Playlist::SetShuffleWithReplacement, value);
    });
}

void ShowDocument::SetShuffleAllowsBackToBack(bool value) {
    Edit([value](Show& show) {
        return Assign(*show.Musical(), &Playlist::ShuffleAllowsBackToBack,
                      &Playlist::SetShuffleAllowsBackToBack, value);
    });
}

// Typing counts as a change even where it leaves the value as it was.
void ShowDocument::SetDelay(int seconds) {
    Edit(
        [seconds](Show& show) {
            show.Musical()->SetDelay(seconds);
            return true;
        },
        TypingDelay);
}

void ShowDocument::SetCleanUp(const QString& fileName, Typing typing) {
    Edit(
        [&fileName](Show& show) {
            show.Musical()->SetCleanUp(QtText::ToBytes(fileName));
            return true;
        },
        typing);
}

void ShowDocument::Changed() {
    if (actionDepth_ > 0)
        actionChanged_ = true;
    else
        Record(CurrentPlace(), NotTyping);
    Q_EMIT changed();
}

void ShowDocument::Record(const ShowPlace& before, Typing typing) noexcept {
    try {
        std::string now = ShowFunctions::ShowToText(*show_);
        if (now == text_) {
            MarkModified();
            return;
        }
        TextChange change = TextChange::Between(text_, now);
        text_ = std::move(now);
        stack_->push(
            new ShowStep(*this, std::move(change), before, CurrentPlace(), typing, typingRun_));
    } catch (const std::exception&) {
        // A show that cannot be written cannot be saved either; it differs from its file all the
        // same.
        MarkModified();
    }
}

void ShowDocument::Restore(const ShowPlace& place) {
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
    show->SetMonitoring(show_->Monitoring());
    show_ = std::move(show);
    Q_EMIT showReplaced(place);
    Q_EMIT changed();
}

void ShowDocument::Reset(ShowPtr show, const QString& fileName) {
    show_ = std::move(show);
    stack_->clear();
    EndTyping();
    try {
        text_ = ShowFunctions::ShowToText(*show_);
    } catch (const std::exception&) {
        text_.clear();
    }
    modifiedWithoutStep_ = false;
    SetFileName(fileName);
    UpdateModified();
    Q_EMIT showReplaced(ShowPlace{0, -1});
    Q_EMIT changed();
}

void ShowDocument::SetFileName(const QString& fileName) {
    if (fileName == fileName_)
        return;
    fileName_ = fileName;
    Q_EMIT fileNameChanged(fileName_);
}

void ShowDocument::MarkModified() {
    modifiedWithoutStep_ = true;
    UpdateModified();
}

void ShowDocument::UpdateModified() {
    const bool modified = modifiedWithoutStep_ || !stack_->isClean();
    if (modified == modified_)
        return;
    modified_ = modified;
    Q_EMIT modifiedChanged(modified_);
}

} // namespace bw
