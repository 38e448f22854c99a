// The readers of the nested texts: the first byte chooses playlist, trigger, triggered sequences
// or interactive group. Each raises only its documented errors, and what it read writes a text
// that reads back to the same text.
#include "FuzzChecks.h"
#include "model/InteractiveGroupFunctions.h"
#include "model/PlaylistFunctions.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"

using namespace bw;

namespace {

template <typename Read, typename Write>
void CheckReader(std::string_view text, Read read, Write write, std::initializer_list<int> errors) {
    std::string written;
    try {
        written = write(read(text));
    } catch (const Error& error) {
        fuzz::CheckDocumentedError(error, errors);
        return;
    }
    fuzz::Check(write(read(written)) == written, "text round trip", written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::string_view text = fuzz::AsText(data + 1, size - 1);
    switch (data[0] % 4) {
    case 0:
        CheckReader(text, PlaylistFunctions::PlaylistFromText,
                    [](const PlaylistPtr& p) { return PlaylistFunctions::PlaylistToText(p); },
                    {6, 9});
        break;
    case 1:
        CheckReader(text, TriggerFunctions::TriggerFromText,
                    [](const TriggerPtr& t) { return TriggerFunctions::TriggerToText(t); },
                    {6, 9, 13});
        break;
    case 2:
        CheckReader(text, TriggeredSequencesFunctions::TriggeredSequencesFromText,
                    [](const TriggeredSequencesPtr& t) {
                        return TriggeredSequencesFunctions::TriggeredSequencesToText(*t);
                    },
                    {6, 9, 13});
        break;
    default:
        CheckReader(text, InteractiveGroupFunctions::InteractiveGroupFromText,
                    [](const InteractiveGroupPtr& g) {
                        return InteractiveGroupFunctions::InteractiveGroupToText(*g);
                    },
                    {6, 9, 13});
    }
    return 0;
}
