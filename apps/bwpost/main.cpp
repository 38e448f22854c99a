// BWPost: completes the suite's per-user installation where there is no suite installer to do it.
// The editor runs it and waits for it when its installation check fails.

#include "environment/BWCommon.h"
#include "environment/SettingsStore.h"

#include <iostream>
#include <string>

int main() {
    std::string failure;
    if (!bw::SettingsStore::CompletePostInstall(bw::BWCommon::ExeFolder(), failure)) {
        std::cerr << "BWPost: " << failure << '\n';
        return 1;
    }
    return 0;
}
