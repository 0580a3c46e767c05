#include "desktop/stay_on_top.h"

#include <wx/intl.h>
#include <wx/utils.h>

wxString StayOnTopNote()
{
#ifdef __WXGTK__
    if (wxGetDisplayInfo().type == wxDisplayWayland)
        return _("This desktop does not let Lapmark stay above other windows.");
#endif
    return wxString();
}
