// Starts a program and prints how long it took until a top-level window with the given title was
// mapped, told by the X server's MapNotify event (no polling), then the program's pid. The
// program goes on running.
//   launch_timer TITLE PROGRAM [ARGS...]   prints "MILLISECONDS PID"
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "window_title.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        std::fprintf(stderr, "usage: launch_timer TITLE PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto begin = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0)
    {
        // The program's output goes to the standard error, so whoever reads ours sees our line
        // and its end without waiting for the program to end.
        dup2(2, 1);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    for (;;)
    {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && WindowTitle(display, event.xmap.window) == argv[1])
            break;
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    std::printf("%.1f %d\n", ms, static_cast<int>(pid));
    XCloseDisplay(display);
    return 0;
}
