// Start-up time from outside: starts a program, watches the X server for its window being
// mapped, ends the program, eight times each for the editor, a bare Qt window program and a
// window with one laid-out button, taking turns; prints the medians and their ratios to the bare
// window. Needs an X display (measure-startup starts Xvfb).
//
// Usage: bwshow_startup_bench EDITOR BARE_WINDOW LAID_OUT_WINDOW [RUNS]

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds from starting `program` to the first top-level window being mapped; -1 when it
// could not be started or ended before mapping a window.
double MillisecondsToWindow(xcb_connection_t* connection, const char* program) {
    char* const arguments[] = {const_cast<char*>(program), nullptr};
    const Clock::time_point start = Clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, program, nullptr, nullptr, arguments, environ) != 0)
        return -1;
    double elapsed = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                            !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
        std::free(event);
        if (mapped) {
            elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s EDITOR BARE_WINDOW LAID_OUT_WINDOW [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 4 ? std::atoi(argv[4]) : 8;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    // Every window mapped as a child of the root window is reported.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    constexpr int Programs = 3;
    std::array<std::vector<double>, Programs> times;
    // Taking turns, so that all see the same load; one run of each first warms the caches.
    for (int run = -1; run < runs; ++run) {
        for (int program = 0; program < Programs; ++program) {
            const double time = MillisecondsToWindow(connection, argv[1 + program]);
            if (time < 0) {
                std::fprintf(stderr, "%s ended without showing a window\n", argv[1 + program]);
                return 1;
            }
            if (run >= 0)
                times[program].push_back(time);
        }
    }
    const double editor = Median(times[0]);
    const double bare = Median(times[1]);
    const double laidOut = Median(times[2]);
    std::printf("start to window mapped, median of %d: editor %.1f ms, bare QWidget window %.1f "
                "ms, ratio %.2f\n",
                runs, editor, bare, editor / bare);
    std::printf("window with one laid-out button %.1f ms, ratio %.2f to the bare window; editor "
                "to it %.2f\n",
                laidOut, laidOut / bare, editor / laidOut);
    xcb_disconnect(connection);
    return 0;
}
