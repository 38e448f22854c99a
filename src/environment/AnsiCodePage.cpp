#include "environment/AnsiCodePage.h"

#include <algorithm>

#ifdef _WIN32
#include "environment/WideText.h"

#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace bw::AnsiCodePage {

namespace {

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

} // namespace

#ifdef _WIN32

namespace {

std::wstring Widen(UINT codePage, std::string_view text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string Narrow(UINT codePage, const std::wstring& wide) {
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    // A character that the code page cannot hold becomes "?", never a look-alike letter ("L" for
    // "Ł"), which would name another file. Callers never pass UTF-8 here: it holds every
    // character and refuses these flags and the default character.
    const char* questionMark = "?";
    const int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), size,
                                           nullptr, 0, questionMark, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, narrow.data(), length,
                        questionMark, nullptr);
    return narrow;
}

// CP_ACP and its kin resolved to the number of the code page they stand for.
UINT Resolved(unsigned codePage) {
    if (codePage == CP_ACP || codePage == CP_THREAD_ACP)
        return GetACP();
    if (codePage == CP_OEMCP)
        return GetOEMCP();
    return codePage;
}

} // namespace

std::string FromUtf8(std::string_view utf8, unsigned codePage) {
    const UINT page = Resolved(codePage);
    // The program's texts are UTF-8 already: a UTF-8 code page takes them byte for byte.
    if (IsAscii(utf8) || page == CP_UTF8)
        return std::string(utf8);
    return Narrow(page, WideText::FromUtf8(utf8));
}

std::string ToUtf8(std::string_view ansi, unsigned codePage) {
    const UINT page = Resolved(codePage);
    // Bytes that are not UTF-8 stay as they are rather than becoming U+FFFD.
    if (IsAscii(ansi) || page == CP_UTF8)
        return std::string(ansi);
    return WideText::ToUtf8(Widen(page, ansi));
}

std::string FromUtf8(std::string_view utf8) {
    return FromUtf8(utf8, CP_ACP);
}

std::string ToUtf8(std::string_view ansi) {
    return ToUtf8(ansi, CP_ACP);
}

bool IsUtf8() {
    return GetACP() == CP_UTF8;
}

#else

namespace {

// Length of the UTF-8 sequence that begins with `lead`; 1 for a byte that cannot begin one, so
// that a damaged sequence costs one "?" per byte.
size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 1;
}

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (handle_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `input`; `onInvalid` is called with the rest of the input at a sequence that the
    // target cannot hold or that is not valid in the source, appends its replacement and returns
    // how many input bytes it consumed.
    template <typename OnInvalid> std::string Convert(std::string_view input, OnInvalid onInvalid) {
        std::string output;
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            return output;
        output.resize(input.size() * 4 + 16);
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        char* out = output.data();
        size_t outLeft = output.size();
        while (inLeft > 0) {
            if (iconv(handle_, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1))
                break;
            if (errno == E2BIG) {
                const size_t used = static_cast<size_t>(out - output.data());
                output.resize(output.size() * 2);
                out = output.data() + used;
                outLeft = output.size() - used;
                continue;
            }
            // EILSEQ or EINVAL: replace what cannot be converted and go on after it.
            std::string replacement;
            const size_t consumed =
                std::min(inLeft, onInvalid(std::string_view(in, inLeft), replacement));
            if (replacement.size() > outLeft) {
                const size_t used = static_cast<size_t>(out - output.data());
                output.resize(output.size() * 2 + replacement.size());
                out = output.data() + used;
                outLeft = output.size() - used;
            }
            out = std::copy(replacement.begin(), replacement.end(), out);
            outLeft -= replacement.size();
            in += consumed;
            inLeft -= consumed;
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        }
        output.resize(static_cast<size_t>(out - output.data()));
        return output;
    }

private:
    iconv_t handle_;
};

} // namespace

std::string FromUtf8(std::string_view utf8) {
    if (IsAscii(utf8))
        return std::string(utf8);
    Converter converter("WINDOWS-1252", "UTF-8");
    return converter.Convert(utf8, [](std::string_view rest, std::string& replacement) {
        // The control characters that stand for the code page's five undefined bytes go back to
        // those bytes, so that any file read and written again keeps its bytes.
        const auto lead = static_cast<unsigned char>(rest[0]);
        if (lead == 0xC2 && rest.size() > 1) {
            const auto next = static_cast<unsigned char>(rest[1]);
            if (next == 0x81 || next == 0x8D || next == 0x8F || next == 0x90 || next == 0x9D) {
                replacement = std::string(1, static_cast<char>(next));
                return size_t{2};
            }
        }
        replacement = "?";
        size_t length = SequenceLength(static_cast<unsigned char>(rest[0]));
        // A truncated or damaged sequence is one "?" per byte up to the damage.
        for (size_t i = 1; i < length; ++i)
            if (i >= rest.size() || (static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80)
                return i;
        return length;
    });
}

std::string ToUtf8(std::string_view ansi) {
    if (IsAscii(ansi))
        return std::string(ansi);
    Converter converter("UTF-8", "WINDOWS-1252");
    return converter.Convert(ansi, [](std::string_view rest, std::string& replacement) {
        // The five bytes that Windows-1252 leaves undefined stand for the control characters of
        // the same number, as the Windows conversion does.
        const auto byte = static_cast<unsigned char>(rest[0]);
        replacement = {static_cast<char>(0xC0 | (byte >> 6)),
                       static_cast<char>(0x80 | (byte & 0x3F))};
        return size_t{1};
    });
}

bool IsUtf8() {
    return false;
}

#endif

} // namespace bw::AnsiCodePage
