// Drives the real program's windows from outside, as a user would, for the whole-program tests.
//   window_driver [timeout=SECONDS] STEP...
// Each step names windows by a title pattern (fnmatch, alternatives separated by '|') and waits,
// up to the timeout, for the state it needs; a step whose state never comes fails loudly. After
// each input the driver pings the program (_NET_WM_PING) until its answers show it has handled
// everything sent before (see Settle). The timeout only bounds
// a hang; no step waits for a fixed time.
//   wait=PATTERN         waits until a top-level window that matches is mapped
//   gone=PATTERN         waits until no such window is mapped (a box its own button closes)
//   close=PATTERN        waits for it, asks it to close as a window manager's close box does, and
//                        waits until it is gone
//   kill=PATTERN         waits for it, ends the program that owns it (its _NET_WM_PID) at once with
//                        SIGKILL, as a crash or a power cut would, and waits until it is gone
//   term=PATTERN         the same with SIGTERM, as a logout or a shutdown ends it
//   keys=PATTERN:K,K...  waits for it, gives it the input focus and types key combinations such as
//                        alt+s or Escape, each once the program has handled the one before; fails
//                        (status 4) if another window holds the focus before a combination
//   press=PATTERN:K      the same for one combination, whose keys go down and stay down
//   release=K            lets the keys of a combination come up, the last one first
//   repeat=PATTERN:K:N:MS  focuses it once, then types K N times at a steady pace of one every MS
//                        milliseconds (the pace is the input; the program is waited on after)
//   type=K,K...          types into whatever has the keyboard now (an open menu, say)
//   click=PATTERN:FX,FY  left-clicks at that fraction of its width and height
//   rightclick=PATTERN:FX,FY  right-clicks there
//   clipboard=FILE       writes the clipboard's text to FILE once there is some (fails, status 3,
//                        if none comes)
//   run=COMMAND          runs COMMAND with the shell between two steps (fails, status 3, if it does)
//   absent=PATTERN       once the program has handled what it was sent, fails (status 3) if such
//                        a window is there (a box nobody should ever see)
//   cover                maps a window of its own over the whole screen, on top, until it ends
//   elsewhere=K,K...     types the combinations into the cover, which the first such step gives
//                        the input focus, each once the program (the window waited for last)
//                        has handled the one before; fails (status 4) if the cover has lost the
//                        focus before a combination
//   grab=K               takes the combination from every window, as another program would,
//                        until the driver ends
//   top=PATTERN          waits until the window on top of all the others matches
//   count=PATTERN:N      fails (status 3) unless exactly N mapped windows match
//   icon=PATTERN         waits until it has an icon of its own; fails (status 3) if none comes
//   noicon=PATTERN       fails (status 3) if it has one
// Status 1 when a window never appeared, never went or the program never answered; 2 for bad usage.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fnmatch.h>
#include <signal.h>

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
using SteadyTime = std::chrono::steady_clock::time_point;

Display* s_display = nullptr;
/// The window `cover` mapped.
Window s_cover = 0;
int s_timeoutSeconds = 30;
/// The program's window the last step acted on: pings go to it.
Window s_programWindow = 0;
long s_pings = 0;

[[noreturn]] void Fail(int status, const std::string& message)
{
    std::fprintf(stderr, "window_driver: %s\n", message.c_str());
    std::exit(status);
}

SteadyTime Deadline()
{
    return std::chrono::steady_clock::now() + std::chrono::seconds(s_timeoutSeconds);
}

/// Between two looks at the server's state while waiting for it to change.
void Poll()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
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

bool IsMapped(Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(s_display, window, &attributes) && attributes.map_state == IsViewable;
}

/// The mapped top-level windows, bottom to top.
std::vector<Window> MappedWindows()
{
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    std::vector<Window> mapped;
    if (!XQueryTree(s_display, DefaultRootWindow(s_display), &root, &parent, &children, &count))
        return mapped;
    for (unsigned int i = 0; i < count; ++i)
        if (IsMapped(children[i]))
            mapped.push_back(children[i]);
    if (children)
        XFree(children);
    return mapped;
}

