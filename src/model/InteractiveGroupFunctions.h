#pragma once

#include "model/InteractiveGroup.h"

#include <string>
#include <string_view>

namespace bw::InteractiveGroupFunctions {

// The eight-field text of a group; raises the subscript error for a group without entries.
std::string InteractiveGroupToText(const InteractiveGroup& group);
void AppendInteractiveGroupText(std::string& out, const InteractiveGroup& group);
InteractiveGroupPtr InteractiveGroupFromText(std::string_view text);

} // namespace bw::InteractiveGroupFunctions
