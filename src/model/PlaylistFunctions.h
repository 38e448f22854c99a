#pragma once

#include "model/Playlist.h"

#include <string>
#include <string_view>

namespace bw::PlaylistFunctions {

PlaylistPtr NewAnimationPlaylist(int animationType);
PlaylistPtr NewMusicalPlaylist(int musicalType, int delay);

// The nine-field text of a playlist; raises the missing-object error for no playlist.
std::string PlaylistToText(const PlaylistPtr& playlist);
// Appends the same text to `out`, for writers of texts that nest playlists.
void AppendPlaylistText(std::string& out, const Playlist& playlist);
// Reads texts of six fields or more; a text that lacks the last three gets both shuffle flags set.
PlaylistPtr PlaylistFromText(std::string_view text);

} // namespace bw::PlaylistFunctions
