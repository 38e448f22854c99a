// The editor's start-up installation check on its own, for tests that run it from a folder of
// their choosing: exit code 0 when the installation is complete (after BWPost, if needed).
#include "environment/PostInstallLaunch.h"

#include <iostream>

#include <sys/resource.h>

int main() {
    // A check that never ends fails the test instead of holding it up; BWPost inherits the limit.
    const rlimit seconds{10, 10};
    setrlimit(RLIMIT_CPU, &seconds);
    const bool ok = bw::PostInstallLaunch::CheckInstallation(
        [](const std::string& text, const std::string&) { std::cerr << text << '\n'; });
    return ok ? 0 : 1;
}
