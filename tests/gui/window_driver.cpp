// Drives the real program's windows from outside, as a user would, for the whole-program tests.
//   window_driver [timeout=SECONDS] STEP...
// Each step names windows by a title pattern (fnmatch, alternatives separated by '|') and waits
// up to the timeout for a mapped top-level window that matches:
//   wait=PATTERN         only waits for it
//   close=PATTERN        asks it to close, as a window manager's close box does
//   dismiss=PATTERN      closes it if it appears within three seconds (a message that may come)
//   keys=PATTERN:K,K...  focuses it and types key combinations such as alt+s or Escape
//   repeat=PATTERN:K:N:MS  focuses it once, then types K N times, one every MS milliseconds
//   type=K,K...          types into whatever has the keyboard now (an open menu, say)
//   rightclick=PATTERN:FX,FY  right-clicks at that fraction of its width and height
//   clipboard=FILE       writes the clipboard's text to FILE (fails, status 3, if there is none)
//   icon=PATTERN         fails (status 3) unless it has an icon of its own
//   noicon=PATTERN       fails (status 3) if it has one
// Status 1 when a window never appeared, 2 for bad usage.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fnmatch.h>

#include "window_title.h"

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace
{
Display* s_display = nullptr;
int s_timeoutSeconds = 30;

void Pause(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        parts.push_back(part);
    return parts;
}

bool Matches(const std::string& title, const std::string& pattern)
{
    for (const std::string& alternative : Split(pattern, '|'))
        if (fnmatch(alternative.c_str(), title.c_str(), 0) == 0)
            return true;
    return false;
}

Window FindMapped(const std::string& pattern)
{
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(s_display, DefaultRootWindow(s_display), &root, &parent, &children, &count))
        return 0;
    Window found = 0;
    // Last first: the most recently mapped window is on top.
    for (unsigned int i = count; i-- > 0 && !found;)
    {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(s_display, children[i], &attributes) &&
            attributes.map_state == IsViewable && Matches(WindowTitle(s_display, children[i]), pattern))
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}

Window WaitFor(const std::string& pattern, int seconds, bool required = true)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < deadline)
    {
        if (Window window = FindMapped(pattern))
            return window;
        Pause(10);
    }
    if (!required)
        return 0;
    std::fprintf(stderr, "window_driver: no window \"%s\" appeared\n", pattern.c_str());
    std::exit(1);
}

Window WaitFor(const std::string& pattern)
{
    return WaitFor(pattern, s_timeoutSeconds);
}

