#include "model/TriggeredSequencesFunctions.h"

#include "listtext/Serialize.h"
#include "model/TriggerFunctions.h"

namespace bw::TriggeredSequencesFunctions {

using namespace Serialize;

TriggeredSequencesPtr NewTriggeredSequences(TriggerPtr trig,
                                            const std::vector<std::string>& fileNames) {
    auto entry = std::make_shared<TriggeredSequences>();
    entry->SetSequences(fileNames);
    entry->SetTrig(std::move(trig));
    return entry;
}

std::string TriggeredSequencesToText(const TriggeredSequences& entry) {
    std::vector<std::string> fields;
    fields.reserve(static_cast<size_t>(entry.NumSequences()) + 1);
    fields.push_back(EscapeText(entry.Sequence(0)));
    fields.push_back(TriggerFunctions::TriggerToText(entry.Trig()));
    for (int i = 1; i < entry.NumSequences(); ++i)
        fields.push_back(EscapeText(entry.Sequence(i)));
    return ListToText(fields);
}

TriggeredSequencesPtr TriggeredSequencesFromText(std::string_view text) {
    const ElementArray fields = ListFromText(text, 1);
    TriggerPtr trig = TriggerFunctions::TriggerFromText(fields[2]);
    std::vector<std::string> fileNames;
    fileNames.reserve(static_cast<size_t>(fields.Count() - 1));
    fileNames.push_back(UnescapeText(fields[1]));
    for (int i = 3; i <= fields.UBound(); ++i)
        fileNames.push_back(UnescapeText(fields[i]));
    return NewTriggeredSequences(std::move(trig), fileNames);
}

} // namespace bw::TriggeredSequencesFunctions
