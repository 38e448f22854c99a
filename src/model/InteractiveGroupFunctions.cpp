#include "model/InteractiveGroupFunctions.h"

#include "listtext/Error.h"
#include "listtext/ListWriter.h"
#include "listtext/Serialize.h"
#include "model/TriggeredSequencesFunctions.h"

namespace bw::InteractiveGroupFunctions {

using namespace Serialize;
using TriggeredSequencesFunctions::AppendTriggeredSequencesText;
using TriggeredSequencesFunctions::TriggeredSequencesFromText;

std::string InteractiveGroupToText(const InteractiveGroup& group) {
    std::string text;
    AppendInteractiveGroupText(text, group);
    return text;
}

void AppendInteractiveGroupText(std::string& out, const InteractiveGroup& group) {
    // A group always has entries in a show; one without has no list of entries to write.
    if (group.Count() == 0)
        RaiseSubscriptOutOfRange();
    ListWriter fields(out);
    fields.Element(IntToText(group.Count()));
    fields.EscapedElement(group.Description());
    fields.Element(BoolToText(group.Independent()));
    fields.Element(BoolToText(group.Interruptible()));
    fields.Element(BoolToText(group.MusicalAllowed()));
    fields.EscapedElement(group.Name());
    ListWriter entries(fields.Next());
    for (int i = 0; i < group.Count(); ++i) {
        const TriggeredSequencesPtr& entry = group.GetTriggeredSequences(i);
        if (!entry)
            RaiseObjectNotSet();
        AppendTriggeredSequencesText(entries.Next(), *entry);
    }
    entries.Close();
    fields.Element(BoolToText(group.LightsOffAtEnd()));
    fields.Close();
}

InteractiveGroupPtr InteractiveGroupFromText(std::string_view text) {
    const ElementArray fields = ListFromText(text, 1, 8);
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