Window FindMapped(const std::string& pattern)
{
    // Last first: the most recently mapped window is on top.
    const std::vector<Window> mapped = MappedWindows();
    for (auto window = mapped.rbegin(); window != mapped.rend(); ++window)
        if (Matches(WindowTitle(s_display, *window), pattern))
            return *window;
    return 0;
}

/// Maps a plain window over the whole screen, on top of every other, for the rest of the run.
void Cover()
{
    Screen* screen = DefaultScreenOfDisplay(s_display);
    const Window cover = XCreateSimpleWindow(s_display, DefaultRootWindow(s_display), 0, 0,
                                             WidthOfScreen(screen), HeightOfScreen(screen), 0, 0, 0);
    XStoreName(s_display, cover, "window_driver cover");
    s_cover = cover;
    XMapRaised(s_display, cover);
    const SteadyTime deadline = Deadline();
    while (!IsMapped(cover))
    {
        if (std::chrono::steady_clock::now() >= deadline)
            Fail(1, "the cover was never mapped");
        Poll();
    }
}

Window WaitFor(const std::string& pattern)
{
    const SteadyTime deadline = Deadline();
    do
    {
        if (Window window = FindMapped(pattern))
            return s_programWindow = window;
        Poll();
    } while (std::chrono::steady_clock::now() < deadline);
    Fail(1, "no window \"" + pattern + "\" appeared");
}

void WaitUnmapped(Window window, const std::string& pattern)
{
    const SteadyTime deadline = Deadline();
    while (IsMapped(window))
    {
        if (std::chrono::steady_clock::now() >= deadline)
            Fail(1, "the window \"" + pattern + "\" did not close");
        Poll();
    }
}

Atom Intern(const char* name)
{
    return XInternAtom(s_display, name, False);
}

void SendProtocol(Window window, Atom protocol, long stamp)
{
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = Intern("WM_PROTOCOLS");
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(protocol);
    event.xclient.data.l[1] = stamp;
    event.xclient.data.l[2] = static_cast<long>(window);
    XSendEvent(s_display, window, False, NoEventMask, &event);
}

/// The process that says it owns `window`, or 0.
long WindowPid(Window window)
{
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(s_display, window, Intern("_NET_WM_PID"), 0, 1, False, XA_CARDINAL,
                           &type, &format, &count, &after, &data) == Success && data && count == 1)
        pid = *reinterpret_cast<long*>(data);
    if (data)
        XFree(data);
    return pid;
}

/// Input events sent since the program last settled.
int s_inputsSent = 0;

/// One round trip: returns once the program has answered a ping, or its window has gone.
void Ping(Window window)
{
    // The server has processed our input requests before the ping joins the program's queue.
    XSync(s_display, False);
    const long stamp = ++s_pings;
    const Atom ping = Intern("_NET_WM_PING");
    SendProtocol(window, ping, stamp);
    XFlush(s_display);
    const SteadyTime deadline = Deadline();
    while (std::chrono::steady_clock::now() < deadline)
    {
        XEvent event;
        while (XCheckTypedEvent(s_display, ClientMessage, &event))
            if (event.xclient.message_type == Intern("WM_PROTOCOLS") &&
                static_cast<Atom>(event.xclient.data.l[0]) == ping && event.xclient.data.l[1] == stamp)
                return;
        if (!IsMapped(window))
            return; // the window went away, which is all an answer could have told
        Poll();
    }
    Fail(1, "the program did not answer within " + std::to_string(s_timeoutSeconds) + " s");
}

/// Returns once the program that owns `window` has handled every event sent to it so far. GTK
/// answers a ping as soon as it reads it, together with everything before it, and then handles
/// the events it read one per turn of its loop, reading (and answering) anew on each turn. So one
/// answer more than there are events behind it means all of them were handled; a few spare ones
/// cover the events the input itself brings (focus, crossing).
void Settle(Window window)
{
    if (!window)
        return;
    const int pings = s_inputsSent + 4;
    s_inputsSent = 0;
    for (int i = 0; i < pings && IsMapped(window); ++i)
        Ping(window);
}

