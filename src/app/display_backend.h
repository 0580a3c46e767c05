#pragma once

#include <string>

/// The display backends the toolkit may use, first choice first, given the session's
/// GDK_BACKEND, WAYLAND_DISPLAY and DISPLAY (null when unset): X11 before Wayland where both are
/// there, so that Xwayland's window manager keeps the window above others as on an X11 session.
/// "" leaves the choice to the toolkit: a GDK_BACKEND the user set wins, and with one display there
/// is nothing to choose.
std::string PreferredDisplayBackends(const char* gdkBackend, const char* waylandDisplay,
                                     const char* display);
