#pragma once

#include <wx/dialog.h>

class wxBitmapButton;
class wxButton;
class wxHyperlinkCtrl;
class wxStaticBitmap;
class wxStaticText;

/// The About box: logo, icon, name, version, copyright, build information, the home-page and
/// e-mail links, the download picture button and OK.
class AboutDlg : public wxDialog
{
public:
    /// Builds the whole dialog without showing it.
    AboutDlg(wxWindow* parent, wxWindowID id);

private:
    void OnDownloadButton(wxCommandEvent& event);

    wxHyperlinkCtrl* m_mailLink = nullptr;
    wxStaticBitmap* m_logoBitmap = nullptr;
    wxButton* m_okButton = nullptr;
    wxStaticBitmap* m_iconBitmap = nullptr;
    wxStaticText* m_titleText = nullptr;
    wxStaticText* m_copyrightText = nullptr;
    wxHyperlinkCtrl* m_homeLink = nullptr;
    wxStaticText* m_buildInfoText = nullptr;
    wxBitmapButton* m_downloadButton = nullptr;
    wxStaticText* m_versionText = nullptr;

    wxDECLARE_EVENT_TABLE();
};
