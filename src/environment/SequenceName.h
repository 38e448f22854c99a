#pragma once

#include <string>
#include <string_view>

namespace bw::File {

// The name under which a sequence file is listed: the path cut before its last "." and then
// after its last separator ("\" or "/"). The last "." is looked for in the whole path, so a
// folder's "." counts when the file's own name has none: C:\My.Seq\Intro gives My.
std::string SequenceDisplayName(std::string_view path);
// The same name as a view into `path`, for lists that convert thousands of names at once.
std::string_view SequenceDisplayNameView(std::string_view path);

} // namespace bw::File
