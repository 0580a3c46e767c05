#include "about/hyperlink.h"

#include "about/link_target.h"

#include <wx/dcclient.h>
#include <wx/mimetype.h>
#include <wx/utils.h>

#include <memory>

namespace
{
/// The system's MIME-type database and process launching.
class SystemLinkOpener : public LinkOpener
{
public:
    wxString OpenCommand(const wxString& mimeType, const wxString& file) override
    {
        std::unique_ptr<wxFileType> type(wxTheMimeTypesManager->GetFileTypeFromMimeType(mimeType));
        wxString command;
        if (!type || !type->GetOpenCommand(&command, wxFileType::MessageParameters(file, "")))
            return wxString();
        return command;
    }

    void Run(const std::vector<wxString>& arguments) override
    {
        if (arguments.empty())
            return;
        std::vector<const wchar_t*> argv;
        for (const wxString& argument : arguments)
            argv.push_back(argument.wc_str());
        argv.push_back(nullptr);
        wxExecute(argv.data(), wxEXEC_ASYNC);
    }
};

SystemLinkOpener s_systemOpener;
LinkOpener* s_opener = &s_systemOpener;
} // namespace

wxIMPLEMENT_DYNAMIC_CLASS(wxHyperLink, wxControl);

wxBEGIN_EVENT_TABLE(wxHyperLink, wxControl)
    EVT_LEFT_DCLICK(wxHyperLink::OnLeftButton)
    EVT_LEFT_DOWN(wxHyperLink::OnLeftButton)
    EVT_PAINT(wxHyperLink::OnPaint)
    EVT_ENTER_WINDOW(wxHyperLink::OnMouseEnter)
    EVT_LEAVE_WINDOW(wxHyperLink::OnMouseLeave)
wxEND_EVENT_TABLE()

void wxHyperLink::SetOpener(LinkOpener* opener)
{
    s_opener = opener ? opener : &s_systemOpener;
}

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
    const wxString command = s_opener->OpenCommand(mimeType, LinkPlaceholder);
    if (command.empty())
        return;
    s_opener->Run(OpenArguments(command, url));
}
