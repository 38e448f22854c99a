// The schedule records' readers: only their documented errors, nothing changed by a failed read,
// and what was read writes a text that reads back to the same text.
#include "FuzzChecks.h"
#include "schedule/MonitoredShowEvent.h"
#include "schedule/TimeRange.h"

using namespace bw;

namespace {

template <typename Record> void CheckRecord(std::string_view text, Record& record) {
    const std::string before = record.Serialize();
    try {
        record.Deserialize(text);
    } catch (const Error& error) {
        fuzz::CheckDocumentedError(error, {6, 13, 37});
        fuzz::Check(record.Serialize() == before, "failed read changed the record");
        return;
    }
    const std::string written = record.Serialize();
    Record again;
    again.Deserialize(written);
    fuzz::Check(again.Serialize() == written, "record text round trip", written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::string_view text = fuzz::AsText(data + 1, size - 1);
    if (data[0] % 2 == 0) {
        TimeRange range;
        range.SetStartTime(MakeDateTime(2004, 3, 1, 18, 30));
        CheckRecord(text, range);
    } else {
        MonitoredShowEvent event;
        event.SetFilename("C:\\Shows\\a.kss");
        event.Range()->SetEndTime(MakeDateTime(2030, 1, 1));
        CheckRecord(text, event);
    }
    return 0;
}
