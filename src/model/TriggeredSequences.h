#pragma once

#include "model/Trigger.h"

#include <memory>
#include <string>
#include <vector>

namespace bw {

// One trigger with the sequence files that it starts, addressed from 0.
class TriggeredSequences {
public:
    int NumSequences() const { return static_cast<int>(sequences_.size()); }

    void AddSequence(std::string fileName) { sequences_.push_back(std::move(fileName)); }
    void ClearSequences() { sequences_.clear(); }
    void SetSequences(const std::vector<std::string>& fileNames);
    void SetSequences(std::vector<std::string>&& fileNames) { sequences_ = std::move(fileNames); }
    const std::vector<std::string>& Sequences() const { return sequences_; }

    // Raise the subscript error outside 0 to NumSequences() - 1.
    const std::string& Sequence(int index) const;
    void SetSequence(int index, std::string fileName);

    const TriggerPtr& Trig() const { return trig_; }
    void SetTrig(TriggerPtr trig) { trig_ = std::move(trig); }

    // Whether this entry's trigger is the given one.
    bool Triggered(const TriggerPtr& trig) const;

    // The next sequence in turn: 0, 1, 2, 0, ... for three file names.
    int RoundRobinIndex();

    // Takes a trigger of its own and the file names of `other`; raises the missing-object error
    // when `other` has no trigger.
    void Copy(const TriggeredSequences& other);

    // Same file names and an equal trigger (or none on both); the round-robin position is play
    // state, not content.
    bool operator==(const TriggeredSequences& other) const;

private:
    int roundRobinPosition_ = 0;
    std::vector<std::string> sequences_;
    TriggerPtr trig_;
};

using TriggeredSequencesPtr = std::shared_ptr<TriggeredSequences>;

} // namespace bw
