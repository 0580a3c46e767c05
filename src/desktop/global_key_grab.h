#pragma once

#include "desktop/global_keys.h"

#include <wx/string.h>

#include <functional>
#include <memory>

class wxWindow;

/// Takes the chosen keys from the whole desktop, so that they act while another program has the
/// keyboard, and gives them back when told or when it ends. The program with the keyboard keeps
/// it. How is the desktop's: a passive grab on the X11 root window (also under Xwayland), the
/// desktop's global-shortcuts portal on a native Wayland display, the system's hot keys on
/// Windows.
class GlobalKeyGrab
{
public:
    /// Called once for each press of a key, when it goes down.
    using Pressed = std::function<void(GlobalAction)>;
    /// Called with a translated message: a key another program holds, or that this desktop
    /// lets no program take keys from every window.
    using Report = std::function<void(const wxString& message)>;

    /// `window` receives the system's hot keys where the desktop sends them to a window.
    GlobalKeyGrab(wxWindow& window, Pressed pressed, Report report);
    ~GlobalKeyGrab();
    GlobalKeyGrab(const GlobalKeyGrab&) = delete;
    GlobalKeyGrab& operator=(const GlobalKeyGrab&) = delete;

    /// Gives back the keys taken before and takes `keys`. A key another program holds is
    /// reported, once for this call, and the others are taken all the same.
    void Take(const GlobalKeys& keys);
    /// Gives every key back.
    void GiveBack();

    /// What this desktop does not allow, translated, for the About box; "" where keys in every
    /// window work wherever the user types.
    static wxString Note();

    struct Impl;

private:
    std::unique_ptr<Impl> m_impl;
};
