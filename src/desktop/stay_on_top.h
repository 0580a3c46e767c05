#pragma once

#include <wx/string.h>

/// What the user is told once where the desktop gives a program no way to keep its window above
/// others (a Wayland session, where the program could not use Xwayland), translated now; "" where
/// it can.
wxString StayOnTopNote();
