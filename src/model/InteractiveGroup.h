#pragma once

#include "model/TriggeredSequences.h"

#include <memory>
#include <string>
#include <vector>

namespace bw {

// A named set of triggers with their sequences and a behaviour type (Jukebox, Soundboard or
// Magic Toy) that follows from the two flags Independent and Interruptible.
class InteractiveGroup {
public:
    int Count() const { return static_cast<int>(entries_.size()); }
    // Entries are addressed from 0; callers pass only valid indexes.
    const TriggeredSequencesPtr& GetTriggeredSequences(int index) const;
    void AddTriggeredSequences(TriggeredSequencesPtr entry);
    void DeleteTriggeredSequence(int index);

    // Each flag setter recomputes TypeName and TypeDesc.
    bool Independent() const { return independent_; }
    void SetIndependent(bool value);
    bool Interruptible() const { return interruptible_; }
    void SetInterruptible(bool value);
    bool MusicalAllowed() const { return musicalAllowed_; }
    void SetMusicalAllowed(bool value);

    const std::string& Name() const { return name_; }
    void SetName(std::string value) { name_ = std::move(value); }
    const std::string& Description() const { return description_; }
    void SetDescription(std::string value) { description_ = std::move(value); }
    bool LightsOffAtEnd() const { return lightsOffAtEnd_; }
    void SetLightsOffAtEnd(bool value) { lightsOffAtEnd_ = value; }

    const std::string& TypeName() const { return typeName_; }
    const std::string& TypeDesc() const { return typeDesc_; }

    // Whether any entry is started by the given trigger.
    bool Triggered(const TriggerPtr& trig) const;

    // Makes this group a deep copy of `other`: entries and triggers of its own.
    void Copy(const InteractiveGroup& other);

    // Every field, the entries compared by content in order.
    bool operator==(const InteractiveGroup& other) const;

private:
    void UpdateTypeTexts();

    std::vector<TriggeredSequencesPtr> entries_;
    bool independent_ = false;
    bool interruptible_ = false;
    bool musicalAllowed_ = true;
    std::string name_;
    std::string description_;
    std::string typeName_;
    std::string typeDesc_;
    bool lightsOffAtEnd_ = true;
};

using InteractiveGroupPtr = std::shared_ptr<InteractiveGroup>;

namespace GroupTypeTexts {
extern const char* const JukeboxName;
extern const char* const SoundboardName;
extern const char* const MagicToyName;
extern const char* const UnnamedTypeName;
extern const char* const JukeboxDescription;
extern const char* const SoundboardDescription;
extern const char* const MagicToyDescription;
} // namespace GroupTypeTexts

} // namespace bw
