#pragma once

#ifndef _WIN32

#include <functional>
#include <string>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bw::test {

// Who saves where permissions must hold: "nobody" when the tests run as the superuser.
inline uid_t Saver() {
    return geteuid() == 0 ? 65534 : geteuid();
}
inline gid_t SaverGroup() {
    return geteuid() == 0 ? 65534 : getegid();
}
inline int GiveToSaver(const std::string& path) {
    return chown(path.c_str(), Saver(), SaverGroup());
}

// Starts `work` in a child process, as the Saver() unless `asSaver` is false; the child's exit
// code is what `work` returns, 125 when it cannot become the saver.
inline pid_t StartAs(const std::function<int()>& work, bool asSaver = true) {
    const pid_t child = fork();
    if (child != 0)
        return child;
    if (asSaver && Saver() != geteuid() &&
        (setgroups(0, nullptr) != 0 || setgid(SaverGroup()) != 0 || setuid(Saver()) != 0))
        _exit(125);
    _exit(work());
}

// The exit code of a child, or 128 and the signal that ended it.
inline int Wait(pid_t child) {
    int status = 127 << 8; // as a child that exited with 127, when it cannot be waited for
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace bw::test

#endif
