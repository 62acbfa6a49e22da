// Starts a program under X and times, from the X server's own notices, how
// long it takes until its first window is mapped, and how long from a key sent
// to that window until another window is mapped; then ends it with a key.
//
// Usage: startup_probe FIRST-KEY QUIT-KEY PROGRAM [ARGUMENTS...]
// Keys are X key names, optionally with "alt+" before them ("space", "alt+e").
// Prints: "<ms to first window> <ms from key to next window>".

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Waits for a top-level window other than `other` to be mapped; 0 on timeout.
Window waitForMappedWindow(Display* display, Window other, double timeoutMs)
{
    const Clock::time_point start = Clock::now();
    const int fd = ConnectionNumber(display);
    while (msSince(start) < timeoutMs) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display)
                && event.xmap.window != other && !event.xmap.override_redirect)
                return event.xmap.window;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait{0, 20000};
        select(fd + 1, &readable, nullptr, nullptr, &wait);
    }
    return 0;
}

void sendKey(Display* display, Window window, const std::string& name)
{
    unsigned int state = 0;
    std::string key = name;
    if (key.rfind("alt+", 0) == 0) {
        state = Mod1Mask;
        key = key.substr(4);
    }
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XKeyEvent event{};
    event.display = display;
    event.window = window;
    event.root = DefaultRootWindow(display);
    event.subwindow = None;
    event.time = CurrentTime;
    event.x = event.y = event.x_root = event.y_root = 1;
    event.same_screen = True;
    event.state = state;
    event.keycode = XKeysymToKeycode(display, XStringToKeysym(key.c_str()));
    event.type = KeyPress;
    XSendEvent(display, window, True, KeyPressMask, reinterpret_cast<XEvent*>(&event));
    event.type = KeyRelease;
    XSendEvent(display, window, True, KeyReleaseMask, reinterpret_cast<XEvent*>(&event));
    XFlush(display);
}

bool waitForExit(pid_t child, double timeoutMs)
{
    const Clock::time_point start = Clock::now();
    while (msSince(start) < timeoutMs) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            return true;
        usleep(10000);
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s FIRST-KEY QUIT-KEY PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point started = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    const Window first = waitForMappedWindow(display, 0, 20000);
    const double toFirst = msSince(started);
    if (!first) {
        kill(child, SIGKILL);
        std::fprintf(stderr, "no window came on screen\n");
        return 1;
    }

    const Clock::time_point keyed = Clock::now();
    sendKey(display, first, argv[1]);
    const Window next = waitForMappedWindow(display, first, 20000);
    const double toNext = msSince(keyed);
    if (!next) {
        kill(child, SIGKILL);
        std::fprintf(stderr, "no second window came on screen\n");
        return 1;
    }

    sendKey(display, next, argv[2]);
    if (!waitForExit(child, 10000)) {
        kill(child, SIGTERM);
        waitForExit(child, 5000);
    }
    std::printf("%.2f %.2f\n", toFirst, toNext);
    XCloseDisplay(display);
    return 0;
}
