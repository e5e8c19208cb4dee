// Starts a program and measures, from just before it is started, the time
// until its first top-level window is mapped: the moment the X server would
// put it on the screen. Prints one line, "PID MILLISECONDS" ("PID timeout",
// "PID exited"), then stays as the program's parent until the program ends or
// this watcher is told to stop (SIGTERM, SIGINT), which it passes on. So a
// script stops the program by stopping the watcher, and nothing is orphaned.
// Meant for a private X server with no window manager, where every top-level
// window is a child of the root window and nobody else maps windows.
#include <poll.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

double NowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

// Ends the program: politely, then after two seconds for good.
int Stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return 0;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return 0;
}

// True when one of the stop signals is pending; takes it.
bool StopAsked(const sigset_t& stops) {
    const timespec now{0, 0};
    return sigtimedwait(&stops, nullptr, &now) > 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: tallyfold-launch-watch PROGRAM [ARGS...]\n");
        return 2;
    }
    const char* limit = std::getenv("LAUNCH_TIMEOUT_MS");
    const double timeoutMs = limit ? std::atof(limit) : 20000.0;
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "tallyfold-launch-watch: cannot open the display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const xcb_void_cookie_t cookie =
        xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask);
    if (xcb_generic_error_t* error = xcb_request_check(x, cookie)) {
        std::fprintf(stderr, "tallyfold-launch-watch: cannot watch the root window\n");
        std::free(error);
        return 1;
    }

    // Stop signals wait until asked for; the program gets them as usual.
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGTERM);
    sigaddset(&stops, SIGINT);
    sigprocmask(SIG_BLOCK, &stops, nullptr);

    const int fd = xcb_get_file_descriptor(x);
    const double start = NowMs();
    const pid_t pid = fork();
    if (pid < 0) return 1;
    if (pid == 0) {
        close(fd);
        sigprocmask(SIG_UNBLOCK, &stops, nullptr);
        execvp(argv[1], argv + 1);
        std::perror(argv[1]);
        _exit(127);
    }

    double mappedMs = -1;
    while (mappedMs < 0) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY && !map->override_redirect &&
                mappedMs < 0)
                mappedMs = NowMs() - start;
            std::free(event);
        }
        if (mappedMs >= 0) break;
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::printf("%d exited\n", int(pid));
            return 1;
        }
        if (StopAsked(stops)) return Stop(pid);
        const double left = timeoutMs - (NowMs() - start);
        if (left <= 0 || xcb_connection_has_error(x)) break;
        // Short waits, so that a program that dies early is noticed.
        pollfd wait{fd, POLLIN, 0};
        poll(&wait, 1, left < 50 ? int(left) + 1 : 50);
    }
    if (mappedMs >= 0)
        std::printf("%d %.1f\n", int(pid), mappedMs);
    else
        std::printf("%d timeout\n", int(pid));
    std::fflush(stdout);
    xcb_disconnect(x);

    for (;;) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return 0;
        if (StopAsked(stops)) return Stop(pid);
        usleep(20000);
    }
}
