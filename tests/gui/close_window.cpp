// Waits for a top-level window with the given title to be mapped, then asks it to close the way
// a window manager's close box does (WM_DELETE_WINDOW). Exit status 0 once the request is sent;
// with --icon, status 3 (after closing) when the window has no icon of its own.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace
{
std::string Title(Display* display, Window window)
{
    Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success && data)
    {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
        return title;
    }
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name)
    {
        title = name;
        XFree(name);
    }
    return title;
}

Window FindMapped(Display* display, Window parent, const std::string& wanted)
{
    Window root, up, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i)
    {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable && Title(display, children[i]) == wanted)
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: close_window TITLE [SECONDS] [--icon]\n");
        return 2;
    }
    const std::string wanted = argv[1];
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 30;
    const bool wantIcon = argc > 3 && std::strcmp(argv[3], "--icon") == 0;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
    {
        std::fprintf(stderr, "close_window: no display\n");
        return 2;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    Window window = 0;
    while (!(window = FindMapped(display, DefaultRootWindow(display), wanted)))
    {
        if (std::chrono::steady_clock::now() > deadline)
        {
            std::fprintf(stderr, "close_window: no window \"%s\" appeared\n", wanted.c_str());
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    bool hasIcon = false;
    {
        Atom type;
        int format;
        unsigned long count, after;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False), 0, 4,
                               False, XA_CARDINAL, &type, &format, &count, &after, &data) ==
                Success &&
            data)
        {
            hasIcon = count > 0;
            XFree(data);
        }
    }
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    XCloseDisplay(display);
    if (wantIcon && !hasIcon)
    {
        std::fprintf(stderr, "close_window: \"%s\" has no icon\n", wanted.c_str());
        return 3;
    }
    return 0;
}
