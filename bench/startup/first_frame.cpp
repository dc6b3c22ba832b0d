// Starts a program on the current X display and reports, from X events, how long it took until
// its first top-level window was mapped and until the first pixels were drawn on screen.
//
//   first_frame <program> [args...]
//   prints: <pid> <map ms> <first paint ms>      (the program is left running)
//
// How: before the program starts, this client watches the root window for new top-level windows
// (SubstructureNotify) and holds a DAMAGE object on the root, which reports every drawing on
// the screen, the root's inferiors included. On a bare X server (Xvfb, no window manager)
// nothing else draws, so the first damage after the first map is the program's first frame.
// Times run from just before fork to the moment the event is read; no polling anywhere.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

double now_ms() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1.0e6;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_frame <program> [args...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "first_frame: no X display\n");
        return 2;
    }
    int damage_event = 0;
    int damage_error = 0;
    if (!XDamageQueryExtension(display, &damage_event, &damage_error)) {
        std::fprintf(stderr, "first_frame: the X server has no DAMAGE extension\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    const Damage damage = XDamageCreate(display, root, XDamageReportNonEmpty);
    XSync(display, False);
    // Damage reported before the program starts is not its.
    XEvent event;
    while (XPending(display) > 0) XNextEvent(display, &event);
    XDamageSubtract(display, damage, None, None);
    XSync(display, False);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null_fd = open("/dev/null", O_RDWR);
        dup2(null_fd, 1);
        dup2(null_fd, 2);
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    if (pid < 0) return 2;

    double mapped = -1;
    double painted = -1;
    const int fd = ConnectionNumber(display);
    const double give_up = start + 15000;
    while (painted < 0 && now_ms() < give_up) {
        if (XPending(display) == 0) {
            pollfd wait_for{fd, POLLIN, 0};
            poll(&wait_for, 1, 500);
            if (waitpid(pid, nullptr, WNOHANG) == pid) break; // it ended without a frame
            continue;
        }
        XNextEvent(display, &event);
        const double at = now_ms();
        if (event.type == MapNotify && mapped < 0 && !event.xmap.override_redirect) {
            mapped = at - start;
        } else if (event.type == damage_event + XDamageNotify) {
            XDamageSubtract(display, damage, None, None);
            if (mapped >= 0) painted = at - start;
        }
    }
    std::printf("%d %.1f %.1f\n", static_cast<int>(pid), mapped, painted);
    XCloseDisplay(display);
    return painted >= 0 ? 0 : 1;
}
