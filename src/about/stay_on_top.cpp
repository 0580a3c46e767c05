#include "about/stay_on_top.h"

#include <wx/intl.h>
#include <wx/utils.h>

bool DesktopKeepsWindowsOnTop()
{
#ifdef __WXGTK__
    return wxGetDisplayInfo().type != wxDisplayWayland;
#else
    return true;
#endif
}

wxString StayOnTopNote()
{
    if (DesktopKeepsWindowsOnTop())
        return wxString();
    return _("This desktop does not let Lapmark stay above other windows.");
}