void Close(Window window)
{
    SendProtocol(window, Intern("WM_DELETE_WINDOW"), CurrentTime);
    XFlush(s_display);
}

Window FocusedWindow()
{
    Window focused = 0;
    int revert = 0;
    XGetInputFocus(s_display, &focused, &revert);
    return focused;
}

/// Fails unless `window` (or a window inside it) holds the input focus.
void ExpectFocus(Window window, const std::string& pattern)
{
    Window focused = FocusedWindow();
    for (Window w = focused; w && w != DefaultRootWindow(s_display);)
    {
        if (w == window)
            return;
        Window root, parent, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(s_display, w, &root, &parent, &children, &count))
            break;
        if (children)
            XFree(children);
        w = parent;
    }
    const std::string holder = focused > PointerRoot ? WindowTitle(s_display, focused) : "";
    Fail(4, "\"" + (holder.empty() ? std::string("another window") : holder) +
                "\" holds the focus, not \"" + pattern + "\"");
}

void Focus(Window window, const std::string& pattern)
{
    XRaiseWindow(s_display, window);
    XSetInputFocus(s_display, window, RevertToParent, CurrentTime);
    s_inputsSent += 2;
    Settle(window); // the program has seen that it has the focus
    ExpectFocus(window, pattern);
}

std::vector<KeyCode> KeyCodes(const std::string& combination)
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
            Fail(2, "unknown key \"" + name + "\"");
        codes.push_back(XKeysymToKeycode(s_display, sym));
    }
    return codes;
}

void PressKeys(const std::string& combination)
{
    for (KeyCode code : KeyCodes(combination))
    {
        XTestFakeKeyEvent(s_display, code, True, CurrentTime);
        ++s_inputsSent;
    }
}

void ReleaseKeys(const std::string& combination)
{
    const std::vector<KeyCode> codes = KeyCodes(combination);
    for (auto it = codes.rbegin(); it != codes.rend(); ++it)
    {
        XTestFakeKeyEvent(s_display, *it, False, CurrentTime);
        ++s_inputsSent;
    }
}

void TypeCombination(const std::string& combination)
{
    PressKeys(combination);
    ReleaseKeys(combination);
}

/// Types one combination and returns once the program has handled it.
void TypeAndSettle(Window window, const std::string& combination)
{
    TypeCombination(combination);
    Settle(window);
}

void TypeKeys(Window window, const std::string& pattern, const std::string& keys)
{
    Focus(window, pattern);
    for (const std::string& combination : Split(keys, ','))
    {
        // A box that came up meanwhile would get the keys meant for this window.
        ExpectFocus(window, pattern);
        TypeAndSettle(window, combination);
    }
}

/// Types into whatever holds the keyboard, and waits until the program has handled it.
void TypeAnywhere(const std::string& keys)
{
    for (const std::string& combination : Split(keys, ','))
        TypeAndSettle(s_programWindow, combination);
}

/// Types into the cover, another program's window that has the keyboard and keeps it.
void TypeElsewhere(const std::string& keys)
{
    if (!s_cover || !s_programWindow)
        Fail(2, "elsewhere= needs the program's window waited for and a cover first");
    const std::string pattern = "window_driver cover";
    static bool focused = false;
    if (!focused)
    {
        XSetInputFocus(s_display, s_cover, RevertToParent, CurrentTime);
        XSync(s_display, False);
        focused = true;
    }
    for (const std::string& combination : Split(keys, ','))
    {
        ExpectFocus(s_cover, pattern);
        TypeAndSettle(s_programWindow, combination);
    }
}

/// Grabs a combination on the root window, in every state of Num Lock and Caps Lock.
void Grab(const std::string& combination)
{
    const std::vector<KeyCode> codes = KeyCodes(combination);
    unsigned int modifiers = 0;
    for (const std::string& name : Split(combination, '+'))
        modifiers |= name == "ctrl" ? ControlMask : name == "alt" ? Mod1Mask : name == "shift" ? ShiftMask : 0;
    for (unsigned int lock : {0u, static_cast<unsigned int>(LockMask), static_cast<unsigned int>(Mod2Mask),
                              static_cast<unsigned int>(LockMask | Mod2Mask)})
        XGrabKey(s_display, codes.back(), modifiers | lock, DefaultRootWindow(s_display), False,
                 GrabModeAsync, GrabModeAsync);
    XSync(s_display, False);
}

