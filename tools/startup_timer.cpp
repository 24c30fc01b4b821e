// Times a program's start-up from outside: starts it, waits for the X
// server to map a top-level window that the program's own process owns,
// prints the milliseconds from just before exec to the MapNotify, and
// ends the program. The program is not changed in any way.
//   velmora_startup_timer PROGRAM [ARGUMENTS...]

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTimeout = std::chrono::seconds(20);

// The _NET_WM_PID of a window, which Qt sets before it maps the window.
std::optional<long> WindowPid(Display* display, Window window) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::optional<long> pid;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &items, &after, &data) == Success &&
        type == XA_CARDINAL && format == 32 && items == 1) {
        pid = *reinterpret_cast<long*>(data);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return pid;
}

// Waits for the next event up to the deadline; false when it passed.
bool NextEvent(Display* display, XEvent* event, Clock::time_point deadline) {
    while (XPending(display) == 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        (void)poll(&fd, 1, static_cast<int>(left.count()));
    }
    XNextEvent(display, event);
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fputs("usage: velmora_startup_timer PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }
    // A virtual X server busy taking down the last run's connections now
    // and then turns a new one away; the clock has not started yet.
    Display* display = XOpenDisplay(nullptr);
    for (int attempt = 0; display == nullptr && attempt < 50; ++attempt) {
        (void)poll(nullptr, 0, 20);
        display = XOpenDisplay(nullptr);
    }
    if (display == nullptr) {
        std::fputs("velmora_startup_timer: cannot open the display\n", stderr);
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("velmora_startup_timer: exec");
        _exit(127);
    }
    if (child < 0) {
        std::perror("velmora_startup_timer: fork");
        return 2;
    }

    std::optional<double> elapsedMs;
    XEvent event;
    while (!elapsedMs && NextEvent(display, &event, start + kTimeout)) {
        if (event.type != MapNotify || event.xmap.override_redirect) {
            continue;
        }
        const Clock::time_point mapped = Clock::now();
        if (WindowPid(display, event.xmap.window) == static_cast<long>(child)) {
            elapsedMs = std::chrono::duration<double, std::milli>(mapped - start).count();
        }
    }
    kill(child, SIGTERM);
    int status = 0;
    (void)waitpid(child, &status, 0);
    XCloseDisplay(display);
    if (!elapsedMs) {
        std::fputs("velmora_startup_timer: no window was mapped\n", stderr);
        return 1;
    }
    std::printf("%.3f\n", *elapsedMs);
    return 0;
}
