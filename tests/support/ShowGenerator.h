#pragma once

#include "model/Show.h"

#include <random>
#include <string>

namespace bw::test {

// Builds random shows that keep the model's invariants: every group has entries, every entry a
// trigger and at least one file. Names mix the list format's special characters, blanks and
// characters beyond ASCII that the ANSI code page can hold.
class ShowGenerator {
public:
    explicit ShowGenerator(unsigned seed) : random_(seed) {}

    ShowPtr RandomShow(int maxEntriesPerList = 6, int maxGroups = 4);

    std::string RandomName(int maxLength = 24);

private:
    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    bool Coin() { return Between(0, 1) == 1; }
    TriggerPtr RandomTrigger();

    std::mt19937 random_;
};

} // namespace bw::test
