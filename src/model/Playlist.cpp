#include "model/Playlist.h"

namespace bw {

Playlist::Playlist() {
    SetPlaylistType(AnimationPlaylist);
    SetAnimationType(1);
    SetLightsOffAtEnd(true);
}

void Playlist::SetPlaylistType(int type) {
    if (type == playlistType_)
        return;
    playlistType_ = type;
    if (type == AnimationPlaylist) {
        animationType_ = 1;
        musicalType_ = 0;
        delay_ = 0;
    } else if (type == MusicalPlaylist) {
        // The delay survives a change to musical, so that switching back and forth keeps it at 0.
        animationType_ = 0;
        musicalType_ = 1;
    }
}

void Playlist::SetAnimationType(int value) {
    if (playlistType_ == AnimationPlaylist)
        animationType_ = value;
}

void Playlist::SetMusicalType(int value) {
    if (playlistType_ == MusicalPlaylist)
        musicalType_ = value;
}

void Playlist::SetDelay(int value) {
    if (playlistType_ == MusicalPlaylist)
        delay_ = value;
}

} // namespace bw
