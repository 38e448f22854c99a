#include "environment/ProcessIdentity.h"

#ifdef _WIN32
#include <windows.h>
#else
#include "environment/WholeFile.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>
#endif

namespace bw::ProcessIdentity {

#ifdef _WIN32

std::optional<Identity> Of(std::int64_t pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr)
        return std::nullopt;
    FILETIME created{}, exited{}, kernel{}, user{};
    DWORD exitCode = 0;
    // A process that has ended can still be opened while someone holds a handle to it.
    const bool running = GetExitCodeProcess(process, &exitCode) && exitCode == STILL_ACTIVE;
    const bool timed = GetProcessTimes(process, &created, &exited, &kernel, &user);
    CloseHandle(process);
    if (!running)
        return std::nullopt;
    Identity identity{pid, {}};
    if (timed)
        identity.started = std::to_string(
            (static_cast<std::uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime);
    return identity;
}

Identity Current() {
    const auto pid = static_cast<std::int64_t>(GetCurrentProcessId());
    return Of(pid).value_or(Identity{pid, {}});
}

#else

namespace {

std::string FirstLine(const std::string& path) {
    std::string text;
    if (!WholeFile::Read(path, text))
        return {};
    return text.substr(0, text.find('\n'));
}

// What /proc/<pid>/stat tells of a process that has not ended: its start time in clock ticks
// since boot (field 22); empty for a process that has ended and waits to be reaped (state Z or X
// in field 3), or one that cannot be read. The program name in field 2 may hold blanks and
// parentheses, so counting starts after its last ")".
std::optional<std::string> StartTicksIfAlive(std::int64_t pid) {
    const std::string stat = FirstLine("/proc/" + std::to_string(pid) + "/stat");
    std::size_t at = stat.rfind(')');
    if (at == std::string::npos)
        return std::string{};
    if (at + 2 < stat.size() && (stat[at + 2] == 'Z' || stat[at + 2] == 'X'))
        return std::nullopt;
    // Fields 3 to 21 lie between the name and the start time.
    for (int field = 3; field <= 22; ++field) {
        at = stat.find(' ', at);
        if (at == std::string::npos)
            return std::string{};
        ++at;
    }
    const std::string ticks = stat.substr(at, stat.find(' ', at) - at);
    return ticks.find_first_not_of("0123456789") == std::string::npos ? ticks : std::string{};
}

bool IdInUse(std::int64_t pid) {
    return pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

} // namespace

std::optional<Identity> Of(std::int64_t pid) {
    if (!IdInUse(pid))
        return std::nullopt;
    // A killed editor whose parent has not collected it yet runs no more.
    const std::optional<std::string> alive = StartTicksIfAlive(pid);
    if (!alive)
        return std::nullopt;
    const std::string& ticks = *alive;
    if (ticks.empty())
        return Identity{pid, {}};
    // Ticks count from the boot; the boot's own id keeps a process of an earlier boot apart.
    static const std::string boot = FirstLine("/proc/sys/kernel/random/boot_id");
    return Identity{pid, boot + "." + ticks};
}

Identity Current() {
    const auto pid = static_cast<std::int64_t>(getpid());
    return Of(pid).value_or(Identity{pid, {}});
}

#endif

bool IsRunning(const Identity& identity) {
    const std::optional<Identity> now = Of(identity.pid);
    return now && now->started == identity.started;
}

} // namespace bw::ProcessIdentity
