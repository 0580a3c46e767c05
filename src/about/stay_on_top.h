#pragma once

#include <wx/string.h>

/// False on a desktop that gives a program no way to keep its window above others (a Wayland
/// session, where the program could not use Xwayland); true everywhere else.
bool DesktopKeepsWindowsOnTop();

/// What the user is told once where the desktop cannot keep the window above others, translated
/// now; "" where it can.
wxString StayOnTopNote();
