// Reading a show raises only list errors and the subscript error of a text without parentheses;
// a show that was read writes a text that reads back to the same text.
#include "FuzzChecks.h"
#include "showfile/ShowFunctions.h"

using namespace bw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ShowPtr show;
    try {
        show = ShowFunctions::ShowFromText(fuzz::AsText(data, size));
    } catch (const Error& error) {
        fuzz::CheckDocumentedError(error, {9});
        return 0;
    }
    if (!show)
        return 0;
    const std::string text = ShowFunctions::ShowToText(*show);
    const ShowPtr again = ShowFunctions::ShowFromText(text);
    fuzz::Check(again != nullptr, "written show does not read back");
    fuzz::Check(ShowFunctions::ShowToText(*again) == text, "show text round trip", text);
    return 0;
}
