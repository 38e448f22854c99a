#pragma once

#include "model/InteractiveGroup.h"
#include "model/Playlist.h"
#include "model/Trigger.h"
#include "schedule/MonitoredShowEvent.h"

#include <memory>
#include <vector>

namespace bw {

// The interactive groups of a show in display order. After a show has been read it holds no
// empty entries.
using GroupCollection = std::vector<InteractiveGroupPtr>;
using GroupCollectionPtr = std::shared_ptr<GroupCollection>;

// The document the editor edits: five playlists, the interactive groups and the show options.
// Everything is held by reference; getters hand out the show's own objects for editing in place.
class Show {
public:
    static constexpr int StartsImmediately = 0;
    static constexpr int StartsOnTrigger = 1;
    static constexpr int BackgroundImmediatelyRestOnTrigger = 2;

    Show();

    const PlaylistPtr& Startup() const { return startup_; }
    void SetStartup(PlaylistPtr value) { startup_ = std::move(value); }
    const PlaylistPtr& Shutdown() const { return shutdown_; }
    void SetShutdown(PlaylistPtr value) { shutdown_ = std::move(value); }
    // The Animation section.
    const PlaylistPtr& Main() const { return main_; }
    void SetMain(PlaylistPtr value) { main_ = std::move(value); }
    const PlaylistPtr& Musical() const { return musical_; }
    void SetMusical(PlaylistPtr value) { musical_ = std::move(value); }
    const PlaylistPtr& Background() const { return background_; }
    void SetBackground(PlaylistPtr value) { background_ = std::move(value); }

    const GroupCollectionPtr& InteractiveGroups() const { return interactiveGroups_; }
    void SetInteractiveGroups(GroupCollectionPtr value) { interactiveGroups_ = std::move(value); }

    int StartupType() const { return startupType_; }
    void SetStartupType(int value) { startupType_ = value; }
    const TriggerPtr& StartupTrigger() const { return startupTrigger_; }
    void SetStartupTrigger(TriggerPtr value) { startupTrigger_ = std::move(value); }
    bool PreloadSequences() const { return preloadSequences_; }
    void SetPreloadSequences(bool value) { preloadSequences_ = value; }

    // Never empty: setting no event stores a fresh default one.
    const std::shared_ptr<MonitoredShowEvent>& Monitoring() const { return monitoring_; }
    void SetMonitoring(std::shared_ptr<MonitoredShowEvent> value);

    // Every part compared by content: playlists, groups, options, startup trigger and the
    // monitoring record.
    bool operator==(const Show& other) const;

private:
    PlaylistPtr startup_;
    PlaylistPtr shutdown_;
    PlaylistPtr main_;
    PlaylistPtr musical_;
    PlaylistPtr background_;
    GroupCollectionPtr interactiveGroups_;
    int startupType_ = StartsImmediately;
    TriggerPtr startupTrigger_;
    bool preloadSequences_ = false;
    std::shared_ptr<MonitoredShowEvent> monitoring_;
};

using ShowPtr = std::shared_ptr<Show>;

} // namespace bw
