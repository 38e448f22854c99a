#include "model/InteractiveGroupFunctions.h"

#include "listtext/Error.h"
#include "listtext/Serialize.h"
#include "model/TriggeredSequencesFunctions.h"

namespace bw::InteractiveGroupFunctions {

using namespace Serialize;
using TriggeredSequencesFunctions::TriggeredSequencesFromText;
using TriggeredSequencesFunctions::TriggeredSequencesToText;

std::string InteractiveGroupToText(const InteractiveGroup& group) {
    // A group always has entries in a show; one without has no list of entries to write.
    if (group.Count() == 0)
        RaiseSubscriptOutOfRange();
    std::vector<std::string> entries;
    entries.reserve(static_cast<size_t>(group.Count()));
    for (int i = 0; i < group.Count(); ++i) {
        const TriggeredSequencesPtr& entry = group.GetTriggeredSequences(i);
        if (!entry)
            RaiseObjectNotSet();
        entries.push_back(TriggeredSequencesToText(*entry));
    }
    return ListToText({IntToText(group.Count()), EscapeText(group.Description()),
                       BoolToText(group.Independent()), BoolToText(group.Interruptible()),
                       BoolToText(group.MusicalAllowed()), EscapeText(group.Name()),
                       ListToText(entries), BoolToText(group.LightsOffAtEnd())});
}

InteractiveGroupPtr InteractiveGroupFromText(std::string_view text) {
    const ElementArray fields = ListFromText(text, 1);
    auto group = std::make_shared<InteractiveGroup>();
    group->SetDescription(UnescapeText(fields[2]));
    group->SetIndependent(BoolFromText(fields[3]));
    group->SetInterruptible(BoolFromText(fields[4]));
    group->SetMusicalAllowed(BoolFromText(fields[5]));
    group->SetName(UnescapeText(fields[6]));
    const ElementArray entries = ListFromText(fields[7], 1);
    // A field without parentheses holds no list of entries at all.
    if (entries.Empty())
        RaiseSubscriptOutOfRange();
    for (std::string_view entry : entries)
        group->AddTriggeredSequences(TriggeredSequencesFromText(entry));
    if (fields.Count() >= 8)
        group->SetLightsOffAtEnd(BoolFromText(fields[8]));
    return group;
}

} // namespace bw::InteractiveGroupFunctions
