// The show tool's JSON reader: only its own error escapes, and a show it builds gives JSON that
// builds the same show again.
#include "FuzzChecks.h"
#include "showfile/ShowFunctions.h"
#include "tooling/ShowJson.h"

using namespace bw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ShowPtr show;
    try {
        show = ShowJson::ShowFromJson(ShowJson::ParseJson(fuzz::AsText(data, size)));
    } catch (const ShowJson::JsonError&) {
        return 0;
    }
    fuzz::Check(show != nullptr, "no show and no error");
    const ShowJson::Json json = ShowJson::ShowToJson(*show);
    const ShowPtr again = ShowJson::ShowFromJson(json);
    fuzz::Check(ShowFunctions::ShowToText(*again) == ShowFunctions::ShowToText(*show),
                "JSON round trip changed the show");
    fuzz::Check(ShowJson::ShowToJson(*again) == json, "JSON round trip changed the JSON");
    return 0;
}
