#include "model/Show.h"

#include "model/PlaylistFunctions.h"
#include "model/PointeeEqual.h"

#include <algorithm>

namespace bw {

Show::Show()
    : interactiveGroups_(std::make_shared<GroupCollection>()),
      monitoring_(std::make_shared<MonitoredShowEvent>()) {
    using namespace PlaylistFunctions;
    startup_ = NewMusicalPlaylist(1, 0);
    shutdown_ = NewMusicalPlaylist(1, 0);
    main_ = NewAnimationPlaylist(1);
    musical_ = NewMusicalPlaylist(1, 0);
    background_ = NewAnimationPlaylist(2);
}

void Show::SetMonitoring(std::shared_ptr<MonitoredShowEvent> value) {
    monitoring_ = value ? std::move(value) : std::make_shared<MonitoredShowEvent>();
}

bool Show::operator==(const Show& other) const {
    const auto sameGroups = [](const GroupCollectionPtr& left, const GroupCollectionPtr& right) {
        return left == right || (left && right &&
                                 std::equal(left->begin(), left->end(), right->begin(),
                                            right->end(), PointeeEqual<InteractiveGroup>));
    };
    return PointeeEqual(startup_, other.startup_) && PointeeEqual(shutdown_, other.shutdown_) &&
           PointeeEqual(main_, other.main_) && PointeeEqual(musical_, other.musical_) &&
           PointeeEqual(background_, other.background_) &&
           sameGroups(interactiveGroups_, other.interactiveGroups_) &&
           startupType_ == other.startupType_ &&
           PointeeEqual(startupTrigger_, other.startupTrigger_) &&
           preloadSequences_ == other.preloadSequences_ &&
           monitoring_->MemberwiseEquals(other.monitoring_);
}

} // namespace bw
