#include "environment/SequenceName.h"

#include "environment/PathText.h"

namespace bw::File {

std::string_view SequenceDisplayNameView(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    if (dot != std::string_view::npos)
        path = path.substr(0, dot);
    return PathText::FileNamePart(path);
}

std::string SequenceDisplayName(std::string_view path) {
    return std::string(SequenceDisplayNameView(path));
}

} // namespace bw::File
