#include "model/Show.h"

#include "model/PlaylistFunctions.h"
#include "showfile/ShowFunctions.h"

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

bool Show::HasSameContents(const std::shared_ptr<Show>& other) const {
    if (!other)
        return false;
    try {
        const std::string mine = ShowFunctions::ShowToText(*this);
        return mine == ShowFunctions::ShowToText(*other);
    } catch (...) {
        return false;
    }
}

} // namespace bw
