#include "desktop/accessible_name.h"

#include <wx/string.h>
#include <wx/window.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

void SetAccessibleName(wxWindow& window, const wxString& name)
{
#ifdef __WXGTK__
    // GTK 3 does not take the name from the tooltip, and the toolkit has no call for it: the
    // name goes on the widget's accessible object, which is what AT-SPI reads.
    if (AtkObject* accessible = gtk_widget_get_accessible(window.GetHandle()))
        atk_object_set_name(accessible, name.utf8_str());
#else
    // Windows' accessibility reads a control through the system's own control: a picture button
    // with its tooltip for a description, a label by its text. (A name of its own would need the
    // toolkit's accessibility support, which the Windows build leaves out.)
    (void)window;
    (void)name;
#endif
}
