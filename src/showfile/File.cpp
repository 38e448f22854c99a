#include "showfile/File.h"

#include "environment/AnsiCodePage.h"
#include "environment/WholeFile.h"

namespace bw::File {

int WriteWholeFile(const std::string& path, std::string_view text) {
    try {
        std::string bytes = AnsiCodePage::FromUtf8(text);
        bytes += "\r\n";
        return WholeFile::WriteAtomically(path, bytes) ? 0 : 1;
    } catch (...) {
        return 1;
    }
}

int ReadWholeFile(const std::string& path, std::string& text) {
    try {
        std::string bytes;
        if (!WholeFile::Read(path, bytes))
            return 1;
        text = AnsiCodePage::ToUtf8(bytes);
        return 0;
    } catch (...) {
        return 1;
    }
}

} // namespace bw::File
