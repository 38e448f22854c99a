#pragma once

#include "model/Show.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"

#include <random>
#include <string>
#include <vector>

namespace bw::test {

// Builds random shows that keep the model's invariants: every group has entries, every entry a
// trigger and at least one file. Names mix the list format's special characters, blanks and
// characters beyond ASCII that the ANSI code page can hold.
class ShowGenerator {
public:
    explicit ShowGenerator(unsigned seed) : random_(seed) {}

    ShowPtr RandomShow() {
        auto show = std::make_shared<Show>();
        for (const PlaylistPtr& playlist : {show->Startup(), show->Shutdown(), show->Main(),
                                            show->Musical(), show->Background()}) {
            for (int i = Between(0, 6); i > 0; --i)
                playlist->List().push_back(RandomName());
            playlist->SetCleanUp(Coin() ? RandomName() : std::string());
            playlist->SetAnimationType(Between(1, 2));
            playlist->SetMusicalType(Between(1, 2));
            playlist->SetDelay(Between(-5, 100000));
            playlist->SetLightsOffAtEnd(Coin());
            playlist->SetShuffleAllowsBackToBack(Coin());
            playlist->SetShuffleWithReplacement(Coin());
        }
        for (int g = Between(0, 4); g > 0; --g) {
            auto group = std::make_shared<InteractiveGroup>();
            // Only the three named types: the fourth does not carry its description through a text.
            const int type = Between(0, 2);
            group->SetIndependent(type == 2);
            group->SetInterruptible(type >= 1);
            group->SetMusicalAllowed(Coin());
            group->SetName(RandomName());
            group->SetDescription(RandomName(40));
            group->SetLightsOffAtEnd(Coin());
            for (int e = Between(1, 4); e > 0; --e) {
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

private:
    std::string RandomName(int maxLength = 24) {
        // Pieces rather than bytes, so that multi-byte characters stay whole.
        // clang-format off
        static const char* const pieces[] = {"a", "Z", "7", " ", "*", "(", ")", ",", "\\", ".", "-", "_",
                                             "*E", "*S", "\xc3\xa9", "\xc3\xbc", "\xe2\x82\xac", "\xc3\x9f",
                                             "kas", "kms", "Seq"};
        // clang-format on
        std::string name;
        for (int i = Between(0, maxLength); i > 0; --i)
            name += pieces[Between(0, static_cast<int>(std::size(pieces)) - 1)];
        return name;
    }
    TriggerPtr RandomTrigger() {
        return TriggerFunctions::NewTrigger(Between(-2, 9), Between(0, 300), Between(-1, 600),
                                            RandomName(12));
    }
    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    bool Coin() { return Between(0, 1) == 1; }

    std::mt19937 random_;
};

} // namespace bw::test
