#include "environment/TextEncoding.h"

#include "environment/AnsiCodePage.h"
#include "environment/Utf8Text.h"

namespace bw::TextEncoding {

#ifdef _WIN32

EncodedText Encode(std::string_view utf8) {
    EncodedText encoded{AnsiCodePage::FromUtf8(utf8), Encoding::AnsiCodePage, true};
    encoded.exact = AnsiCodePage::ToUtf8(encoded.bytes) == utf8;
    return encoded;
}

DecodedText Decode(std::string_view bytes) {
    return {AnsiCodePage::ToUtf8(bytes), Encoding::AnsiCodePage};
}

#else

EncodedText Encode(std::string_view utf8) {
    if (!Utf8Text::IsValid(utf8)) {
        EncodedText repaired = Encode(Utf8Text::Repaired(utf8));
        repaired.exact = false;
        return repaired;
    }
    std::string ansi = AnsiCodePage::FromUtf8(utf8);
    if (AnsiCodePage::ToUtf8(ansi) == utf8 && !Utf8Text::IsMultiByteText(ansi))
        return {std::move(ansi), Encoding::AnsiCodePage, true};
    return {std::string(utf8), Encoding::Utf8, true};
}

DecodedText Decode(std::string_view bytes) {
    if (Utf8Text::IsMultiByteText(bytes))
        return {std::string(bytes), Encoding::Utf8};
    return {AnsiCodePage::ToUtf8(bytes), Encoding::AnsiCodePage};
}

#endif

} // namespace bw::TextEncoding
