#pragma once

#include <wx/control.h>
#include <wx/cursor.h>

/// A borderless, self-drawn hyperlink: underlined text, a hand cursor and hover colour under the
/// pointer, a visited colour once activated; a left click opens its address.
class wxHyperLink : public wxControl
{
public:
    /// An uncreated control, as the class registry makes it; call Create before showing it.
    wxHyperLink() = default;

    /// Creates the window (always borderless) and measures the label once for the best size.
    bool Create(wxWindow* parent, wxWindowID id, const wxString& label,
                const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                long style = 0, const wxString& name = "hyperlink");

    /// The address to open; empty means the label is the address.
    wxString GetUrl() const { return m_url; }
    void SetUrl(const wxString& url) { m_url = url; }
    /// The cursor while the pointer is over the link.
    wxCursor GetHoverCursor() const { return m_hoverCursor; }
    void SetHoverCursor(const wxCursor& cursor) { m_hoverCursor = cursor; }
    /// The text colour while the pointer is over the link.
    wxColour GetHoverColour() const { return m_hoverColour; }
    void SetHoverColour(const wxColour& colour) { m_hoverColour = colour; }
    /// The text colour of a link not yet visited.
    wxColour GetLinkColour() const { return m_linkColour; }
    void SetLinkColour(const wxColour& colour);
    /// The text colour of a visited link.
    wxColour GetVisitedColour() const { return m_visitedColour; }
    void SetVisitedColour(const wxColour& colour);
    /// True once the link has been activated.
    bool IsVisited() const { return m_visited; }

    /// Opens a web, ftp or mail address with the system's open command for its kind; any other
    /// address, or one with blanks or control characters, opens nothing.
    void OpenUrl(const wxString& url);

protected:
    wxSize DoGetBestSize() const override { return m_bestSize; }

private:
    void OnLeftButton(wxMouseEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnMouseEnter(wxMouseEvent& event);
    void OnMouseLeave(wxMouseEvent& event);

    wxString m_url;
    bool m_visited = false;
    wxCursor m_hoverCursor;
    wxColour m_hoverColour;
    wxColour m_linkColour;
    wxColour m_visitedColour;
    wxColour m_backgroundColour;
    wxSize m_bestSize;

    wxDECLARE_DYNAMIC_CLASS(wxHyperLink);
    wxDECLARE_EVENT_TABLE();
};
