#pragma once

#include "model/TriggeredSequences.h"

#include <string>
#include <string_view>
#include <vector>

namespace bw::TriggeredSequencesFunctions {

TriggeredSequencesPtr NewTriggeredSequences(TriggerPtr trig,
                                            const std::vector<std::string>& fileNames);

// The first file name, then the trigger text, then the other file names. Raises the subscript
// error for an entry without file names and the missing-object error for one without a trigger.
std::string TriggeredSequencesToText(const TriggeredSequences& entry);
void AppendTriggeredSequencesText(std::string& out, const TriggeredSequences& entry);
TriggeredSequencesPtr TriggeredSequencesFromText(std::string_view text);

} // namespace bw::TriggeredSequencesFunctions
