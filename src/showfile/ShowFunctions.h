#pragma once

#include "model/Show.h"

#include <string>
#include <string_view>

namespace bw::ShowFunctions {

// The ten-field show text.
std::string ShowToText(const Show& show);

// Rebuilds a show from its text. Missing trailing fields are filled in, damaged groups dropped,
// and an unreadable trigger or startup type left at its default. Returns no show when a playlist
// cannot be read. Raises only the list errors of the whole text or of the group field, and the
// subscript error for a text without parentheses.
ShowPtr ShowFromText(std::string_view text);

// A new show with the given parts; each section's playlist is forced to its section's type and
// empty group entries are removed. Raises the missing-object error when a playlist is missing.
ShowPtr ShowFromParts(PlaylistPtr startup, PlaylistPtr shutdown, PlaylistPtr main,
                      PlaylistPtr musical, PlaylistPtr background, GroupCollectionPtr groups,
                      int startupType, TriggerPtr startupTrigger, bool preloadSequences);

// Whether both shows have the same show text; false for no show or when either text cannot be
// made. The monitoring record is not part of the text.
bool HasSameContents(const Show& show, const ShowPtr& other);

} // namespace bw::ShowFunctions
