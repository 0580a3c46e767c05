#include "about/about_dlg.h"

#include "about/link_target.h"
#include "about/version_info.h"
#include "desktop/accessible_name.h"
#include "desktop/global_key_grab.h"
#include "desktop/link_opener.h"
#include "desktop/stay_on_top.h"
#include "desktop/vendor.h"
#include "resources/data_files.h"
#include "resources/picture_loader.h"

#include <wx/bmpbndl.h>
#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/hyperlink.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include <algorithm>

namespace
{
const long ID_STATICBITMAP2 = wxNewId();
const long ID_STATICBITMAP1 = wxNewId();
const long ID_STATICTEXT1 = wxNewId();
const long ID_STATICTEXT2 = wxNewId();
const long ID_STATICTEXT3 = wxNewId();
const long ID_STATICTEXT5 = wxNewId();
const long ID_HYPERLINKCTRL1 = wxNewId();
const long ID_HYPERLINKCTRL2 = wxNewId();
const long ID_BITMAPBUTTON1 = wxNewId();

/// A picture, its version twice as large, and the size of its place at 96 dpi, which stays when
/// it cannot be shown.
struct Picture
{
    const char* path;
    const char* largePath;
    int width;
    int height;
};
const Picture LogoPicture{LogoPicturePath, LargeLogoPicturePath, 240, 60};
const Picture IconPicture{IconPicturePath, LargeIconPicturePath, 48, 48};
const Picture DownloadPicture{DownloadPicturePath, LargeDownloadPicturePath, 160, 40};

/// The picture in the sizes it comes in, so the toolkit draws the one for the screen's scale; or
/// an empty space of its size when it is missing or damaged: the box opens anyway, and no control
/// is ever given a picture it cannot draw (a button still works).
wxBitmapBundle PictureBundle(const Picture& picture)
{
    const wxImage image = LoadPicture(picture.path);
    if (!image.IsOk())
    {
        wxImage empty(picture.width, picture.height);
        empty.InitAlpha();
        std::fill_n(empty.GetAlpha(), picture.width * picture.height, wxIMAGE_ALPHA_TRANSPARENT);
        return wxBitmapBundle(wxBitmap(empty, 32));
    }
    wxVector<wxBitmap> sizes;
    sizes.push_back(wxBitmap(image, -1));
    // Only a version exactly twice as large: an icon file holds several sizes.
    for (const wxImage& large : LoadPictures(picture.largePath, wxBITMAP_TYPE_ANY))
        if (large.GetSize() == image.GetSize() * 2)
            sizes.push_back(wxBitmap(large, -1));
    return wxBitmapBundle::FromBitmaps(sizes);
}
} // namespace

wxBEGIN_EVENT_TABLE(AboutDlg, wxDialog)
wxEND_EVENT_TABLE()

