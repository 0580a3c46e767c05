#include "about/hyperlink.h"

#include "about/link_target.h"
#include "desktop/link_opener.h"

#include <wx/dcclient.h>

wxIMPLEMENT_DYNAMIC_CLASS(wxHyperLink, wxControl);

wxBEGIN_EVENT_TABLE(wxHyperLink, wxControl)
    EVT_LEFT_DCLICK(wxHyperLink::OnLeftButton)
    EVT_LEFT_DOWN(wxHyperLink::OnLeftButton)
    EVT_PAINT(wxHyperLink::OnPaint)
    EVT_ENTER_WINDOW(wxHyperLink::OnMouseEnter)
    EVT_LEAVE_WINDOW(wxHyperLink::OnMouseLeave)
wxEND_EVENT_TABLE()

bool wxHyperLink::Create(wxWindow* parent, wxWindowID id, const wxString& label,
                         const wxPoint& pos, const wxSize& size, long style,
                         const wxString& name)
{
    // Whatever border the style asks for gives way: two borders at once are no border style at
    // all on Windows.
    const bool created = wxControl::Create(parent, id, pos, size,
                                           (style & ~wxBORDER_MASK) | wxNO_BORDER,
                                           wxDefaultValidator, name);
    if (!created)
        return false; // nothing below can work without a window
    SetLabel(label);
    m_url.clear();
    m_visited = false;
    m_hoverCursor = wxCursor(wxCURSOR_HAND);
    m_hoverColour = wxColour("RED");
    m_linkColour = wxColour("BLUE");
    m_visitedColour = wxColour("PURPLE");
    SetForegroundColour(m_linkColour);
    wxFont font = GetFont();
    font.SetUnderlined(true);
    SetFont(font);
    m_backgroundColour = GetBackgroundColour();

    // Measured once: a later label change keeps this size.
    wxClientDC dc(this);
    dc.SetFont(GetFont());
    dc.GetTextExtent(GetLabel(), &m_bestSize.x, &m_bestSize.y);
    SetInitialSize(DoGetBestSize());
    return created;
}

void wxHyperLink::SetLinkColour(const wxColour& colour)
{
    m_linkColour = colour;
    if (!m_visited)
    {
        SetForegroundColour(m_linkColour);
        Refresh(true, nullptr);
    }
}

void wxHyperLink::SetVisitedColour(const wxColour& colour)
{
    m_visitedColour = colour;
    if (m_visited)
    {
        SetForegroundColour(m_visitedColour);
        Refresh(true, nullptr);
    }
}

void wxHyperLink::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    dc.SetFont(GetFont());
    dc.SetTextForeground(GetForegroundColour());
    dc.DrawText(GetLabel(), 0, 0);
}

void wxHyperLink::OnMouseEnter(wxMouseEvent&)
{
    SetCursor(m_hoverCursor);
    SetForegroundColour(m_hoverColour);
    Refresh(true, nullptr);
}

void wxHyperLink::OnMouseLeave(wxMouseEvent&)
{
    SetCursor(wxNullCursor);
    SetForegroundColour(m_visited ? m_visitedColour : m_linkColour);
    Refresh(true, nullptr);
}

void wxHyperLink::OnLeftButton(wxMouseEvent&)
{
    m_visited = true;
    SetForegroundColour(m_visitedColour);
    SetBackgroundColour(m_backgroundColour);
    Refresh(true, nullptr);
    OpenUrl(m_url.empty() ? GetLabel() : m_url);
}

void wxHyperLink::OpenUrl(const wxString& url)
{
    const wxString mimeType = LinkMimeType(url);
    if (mimeType.empty() || !IsSafeLinkAddress(url))
        return;
    const wxString command = CurrentLinkOpener().OpenCommand(mimeType, LinkPlaceholder);
    if (command.empty())
        return;
    CurrentLinkOpener().Run(OpenArguments(command, url));
}
