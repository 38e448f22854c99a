#include "model/TriggeredSequences.h"

#include "listtext/Error.h"
#include "model/PointeeEqual.h"

namespace bw {

void TriggeredSequences::SetSequences(const std::vector<std::string>& fileNames) {
    ClearSequences();
    for (const std::string& fileName : fileNames)
        AddSequence(fileName);
}

const std::string& TriggeredSequences::Sequence(int index) const {
    if (index < 0 || index >= NumSequences())
        RaiseSubscriptOutOfRange();
    return sequences_[static_cast<size_t>(index)];
}

void TriggeredSequences::SetSequence(int index, std::string fileName) {
    if (index < 0 || index >= NumSequences())
        RaiseSubscriptOutOfRange();
    sequences_[static_cast<size_t>(index)] = std::move(fileName);
}

bool TriggeredSequences::Triggered(const TriggerPtr& trig) const {
    if (!trig_)
        RaiseObjectNotSet();
    return trig_->Equals(trig);
}

int TriggeredSequences::RoundRobinIndex() {
    int index = roundRobinPosition_;
    // The position may have been left beyond a file list that has since become shorter.
    if (index < 0 || index >= NumSequences())
        index = 0;
    roundRobinPosition_ = index + 1;
    if (roundRobinPosition_ >= NumSequences())
        roundRobinPosition_ = 0;
    return index;
}

void TriggeredSequences::Copy(const TriggeredSequences& other) {
    if (!other.trig_)
        RaiseObjectNotSet();
    auto trig = std::make_shared<Trigger>();
    trig->Copy(*other.trig_);
    trig_ = std::move(trig);
    sequences_ = other.sequences_;
}

bool TriggeredSequences::operator==(const TriggeredSequences& other) const {
    return sequences_ == other.sequences_ && PointeeEqual(trig_, other.trig_);
}

} // namespace bw
