#include "desktop/accessible_name.h"

#include <wx/string.h>
#include <wx/window.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#elif wxUSE_ACCESSIBILITY
#include <wx/access.h>
#include <wx/stattext.h>

namespace
{
/// Answers a screen reader's question for the control's name, and for a readout its text as its
/// value; the system's own control answers every other question, about its rows too.
class NamedAccessible : public wxAccessible
{
public:
    NamedAccessible(wxWindow& window, const wxString& name) : wxAccessible(&window), m_name(name) {}

    wxAccStatus GetName(int childId, wxString* name) override
    {
        if (childId != wxACC_SELF)
            return wxACC_NOT_IMPLEMENTED;
        *name = m_name;
        return wxACC_OK;
    }

    wxAccStatus GetValue(int childId, wxString* value) override
    {
        const auto* readout = wxDynamicCast(GetWindow(), wxStaticText);
        if (childId != wxACC_SELF || !readout)
            return wxACC_NOT_IMPLEMENTED;
        *value = readout->GetLabel();
        return wxACC_OK;
    }

private:
    wxString m_name;
};
} // namespace
#endif

void SetAccessibleName(wxWindow& window, const wxString& name)
{
#ifdef __WXGTK__
    // GTK 3 does not take the name from the tooltip, and the toolkit has no call for it: the
    // name goes on the widget's accessible object, which is what AT-SPI reads.
    if (AtkObject* accessible = gtk_widget_get_accessible(window.GetHandle()))
        atk_object_set_name(accessible, name.utf8_str());
#elif wxUSE_ACCESSIBILITY
    // The system's own control would name a label by its text (a readout by its digits) and a
    // list by nothing: the window answers for its name itself, and owns what answers.
    window.SetAccessible(new NamedAccessible(window, name));
#else
    (void)window;
    (void)name;
#endif
}
