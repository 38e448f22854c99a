#include "environment/SequenceName.h"

#include "environment/PathText.h"

namespace bw::File {

std::string SequenceDisplayName(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    if (dot != std::string_view::npos)
        path = path.substr(0, dot);
    return std::string(PathText::FileNamePart(path));
}

} // namespace bw::File
