#include "showfile/File.h"

#include "environment/WholeFile.h"

namespace bw::File {

int WriteWholeFile(const std::string& path, std::string_view text) {
    try {
        std::string bytes = TextEncoding::Encode(text).bytes;
        bytes += "\r\n";
        return WholeFile::Write(path, bytes) ? 0 : 1;
    } catch (...) {
        return 1;
    }
}

int ReadWholeFile(const std::string& path, std::string& text) {
    TextEncoding::Encoding encoding{};
    return ReadWholeFile(path, text, encoding);
}

int ReadWholeFile(const std::string& path, std::string& text, TextEncoding::Encoding& encoding,
                  WholeFile::ReadResult* failure) {
    WholeFile::ReadResult result{WholeFile::ReadFailure::NoMemory, 0};
    const auto fail = [&] {
        if (failure != nullptr)
            *failure = result;
        return 1;
    };
    try {
        std::string bytes;
        result = WholeFile::ReadWithResult(path, bytes);
        if (!result)
            return fail();
        TextEncoding::DecodedText decoded = TextEncoding::Decode(bytes);
        // UTF-16 is no show text: refused like a file that cannot be read, not read as empty.
        if (decoded.refused)
            return 1;
        text = std::move(decoded.utf8);
        encoding = decoded.encoding;
        return 0;
    } catch (...) {
        result = {WholeFile::ReadFailure::NoMemory, 0};
        return fail();
    }
}

} // namespace bw::File
