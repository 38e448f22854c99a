#pragma once

#include <memory>
#include <string>
#include <vector>

namespace bw {

// One section of a show: sequence file names in play order and how they are played. The setters
// keep the options of the other type at their reset values.
class Playlist {
public:
    static constexpr int AnimationPlaylist = 1;
    static constexpr int MusicalPlaylist = 2;

    Playlist();

    // The sequence file names, handed out for editing in place. Element 0 is the first entry.
    std::vector<std::string>& List() { return list_; }
    const std::vector<std::string>& List() const { return list_; }
    int Count() const { return static_cast<int>(list_.size()); }

    int PlaylistType() const { return playlistType_; }
    void SetPlaylistType(int type);

    // 1 play sequentially, 2 play concurrently; stored only in an animation playlist.
    int AnimationType() const { return animationType_; }
    void SetAnimationType(int value);

    // 1 play in order, 2 shuffle; stored only in a musical playlist.
    int MusicalType() const { return musicalType_; }
    void SetMusicalType(int value);

    const std::string& CleanUp() const { return cleanUp_; }
    void SetCleanUp(std::string value) { cleanUp_ = std::move(value); }

    // Seconds between musical sequences; stored only in a musical playlist.
    int Delay() const { return delay_; }
    void SetDelay(int value);

    bool LightsOffAtEnd() const { return lightsOffAtEnd_; }
    void SetLightsOffAtEnd(bool value) { lightsOffAtEnd_ = value; }

    bool ShuffleAllowsBackToBack() const { return shuffleAllowsBackToBack_; }
    void SetShuffleAllowsBackToBack(bool value) { shuffleAllowsBackToBack_ = value; }

    bool ShuffleWithReplacement() const { return shuffleWithReplacement_; }
    void SetShuffleWithReplacement(bool value) { shuffleWithReplacement_ = value; }

    // Every field, the file names in order.
    bool operator==(const Playlist&) const = default;

private:
    std::vector<std::string> list_;
    int playlistType_ = 0;
    int animationType_ = 0;
    int musicalType_ = 0;
    std::string cleanUp_;
    int delay_ = 0;
    bool lightsOffAtEnd_ = false;
    bool shuffleAllowsBackToBack_ = false;
    bool shuffleWithReplacement_ = false;
};

using PlaylistPtr = std::shared_ptr<Playlist>;

} // namespace bw
