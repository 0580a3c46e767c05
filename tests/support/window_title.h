#pragma once

#include <X11/Xlib.h>

#include <string>

/// A top-level window's title: its UTF-8 _NET_WM_NAME, or else its WM_NAME ("" when neither).
inline std::string WindowTitle(Display* display, Window window)
{
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, 1024,
                           False, XInternAtom(display, "UTF8_STRING", False), &type, &format,
                           &count, &after, &data) == Success &&
        data)
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