void Close(Window window)
{
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(s_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(s_display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(s_display, window, False, NoEventMask, &event);
    XFlush(s_display);
}

void Focus(Window window)
{
    XRaiseWindow(s_display, window);
    XSetInputFocus(s_display, window, RevertToParent, CurrentTime);
    XFlush(s_display);
    Pause(300); // let the toolkit take the focus
}

void TypeCombination(const std::string& combination)
{
    std::vector<KeyCode> codes;
    for (const std::string& name : Split(combination, '+'))
    {
        const std::string keysym = name == "alt"     ? "Alt_L"
                                   : name == "ctrl"  ? "Control_L"
                                   : name == "shift" ? "Shift_L"
                                                     : name;
        const KeySym sym = XStringToKeysym(keysym.c_str());
        if (sym == NoSymbol)
        {
            std::fprintf(stderr, "window_driver: unknown key \"%s\"\n", name.c_str());
            std::exit(2);
        }
        codes.push_back(XKeysymToKeycode(s_display, sym));
    }
    for (KeyCode code : codes)
        XTestFakeKeyEvent(s_display, code, True, CurrentTime);
    for (auto it = codes.rbegin(); it != codes.rend(); ++it)
        XTestFakeKeyEvent(s_display, *it, False, CurrentTime);
    XFlush(s_display);
}

void TypeCombinations(const std::string& keys)
{
    for (const std::string& combination : Split(keys, ','))
    {
        TypeCombination(combination);
        Pause(400); // a button ignores a second activation within 250 ms
    }
}

void TypeKeys(Window window, const std::string& keys)
{
    Focus(window);
    TypeCombinations(keys);
}

/// Types one combination at a steady rate, without taking the focus again each time.
void Repeat(Window window, const std::string& combination, int count, int milliseconds)
{
    Focus(window);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 1; i <= count; ++i)
    {
        TypeCombination(combination);
        std::this_thread::sleep_until(start + std::chrono::milliseconds(milliseconds) * i);
    }
}

void RightClick(Window window, double fx, double fy)
{
    XWindowAttributes attributes;
    XGetWindowAttributes(s_display, window, &attributes);
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(s_display, window, DefaultRootWindow(s_display),
                          static_cast<int>(attributes.width * fx),
                          static_cast<int>(attributes.height * fy), &x, &y, &child);
    XTestFakeMotionEvent(s_display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(s_display, 3, True, CurrentTime);
    XTestFakeButtonEvent(s_display, 3, False, CurrentTime);
    XFlush(s_display);
    Pause(400);
}

/// Asks the clipboard's owner for its text and writes it to `path`.
bool SaveClipboard(const std::string& path)
{
    const Window own = XCreateSimpleWindow(s_display, DefaultRootWindow(s_display), 0, 0, 1, 1, 0, 0, 0);
    const Atom property = XInternAtom(s_display, "WINDOW_DRIVER_CLIPBOARD", False);
    XConvertSelection(s_display, XInternAtom(s_display, "CLIPBOARD", False),
                      XInternAtom(s_display, "UTF8_STRING", False), property, own, CurrentTime);
    XFlush(s_display);
    bool saved = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(s_timeoutSeconds);
    XEvent event;
    while (std::chrono::steady_clock::now() < deadline)
    {
        if (!XCheckTypedWindowEvent(s_display, own, SelectionNotify, &event))
        {
            Pause(10);
            continue;
        }
        Atom type;
        int format;
        unsigned long count, after;
        unsigned char* data = nullptr;
        if (event.xselection.property != None &&
            XGetWindowProperty(s_display, own, property, 0, LONG_MAX / 4, True, AnyPropertyType,
                               &type, &format, &count, &after, &data) == Success && data)
        {
            if (FILE* out = std::fopen(path.c_str(), "wb"))
            {
                saved = std::fwrite(data, 1, count, out) == count;
                std::fclose(out);
            }
            XFree(data);
        }
        break;
    }
    XDestroyWindow(s_display, own);
    return saved;
}

bool HasIcon(Window window)
{
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    bool has = false;
    if (XGetWindowProperty(s_display, window, XInternAtom(s_display, "_NET_WM_ICON", False), 0, 4,
                           False, XA_CARDINAL, &type, &format, &count, &after, &data) == Success &&
        data)
    {
        has = count > 0;
        XFree(data);
    }
    return has;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: window_driver [timeout=SECONDS] STEP...\n");
        return 2;
    }
    s_display = XOpenDisplay(nullptr);
    if (!s_display)
    {
        std::fprintf(stderr, "window_driver: no display\n");
        return 2;
    }
    // A window can vanish between listing it and reading its title; that is no reason to stop.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    int status = 0;
    for (int i = 1; i < argc; ++i)
    {
        const std::string step = argv[i];
        const std::size_t equals = step.find('=');
        const std::string verb = step.substr(0, equals);
        const std::string what = equals == std::string::npos ? "" : step.substr(equals + 1);
        if (verb == "timeout")
            s_timeoutSeconds = std::atoi(what.c_str());
        else if (verb == "wait")
            WaitFor(what);
        else if (verb == "close")
            Close(WaitFor(what));
        else if (verb == "dismiss")
        {
            if (Window window = WaitFor(what, 3, false))
            {
                Close(window);
                Pause(300);
            }
        }
        else if (verb == "keys")
        {
            const std::size_t colon = what.rfind(':');
            TypeKeys(WaitFor(what.substr(0, colon)), what.substr(colon + 1));
        }
        else if (verb == "repeat")
        {
            const std::vector<std::string> parts = Split(what, ':');
            if (parts.size() != 4)
                return 2;
            Repeat(WaitFor(parts[0]), parts[1], std::atoi(parts[2].c_str()),
                   std::atoi(parts[3].c_str()));
        }
        else if (verb == "type")
            TypeCombinations(what);
        else if (verb == "rightclick")
        {
            const std::size_t colon = what.rfind(':');
            const std::vector<std::string> at = Split(what.substr(colon + 1), ',');
            if (at.size() != 2)
                return 2;
            RightClick(WaitFor(what.substr(0, colon)), std::atof(at[0].c_str()), std::atof(at[1].c_str()));
        }
        else if (verb == "clipboard")
        {
            if (!SaveClipboard(what))
            {
                std::fprintf(stderr, "window_driver: no text on the clipboard\n");
                status = 3;
            }
        }
        else if (verb == "icon" || verb == "noicon")
        {
            if (HasIcon(WaitFor(what)) != (verb == "icon"))
            {
                std::fprintf(stderr, "window_driver: \"%s\" %s an icon\n", what.c_str(),
                             verb == "icon" ? "has no" : "has");
                status = 3;
            }
        }
        else
        {
            std::fprintf(stderr, "window_driver: unknown step \"%s\"\n", step.c_str());
            return 2;
        }
    }
    XCloseDisplay(s_display);
    return status;
}
