#pragma once

#ifndef _WIN32

#include <functional>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bw::test {

// The user as whom tests save where permissions must hold: the superuser passes every check, so a
// test run by the superuser saves as "nobody".
inline uid_t Saver() {
    return geteuid() == 0 ? 65534 : geteuid();
}
inline gid_t SaverGroup() {
    return geteuid() == 0 ? 65534 : getegid();
}

// Starts `work` in a child process as `uid` (the superuser may become anyone); the child's exit
// code is what `work` returns, 125 when it cannot become that user.
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
