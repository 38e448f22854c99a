#include "model/InteractiveGroup.h"

#include "model/PointeeEqual.h"

#include <algorithm>

namespace bw {

namespace GroupTypeTexts {

const char* const JukeboxName = "Jukebox";
const char* const SoundboardName = "Soundboard";
const char* const MagicToyName = "Magic Toy";
const char* const UnnamedTypeName = "Interactive Group";

// Two paragraphs each, a blank line between them; sentences are separated by two blanks.
const char* const JukeboxDescription =
    "Only one sequence from this group can be playing at any given time.  If a unit/circuit from "
    "this group is triggered, but a sequence from this group is already playing, the trigger will "
    "be ignored.\r\n\r\nIf a unit/circuit in this group is associated with more than one "
    "sequence, then every time it is triggered, the next such sequence will be played, in a "
    "round-robin fashion (unless it is ignored because a sequence from this group is already "
    "playing).";
const char* const SoundboardDescription =
    "Only one sequence from this group can be playing at any given time.  If a unit/circuit from "
    "this group is triggered, but a sequence from this group is already playing, the playing "
    "sequence will immediately stop, and the sequence associated with the triggered unit/circuit "
    "will be played.\r\n\r\nIf a unit/circuit in this group is associated with more than once "
    "sequence, then every time it is triggered, the next such sequence will be played, in a "
    "round-robin fashion.";
const char* const MagicToyDescription =
    "Any unit/circuit in this group can be associated with any number of sequences, all of which "
    "will play simultaneously whenever that Unit/circuit is triggered.  If any sequences from "
    "this group were already playing, they will immediately stop.\r\n\r\nOnly animation "
    "sequences can be used in this group - musical sequences cannot be used.";

} // namespace GroupTypeTexts

const TriggeredSequencesPtr& InteractiveGroup::GetTriggeredSequences(int index) const {
    return entries_.at(static_cast<size_t>(index));
}

void InteractiveGroup::AddTriggeredSequences(TriggeredSequencesPtr entry) {
    entries_.push_back(std::move(entry));
}

void InteractiveGroup::DeleteTriggeredSequence(int index) {
    entries_.erase(entries_.begin() + index);
}

void InteractiveGroup::SetIndependent(bool value) {
    independent_ = value;
    UpdateTypeTexts();
}

void InteractiveGroup::SetInterruptible(bool value) {
    interruptible_ = value;
    UpdateTypeTexts();
}

void InteractiveGroup::SetMusicalAllowed(bool value) {
    musicalAllowed_ = value;
    UpdateTypeTexts();
}

// The fourth combination, independent but not interruptible, has a name of its own and keeps
// whatever description the group had before.
void InteractiveGroup::UpdateTypeTexts() {
    using namespace GroupTypeTexts;
    typeName_ = UnnamedTypeName;
    if (!interruptible_ && !independent_) {
        typeName_ = JukeboxName;
        typeDesc_ = JukeboxDescription;
    } else if (interruptible_ && !independent_) {
        typeName_ = SoundboardName;
        typeDesc_ = SoundboardDescription;
    } else if (interruptible_ && independent_) {
        typeName_ = MagicToyName;
        typeDesc_ = MagicToyDescription;
    }
}

bool InteractiveGroup::Triggered(const TriggerPtr& trig) const {
    for (const TriggeredSequencesPtr& entry : entries_)
        if (entry->Triggered(trig))
            return true;
    return false;
}

void InteractiveGroup::Copy(const InteractiveGroup& other) {
    SetDescription(other.description_);
    SetIndependent(other.independent_);
    SetInterruptible(other.interruptible_);
    SetMusicalAllowed(other.musicalAllowed_);
    SetName(other.name_);
    SetLightsOffAtEnd(other.lightsOffAtEnd_);
    // Copy the entries before dropping ours, so that copying a group onto itself keeps them.
    std::vector<TriggeredSequencesPtr> copies;
    copies.reserve(other.entries_.size());
    for (const TriggeredSequencesPtr& entry : other.entries_) {
        auto copy = std::make_shared<TriggeredSequences>();
        copy->Copy(*entry);
        copies.push_back(std::move(copy));
    }
    entries_ = std::move(copies);
}

bool InteractiveGroup::operator==(const InteractiveGroup& other) const {
    return std::equal(entries_.begin(), entries_.end(), other.entries_.begin(),
                      other.entries_.end(), PointeeEqual<TriggeredSequences>) &&
           independent_ == other.independent_ && interruptible_ == other.interruptible_ &&
           musicalAllowed_ == other.musicalAllowed_ && name_ == other.name_ &&
           description_ == other.description_ && typeName_ == other.typeName_ &&
           typeDesc_ == other.typeDesc_ && lightsOffAtEnd_ == other.lightsOffAtEnd_;
}

} // namespace bw
