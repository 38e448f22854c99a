#include "model/TriggeredSequencesFunctions.h"

#include "listtext/Error.h"
#include "listtext/ListWriter.h"
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
    std::string text;
    AppendTriggeredSequencesText(text, entry);
    return text;
}

void AppendTriggeredSequencesText(std::string& out, const TriggeredSequences& entry) {
    const std::string& first = entry.Sequence(0);
    if (!entry.Trig())
        RaiseObjectNotSet();
    ListWriter fields(out);
    fields.EscapedElement(first);
    TriggerFunctions::AppendTriggerText(fields.Next(), *entry.Trig());
    for (int i = 1; i < entry.NumSequences(); ++i)
        fields.EscapedElement(entry.Sequence(i));
    fields.Close();
}

TriggeredSequencesPtr TriggeredSequencesFromText(std::string_view text) {
    const ElementArray fields = ListFromText(text, 1);
    TriggerPtr trig = TriggerFunctions::TriggerFromText(fields[2]);
    // The same as NewTriggeredSequences, the names placed once and moved in rather than copied.
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(fields.Count() - 1));
    names.push_back(UnescapeText(fields[1]));
    for (int i = 3; i <= fields.UBound(); ++i)
        names.push_back(UnescapeText(fields[i]));
    auto entry = std::make_shared<TriggeredSequences>();
    entry->SetSequences(std::move(names));
    entry->SetTrig(std::move(trig));
    return entry;
}

} // namespace bw::TriggeredSequencesFunctions
