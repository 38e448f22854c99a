#pragma once

#include <cstdint>
#include <optional>
#include <string>

// A running program told apart from every other, also from a later one that the system gives the
// same process id: the id together with when the process started.
namespace bw::ProcessIdentity {

struct Identity {
    std::int64_t pid = 0;
    // Differs between two processes with the same id: the boot and the start time on Linux, the
    // creation time on Windows. Letters, digits, "-" and "." only; empty where the system does
    // not tell.
    std::string started;

    bool operator==(const Identity&) const = default;
};

Identity Current();

// The identity of the running process with that id; none when there is no such process.
std::optional<Identity> Of(std::int64_t pid);

// Whether that very process still runs: its id is in use, by a process that started when it did.
bool IsRunning(const Identity& identity);

} // namespace bw::ProcessIdentity
