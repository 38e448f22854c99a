#include "LargeShow.h"

#include "model/InteractiveGroup.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"

#include <random>
#include <string>
#include <vector>

namespace bw::bench {

ShowPtr LargeShow(unsigned seed, int entries) {
    std::mt19937 random(seed);
    auto show = std::make_shared<Show>();
    auto path = [&random](int i) {
        const bool kas = std::uniform_int_distribution<int>(0, 1)(random) == 1;
        return "C:\\Shows\\Sequences\\Yard (front), part " + std::to_string(i) +
               (kas ? ".kas" : ".kms");
    };
    // Five sixths go to the playlists, the rest to groups of ten entries with two files each.
    const int playlistEntries = entries - entries / 6;
    const PlaylistPtr playlists[] = {show->Startup(), show->Shutdown(), show->Main(),
                                     show->Musical(), show->Background()};
    for (int i = 0; i < playlistEntries; ++i)
        playlists[i % 5]->List().push_back(path(i));
    int made = playlistEntries;
    while (made < entries) {
        auto group = std::make_shared<InteractiveGroup>();
        group->SetInterruptible(true);
        group->SetName("Group " + std::to_string(made));
        for (int e = 0; e < 10 && made < entries; ++e) {
            std::vector<std::string> files{path(made++)};
            if (made < entries)
                files.push_back(path(made++));
            group->AddTriggeredSequences(TriggeredSequencesFunctions::NewTriggeredSequences(
                TriggerFunctions::NewTrigger(e % 4, e + 1, made % 512 + 1, "Trigger"), files));
        }
        show->InteractiveGroups()->push_back(group);
    }
    return show;
}

} // namespace bw::bench