AboutDlg::AboutDlg(wxWindow* parent, wxWindowID id)
{
    Create(parent, id, _("About..."), wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE,
           "id");

    // Alignment flags that would have no effect (one along a sizer's own direction, or one beside
    // wxEXPAND) are not given: the toolkit reports them as mistakes.
    auto* top = new wxBoxSizer(wxVERTICAL);
    m_logoBitmap = new wxStaticBitmap(this, ID_STATICBITMAP2, PictureBundle(LogoPicture),
                                      wxDefaultPosition, wxDefaultSize, 0, "ID_STATICBITMAP2");
    top->Add(m_logoBitmap, 0, wxBOTTOM | wxALIGN_CENTER_HORIZONTAL, FromDIP(5));

    auto* row = new wxBoxSizer(wxHORIZONTAL);
    m_iconBitmap = new wxStaticBitmap(this, ID_STATICBITMAP1, PictureBundle(IconPicture),
                                      wxDefaultPosition, wxDefaultSize, 0, "ID_STATICBITMAP1");
    row->Add(m_iconBitmap, 0, wxLEFT | wxBOTTOM, FromDIP(5));

    auto* column = new wxBoxSizer(wxVERTICAL);
    m_titleText = new wxStaticText(this, ID_STATICTEXT1, _("Lapmark"), wxDefaultPosition,
                                   wxDefaultSize, 0, "ID_STATICTEXT1");
    column->Add(m_titleText, 0, wxLEFT | wxRIGHT | wxTOP | wxEXPAND, FromDIP(5));
    m_versionText = new wxStaticText(this, ID_STATICTEXT2, _("Unicode versin 1.0.1.0"),
                                     wxDefaultPosition, wxDefaultSize, 0, "ID_STATICTEXT2");
    column->Add(m_versionText, 0, wxLEFT | wxRIGHT | wxTOP | wxEXPAND, FromDIP(5));
    m_copyrightText = new wxStaticText(this, ID_STATICTEXT3, wxGetTranslation(CopyrightLine),
                                       wxDefaultPosition, wxDefaultSize, 0, "ID_STATICTEXT3");
    column->Add(m_copyrightText, 0, wxLEFT | wxRIGHT | wxTOP | wxEXPAND, FromDIP(5));
    m_buildInfoText = new wxStaticText(this, ID_STATICTEXT5, _("wx-build-info"),
                                       wxDefaultPosition, wxDefaultSize, 0, "ID_STATICTEXT5");
    column->Add(m_buildInfoText, 0, wxALL | wxEXPAND, FromDIP(5));
    // Only where the desktop cannot keep the main window above others, or passes the keys in
    // every window on only from some programs.
    for (const wxString& note : {StayOnTopNote(), GlobalKeyGrab::Note()})
        if (!note.empty())
            column->Add(new wxStaticText(this, wxID_ANY, note), 0, wxLEFT | wxRIGHT | wxEXPAND,
                        FromDIP(5));
    column->Add(0, 0, 1, wxALIGN_CENTER_HORIZONTAL, FromDIP(4));
    // The toolkit's links open their addresses themselves: what a catalog gives for them is
    // checked first.
    m_homeLink = new wxHyperlinkCtrl(this, ID_HYPERLINKCTRL1, wxGetTranslation(HomePageUrl),
                                     CheckedLinkAddress(wxGetTranslation(HomePageUrl), HomePageUrl), wxDefaultPosition,
                                     wxDefaultSize, wxHL_DEFAULT_STYLE, "ID_HYPERLINKCTRL1");
    column->Add(m_homeLink, 0, wxALL, FromDIP(4));
    m_mailLink = new wxHyperlinkCtrl(this, ID_HYPERLINKCTRL2, wxGetTranslation(SupportEmail),
                                     CheckedLinkAddress(wxGetTranslation(SupportMailto), SupportMailto), wxDefaultPosition,
                                     wxDefaultSize, wxHL_DEFAULT_STYLE, "ID_HYPERLINKCTRL2");
    column->Add(m_mailLink, 0, wxALL, FromDIP(4));
    column->Add(0, 0, 1, wxALIGN_CENTER_HORIZONTAL, FromDIP(4));
    m_downloadButton = new wxBitmapButton(this, ID_BITMAPBUTTON1,
                                          PictureBundle(DownloadPicture), wxDefaultPosition,
                                          wxDefaultSize, wxBU_AUTODRAW, wxDefaultValidator,
                                          "ID_BITMAPBUTTON1");
    m_downloadButton->SetDefault();
    // It shows only a picture: a tooltip says what it does, and a screen reader says the same.
    const wxString downloadName = _("Open the download page");
    m_downloadButton->SetToolTip(downloadName);
    SetAccessibleName(*m_downloadButton, downloadName);
    column->Add(m_downloadButton, 0, wxALL, FromDIP(5));
    column->Add(-1, -1, 0, wxALL | wxALIGN_CENTER_HORIZONTAL, FromDIP(5));
    m_okButton = new wxButton(this, wxID_OK, _("&OK"), wxDefaultPosition, wxDefaultSize, 0,
                              wxDefaultValidator, "wxID_OK");
    column->Add(m_okButton, 0, wxALL | wxALIGN_RIGHT, FromDIP(5));

    row->Add(column, 1, wxLEFT | wxTOP | wxBOTTOM | wxALIGN_CENTER_VERTICAL, FromDIP(5));
    top->Add(row, 1, wxALL | wxEXPAND, FromDIP(5));
    SetSizer(top, true);
    top->Fit(this);
    top->SetSizeHints(this);
    Centre(wxBOTH);

    Connect(ID_BITMAPBUTTON1, wxEVT_COMMAND_BUTTON_CLICKED,
            wxCommandEventHandler(AboutDlg::OnDownloadButton));
    m_versionText->SetLabel(VersionLine());
    m_buildInfoText->SetLabel(BuildInfo(BuildInfoLong));
    // The final texts are longer than the ones the box was first fitted to.
    top->SetSizeHints(this);
    Centre(wxBOTH);
    // Return closes the box, as in any About box; the download button stays the default one.
    m_okButton->SetFocus();
}

void AboutDlg::OnDownloadButton(wxCommandEvent&)
{
    OpenInBrowser(DownloadPageUrl);
}