/// Types one combination at a steady rate, without taking the focus again each time.
void Repeat(Window window, const std::string& pattern, const std::string& combination, int count,
            int milliseconds)
{
    Focus(window, pattern);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 1; i <= count; ++i)
    {
        TypeCombination(combination);
        XFlush(s_display);
        std::this_thread::sleep_until(start + std::chrono::milliseconds(milliseconds) * i);
    }
    Settle(window);
}

void Click(Window window, double fx, double fy, unsigned int button)
{
    XWindowAttributes attributes;
    XGetWindowAttributes(s_display, window, &attributes);
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(s_display, window, DefaultRootWindow(s_display),
                          static_cast<int>(attributes.width * fx),
                          static_cast<int>(attributes.height * fy), &x, &y, &child);
    XTestFakeMotionEvent(s_display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(s_display, button, True, CurrentTime);
    XTestFakeButtonEvent(s_display, button, False, CurrentTime);
    s_inputsSent += 3;
    Settle(window); // the click is handled, or the menu it opens is open
}

/// Asks the clipboard's owner for its text and writes it to `path`. While nobody owns the
/// clipboard (a copy the program has not made yet), asks again until the timeout.
bool SaveClipboard(const std::string& path)
{
    const Window own = XCreateSimpleWindow(s_display, DefaultRootWindow(s_display), 0, 0, 1, 1, 0, 0, 0);
    const Atom clipboard = Intern("CLIPBOARD");
    const Atom property = Intern("WINDOW_DRIVER_CLIPBOARD");
    bool saved = false;
    bool asked = false;
    const SteadyTime deadline = Deadline();
    while (!saved && std::chrono::steady_clock::now() < deadline)
    {
        if (!asked)
        {
            if (XGetSelectionOwner(s_display, clipboard) == None)
            {
                Poll();
                continue;
            }
            XConvertSelection(s_display, clipboard, Intern("UTF8_STRING"), property, own, CurrentTime);
            XFlush(s_display);
            asked = true;
        }
        XEvent event;
        if (!XCheckTypedWindowEvent(s_display, own, SelectionNotify, &event))
        {
            Poll();
            continue;
        }
        asked = false; // an owner that gave no text is asked again, until the timeout
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
    if (XGetWindowProperty(s_display, window, Intern("_NET_WM_ICON"), 0, 4, False, XA_CARDINAL,
                           &type, &format, &count, &after, &data) == Success &&
        data)
    {
        has = count > 0;
        XFree(data);
    }
    return has;
}

/// "PATTERN:REST" split at the last colon (patterns hold none, key lists and points may).
std::pair<std::string, std::string> PatternAndRest(const std::string& what)
{
    const std::size_t colon = what.rfind(':');
    if (colon == std::string::npos)
        Fail(2, "\"" + what + "\" needs PATTERN:...");
    return {what.substr(0, colon), what.substr(colon + 1)};
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        Fail(2, "usage: window_driver [timeout=SECONDS] STEP...");
    s_display = XOpenDisplay(nullptr);
    if (!s_display)
        Fail(2, "no display");
    // A window can vanish between listing it and reading its title; that is no reason to stop.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    // The programs answer pings on the root window.
    XSelectInput(s_display, DefaultRootWindow(s_display), SubstructureNotifyMask);
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
        else if (verb == "gone")
        {
            const SteadyTime deadline = Deadline();
            while (FindMapped(what))
            {
                if (std::chrono::steady_clock::now() >= deadline)
                    Fail(1, "the window \"" + what + "\" did not go");
                Poll();
            }
        }
        else if (verb == "close")
        {
            const Window window = WaitFor(what);
            Close(window);
            WaitUnmapped(window, what);
        }
        else if (verb == "kill" || verb == "term")
        {
            const Window window = WaitFor(what);
            const long pid = WindowPid(window);
            if (pid <= 0 || kill(static_cast<pid_t>(pid), verb == "kill" ? SIGKILL : SIGTERM) != 0)
                Fail(3, "the program of \"" + what + "\" could not be killed");
            WaitUnmapped(window, what);
        }
        else if (verb == "keys")
        {
            const auto [pattern, keys] = PatternAndRest(what);
            TypeKeys(WaitFor(pattern), pattern, keys);
        }
        else if (verb == "repeat")
        {
            const std::vector<std::string> parts = Split(what, ':');
            if (parts.size() != 4)
                Fail(2, "repeat=PATTERN:KEY:COUNT:MILLISECONDS");
            Repeat(WaitFor(parts[0]), parts[0], parts[1], std::atoi(parts[2].c_str()),
                   std::atoi(parts[3].c_str()));
        }
        else if (verb == "type")
            TypeAnywhere(what);
        else if (verb == "press")
        {
            const auto [pattern, combination] = PatternAndRest(what);
            const Window window = WaitFor(pattern);
            Focus(window, pattern);
            PressKeys(combination);
            Settle(window);
        }
        else if (verb == "release")
        {
            ReleaseKeys(what);
            Settle(s_programWindow);
        }
        else if (verb == "click" || verb == "rightclick")
        {
            const auto [pattern, point] = PatternAndRest(what);
            const std::vector<std::string> at = Split(point, ',');
            if (at.size() != 2)
                Fail(2, verb + "=PATTERN:FX,FY");
            Click(WaitFor(pattern), std::atof(at[0].c_str()), std::atof(at[1].c_str()),
                  verb == "click" ? 1 : 3);
        }
        else if (verb == "clipboard")
        {
            if (!SaveClipboard(what))
            {
                std::fprintf(stderr, "window_driver: no text on the clipboard\n");
                status = 3;
            }
        }
        else if (verb == "run")
        {
            if (std::system(what.c_str()) != 0)
                Fail(3, "\"" + what + "\" failed");
        }
        else if (verb == "absent")
        {
            Settle(s_programWindow);
            if (FindMapped(what))
            {
                std::fprintf(stderr, "window_driver: a window \"%s\" is there\n", what.c_str());
                status = 3;
            }
        }
        else if (verb == "cover")
            Cover();
        else if (verb == "elsewhere")
            TypeElsewhere(what);
        else if (verb == "grab")
            Grab(what);
        else if (verb == "top")
        {
            const SteadyTime deadline = Deadline();
            for (;;)
            {
                const std::vector<Window> mapped = MappedWindows();
                if (!mapped.empty() && Matches(WindowTitle(s_display, mapped.back()), what))
                    break;
                if (std::chrono::steady_clock::now() >= deadline)
                    Fail(1, "the window \"" + what + "\" never came to the top");
                Poll();
            }
        }
        else if (verb == "count")
        {
            const auto [pattern, number] = PatternAndRest(what);
            int count = 0;
            for (Window window : MappedWindows())
                count += Matches(WindowTitle(s_display, window), pattern) ? 1 : 0;
            if (count != std::atoi(number.c_str()))
            {
                std::fprintf(stderr, "window_driver: %d windows \"%s\"\n", count, pattern.c_str());
                status = 3;
            }
        }
        else if (verb == "icon")
        {
            // The program sets its icon when its loop is first idle, which a slow build reaches
            // only after drawing the window, long after it answers pings: waited for.
            const Window window = WaitFor(what);
            const SteadyTime deadline = Deadline();
            while (!HasIcon(window) && std::chrono::steady_clock::now() < deadline)
                Poll();
            if (!HasIcon(window))
            {
                std::fprintf(stderr, "window_driver: \"%s\" has no icon\n", what.c_str());
                status = 3;
            }
        }
        else if (verb == "noicon")
        {
            const Window window = WaitFor(what);
            Settle(window);
            if (HasIcon(window))
            {
                std::fprintf(stderr, "window_driver: \"%s\" has an icon\n", what.c_str());
                status = 3;
            }
        }
        else
            Fail(2, "unknown step \"" + step + "\"");
    }
    XCloseDisplay(s_display);
    return status;
}
