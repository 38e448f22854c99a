#pragma once

#ifndef _WIN32

#include <functional>

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bw::test {

// The user that tests run saves as where permissions must bite: the superuser is let through
// everywhere, so a test run as the superuser saves as "nobody" instead.
inline uid_t Saver() {
    return geteuid() == 0 ? 65534 : geteuid();
}
inline gid_t SaverGroup() {
    return geteuid() == 0 ? 65534 : getegid();
}

// Starts `work` in a child process as the user `uid` (when that is not the user already, which
// takes the superuser); the child's exit code is what `work` returns, 125 when the child cannot
// become that user. The child's pid, for a test that kills it.
inline pid_t StartAs(uid_t uid, gid_t gid, const std::function<int()>& work) {
    const pid_t child = fork();
    if (child != 0)
        return child;
    if (uid != geteuid() && (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0))
        _exit(125);
    _exit(work());
}

// The exit code of a child, or 128 and the signal that ended it.
inline int Wait(pid_t child) {
    int status = 0;
    if (waitpid(child, &status, 0) != child)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

inline int RunAs(uid_t uid, gid_t gid, const std::function<int()>& work) {
    return Wait(StartAs(uid, gid, work));
}

} // namespace bw::test

#endif
