// The editor's start-up installation check on its own, for tests that run it from a folder of
// their choosing: exit code 0 when the installation is complete (after BWPost, if needed).
#include "environment/PostInstallLaunch.h"

#include <iostream>

int main() {
    const bool ok = bw::PostInstallLaunch::CheckInstallation(
        [](const std::string& text, const std::string&) { std::cerr << text << '\n'; });
    return ok ? 0 : 1;
}
