#include "ShowGenerator.h"

#include "model/InteractiveGroup.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"

#include <vector>

namespace bw::test {

std::string ShowGenerator::RandomName(int maxLength) {
    // Pieces rather than bytes, so that multi-byte characters stay whole.
    // clang-format off
    static const char* const pieces[] = {"a", "Z", "7", " ", "*", "(", ")", ",", "\\", ".", "-", "_",
                                         "*E", "*S", "\xc3\xa9", "\xc3\xbc", "\xe2\x82\xac", "\xc3\x9f",
                                         "kas", "kms", "Seq"};
    // clang-format on
    const int length = Between(0, maxLength);
    std::string name;
    for (int i = 0; i < length; ++i)
        name += pieces[Between(0, static_cast<int>(std::size(pieces)) - 1)];
    return name;
}

TriggerPtr ShowGenerator::RandomTrigger() {
    return TriggerFunctions::NewTrigger(Between(-2, 9), Between(0, 300), Between(-1, 600),
                                        RandomName(12));
}

ShowPtr ShowGenerator::RandomShow(int maxEntriesPerList, int maxGroups) {
    auto show = std::make_shared<Show>();
    for (const PlaylistPtr& playlist :
         {show->Startup(), show->Shutdown(), show->Main(), show->Musical(), show->Background()}) {
        const int entries = Between(0, maxEntriesPerList);
        for (int i = 0; i < entries; ++i)
            playlist->List().push_back(RandomName());
        playlist->SetCleanUp(Coin() ? RandomName() : std::string());
        playlist->SetAnimationType(Between(1, 2));
        playlist->SetMusicalType(Between(1, 2));
        playlist->SetDelay(Between(-5, 100000));
        playlist->SetLightsOffAtEnd(Coin());
        playlist->SetShuffleAllowsBackToBack(Coin());
        playlist->SetShuffleWithReplacement(Coin());
    }
    const int groups = Between(0, maxGroups);
    for (int g = 0; g < groups; ++g) {
        auto group = std::make_shared<InteractiveGroup>();
        // Only the three named types: the fourth does not carry its description through a text.
        const int type = Between(0, 2);
        group->SetIndependent(type == 2);
        group->SetInterruptible(type >= 1);
        group->SetMusicalAllowed(Coin());
        group->SetName(RandomName());
        group->SetDescription(RandomName(40));
        group->SetLightsOffAtEnd(Coin());
        const int entries = Between(1, 4);
        for (int e = 0; e < entries; ++e) {
            std::vector<std::string> files(static_cast<size_t>(Between(1, 3)));
            for (std::string& file : files)
                file = RandomName();
            group->AddTriggeredSequences(
                TriggeredSequencesFunctions::NewTriggeredSequences(RandomTrigger(), files));
        }
        show->InteractiveGroups()->push_back(group);
    }
    show->SetStartupType(Between(-1, 3));
    if (Coin())
        show->SetStartupTrigger(RandomTrigger());
    show->SetPreloadSequences(Coin());
    return show;
}

} // namespace bw::test
