#include "model/PlaylistFunctions.h"

#include "listtext/Error.h"
#include "listtext/ListWriter.h"
#include "listtext/PlainInt.h"
#include "listtext/Serialize.h"

namespace bw::PlaylistFunctions {

using namespace Serialize;

PlaylistPtr NewAnimationPlaylist(int animationType) {
    auto playlist = std::make_shared<Playlist>();
    playlist->SetPlaylistType(Playlist::AnimationPlaylist);
    playlist->SetAnimationType(animationType);
    return playlist;
}

PlaylistPtr NewMusicalPlaylist(int musicalType, int delay) {
    auto playlist = std::make_shared<Playlist>();
    playlist->SetPlaylistType(Playlist::MusicalPlaylist);
    playlist->SetMusicalType(musicalType);
    playlist->SetDelay(delay);
    return playlist;
}

std::string PlaylistToText(const PlaylistPtr& playlist) {
    if (!playlist)
        RaiseObjectNotSet();
    std::string text;
    AppendPlaylistText(text, *playlist);
    return text;
}

void AppendPlaylistText(std::string& out, const Playlist& playlist) {
    ListWriter fields(out);
    fields.Element(PlainIntToText(playlist.AnimationType()));
    fields.Element(PlainIntToText(playlist.MusicalType()));
    fields.Element(PlainIntToText(playlist.PlaylistType()));
    fields.Element(PlainIntToText(playlist.Delay()));
    fields.EscapedElement(playlist.CleanUp());
    // No entries give the empty text, not "()", which would read back as one empty entry.
    std::string& entriesField = fields.Next();
    if (!playlist.List().empty()) {
        ListWriter entries(entriesField);
        for (const std::string& entry : playlist.List())
            entries.EscapedElement(entry);
        entries.Close();
    }
    fields.Element(BoolToText(playlist.LightsOffAtEnd()));
    fields.Element(BoolToText(playlist.ShuffleAllowsBackToBack()));
    fields.Element(BoolToText(playlist.ShuffleWithReplacement()));
    fields.Close();
}

PlaylistPtr PlaylistFromText(std::string_view text) {
    const ElementArray fields = ListFromText(text, 1, 9);
    auto playlist = std::make_shared<Playlist>();
    auto number = [&](int field) { return PlainIntFromText(UnescapeText(fields[field])); };
    // The type goes first, so that only the options of the file's type take effect.
    playlist->SetPlaylistType(number(3));
    playlist->SetAnimationType(number(1));
    playlist->SetMusicalType(number(2));
    playlist->SetDelay(number(4));
    playlist->SetCleanUp(UnescapeText(fields[5]));
    playlist->List() = UnescapedListFromText(fields[6]);
    const int count = fields.Count();
    if (count >= 7)
        playlist->SetLightsOffAtEnd(BoolFromText(fields[7]));
    playlist->SetShuffleAllowsBackToBack(count >= 8 ? BoolFromText(fields[8]) : true);
    playlist->SetShuffleWithReplacement(count >= 9 ? BoolFromText(fields[9]) : true);
    return playlist;
}

} // namespace bw::PlaylistFunctions
