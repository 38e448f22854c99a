// Every byte string of the code page reads as valid UTF-8 and writes back to the same bytes, and
// writing any text costs at most one byte per input byte.
#include "FuzzChecks.h"
#include "environment/AnsiCodePage.h"

using namespace bw;

namespace {

bool IsValidUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t length = lead < 0x80                    ? 1
                        : lead >= 0xC2 && lead <= 0xDF ? 2
                        : lead >= 0xE0 && lead <= 0xEF ? 3
                        : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                       : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = fuzz::AsText(data, size);
    const std::string utf8 = AnsiCodePage::ToUtf8(bytes);
    fuzz::Check(IsValidUtf8(utf8), "code page text read as invalid UTF-8");
    fuzz::Check(AnsiCodePage::FromUtf8(utf8) == bytes, "code page round trip");
    fuzz::Check(AnsiCodePage::FromUtf8(bytes).size() <= bytes.size(), "written text grew");
    return 0;
}
