#include "about/about_dlg.h"
#include "about/version_number.h"
#include "desktop/vendor.h"
#include "fake_clock.h"
#include "guards.h"
#include "gui_test.h"
#include "l10n/catalog_loader.h"
#include "link_recorder.h"
#include "log_capture.h"
#include "mainwin/lapmark_dialog.h"
#include "resources/data_files.h"
#include "resources/picture_loader.h"
#include "temp_dir.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/filefn.h>
#include <wx/hyperlink.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/intl.h>
#include <wx/translation.h>
#include <wx/version.h>

#include <filesystem>

namespace
{
/// The window's own default button. (On Windows a focused button is the default for as long as it
/// has the focus, as the toolkit's temporary default.)
wxWindow* OwnDefault(wxTopLevelWindow& window)
{
    wxWindow* const focused = window.GetTmpDefaultItem();
    window.SetTmpDefaultItem(nullptr);
    wxWindow* const own = window.GetDefaultItem();
    window.SetTmpDefaultItem(focused);
    return own;
}
} // namespace

TEST(AboutBox, TextsLinksAndButtons)
{
    AboutDlg about(nullptr, wxID_ANY);
    EXPECT_EQ(about.GetTitle(), "About...");
    EXPECT_FALSE(about.HasFlag(wxRESIZE_BORDER));
    EXPECT_EQ(about.GetMinSize(), about.GetSize()) << "cannot shrink below its fitted size";

    EXPECT_EQ(FindControl<wxStaticText>(about, "ID_STATICTEXT1")->GetLabel(), "Lapmark");
    EXPECT_EQ(FindControl<wxStaticText>(about, "ID_STATICTEXT2")->GetLabel(),
              "Version " LAPMARK_VERSION "  (Build 374.08052011)");
    EXPECT_EQ(FindControl<wxStaticText>(about, "ID_STATICTEXT5")->GetLabel(),
#ifdef __WXMSW__
              wxString(wxVERSION_STRING) + "-Windows-Unicode build");
#else
              wxString(wxVERSION_STRING) + "-GTK3-Unicode build");
#endif

    auto* home = FindControl<wxHyperlinkCtrl>(about, "ID_HYPERLINKCTRL1");
    auto* mail = FindControl<wxHyperlinkCtrl>(about, "ID_HYPERLINKCTRL2");
    ASSERT_TRUE(home && mail);
    EXPECT_EQ(home->GetURL(), home->GetLabel()) << "the home page shows its own address";
    EXPECT_TRUE(home->GetURL().StartsWith("https://")) << home->GetURL();
    EXPECT_EQ(mail->GetURL(), "mailto:" + mail->GetLabel()) << "the mail link writes to its label";

    auto* download = FindControl<wxBitmapButton>(about, "ID_BITMAPBUTTON1");
    ASSERT_NE(download, nullptr);
    EXPECT_EQ(OwnDefault(about), download);
    EXPECT_EQ(download->GetToolTipText(), "Open the download page") << "it shows only a picture";
    auto* ok = FindControl<wxButton>(about, "wxID_OK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->GetLabel(), "&OK");
    // The logo above, the program's icon beside its name.
    EXPECT_EQ(FindControl<wxStaticBitmap>(about, "ID_STATICBITMAP2")->GetBitmap().GetSize(),
              LoadPicture(LogoPicturePath).GetSize());
    EXPECT_EQ(FindControl<wxStaticBitmap>(about, "ID_STATICBITMAP1")->GetBitmap().GetSize(),
              LoadPicture(IconPicturePath).GetSize());
    EXPECT_NE(LoadPicture(LogoPicturePath).GetSize(), LoadPicture(IconPicturePath).GetSize());

    LinkRecorder browser;
    Click(*download);
    ASSERT_EQ(browser.browsed.size(), 1u);
    EXPECT_EQ(browser.browsed[0], DownloadPageUrl);
}

TEST(AboutBox, LinksNeverOpenAnAddressACatalogMadeUnsafe)
{
    // The tests' own catalog, and nothing else, until the locale puts the previous one back.
    wxLocale locale;
    {
        LogCapture quiet; // a system without the C locale says so
        locale.Init(wxLANGUAGE_ENGLISH, wxLOCALE_DONT_LOAD_DEFAULT);
    }
    const wxString folder = LAPMARK_BINARY_DIR "/test-catalogs";
    const wxString language = "xx";
    wxTranslations::Get()->SetLoader(new ChosenLanguagesLoader(wxArrayString(1, &folder), wxArrayString(1, &language)));
    wxTranslations::Get()->SetLanguage(language);
    wxTranslations::Get()->AddCatalog("Lapmark");
    AboutDlg about(nullptr, wxID_ANY);
    auto* home = FindControl<wxHyperlinkCtrl>(about, "ID_HYPERLINKCTRL1");
    auto* mail = FindControl<wxHyperlinkCtrl>(about, "ID_HYPERLINKCTRL2");
    ASSERT_TRUE(home && mail);
    ASSERT_EQ(home->GetLabel(), "javascript:alert(1)") << "the catalog is in use";
    EXPECT_EQ(home->GetURL(), HomePageUrl);
    EXPECT_EQ(mail->GetURL(), SupportMailto);
}

TEST(AboutBox, OpensWithEveryPictureMissing)
{
    TempDir empty;
    WorkingDirectoryGuard inEmpty(empty.Path().string());
    ASSERT_TRUE(inEmpty.Changed());
    {
        LogCapture log;
        AboutDlg about(nullptr, wxID_ANY);
        // Every picture's place stays, empty: a control is never given a picture it cannot draw.
        const struct
        {
            const char* name;
            wxSize size;
        } places[] = {{"ID_STATICBITMAP2", {240, 60}}, {"ID_STATICBITMAP1", {48, 48}},
                      {"ID_BITMAPBUTTON1", {160, 40}}};
        for (const auto& place : places)
        {
            SCOPED_TRACE(place.name);
            wxWindow* control = wxWindow::FindWindowByName(place.name, &about);
            ASSERT_NE(control, nullptr);
            const wxBitmap bitmap = control->IsKindOf(wxCLASSINFO(wxStaticBitmap))
                                        ? static_cast<wxStaticBitmap*>(control)->GetBitmap()
                                        : static_cast<wxBitmapButton*>(control)->GetBitmapLabel();
            ASSERT_TRUE(bitmap.IsOk());
            EXPECT_EQ(bitmap.GetSize(), place.size);
            const wxImage image = bitmap.ConvertToImage();
            ASSERT_TRUE(image.HasAlpha());
            EXPECT_EQ(image.GetAlpha(place.size.x / 2, place.size.y / 2), wxIMAGE_ALPHA_TRANSPARENT);
        }
    }
}

TEST(AboutBox, APictureOverTheSizeLimitIsNotDecodedEvenWhenItCould)
{
    TempDir dir;
    std::filesystem::create_directories(dir.Path() / "img");
    ASSERT_TRUE(wxImage(4097, 2).SaveFile(dir.File(LogoPicturePath), wxBITMAP_TYPE_BMP));
    WorkingDirectoryGuard inDir(dir.Path().string());
    ASSERT_TRUE(inDir.Changed());
    LogCapture log;
    AboutDlg about(nullptr, wxID_ANY);
    EXPECT_EQ(FindControl<wxStaticBitmap>(about, "ID_STATICBITMAP2")->GetBitmap().GetSize(), wxSize(240, 60))
        << "the logo's empty place";
}

TEST(AboutBox, OpensWithTheFocusOnOkSoReturnClosesIt)
{
    AboutDlg about(nullptr, wxID_ANY);
    about.Show();
    auto* ok = FindControl<wxButton>(about, "wxID_OK");
    EXPECT_TRUE(RunEventsUntil([&] { return about.IsShownOnScreen() && wxWindow::FindFocus() == ok; }));
    EXPECT_EQ(OwnDefault(about), FindControl<wxWindow>(about, "ID_BITMAPBUTTON1"));
}

TEST(AboutBox, ShownFromTheMainWindowAndClosedWithOk)
{
    FakeClock clock;
    LapmarkDialog window(nullptr, wxID_ANY, clock);
    window.InitDialog();
    Click(*FindControl<wxButton>(window, "ID_BUTTON_START"));
    wxTEST_DIALOG(Click(*FindControl<wxButton>(window, "wxID_ABOUT")),
                  wxExpectDismissableModal<AboutDlg>(wxID_OK).Describe("About box"));
    EXPECT_EQ(window.GetRunState(), RunState::Running) << "timing goes on";

    LinkRecorder browser;
    Click(*FindControl<wxButton>(window, "ID_BUTTON_UPDATE"));
    ASSERT_EQ(browser.browsed.size(), 1u);
    EXPECT_EQ(browser.browsed[0], DownloadPageUrl);
    EXPECT_EQ(window.GetRunState(), RunState::Running);
}

#ifdef __WXGTK__
TEST(AboutBox, SaysOnXwaylandThatWaylandWindowsPassNoKeysOn)
{
    const auto notes = [] {
        AboutDlg about(nullptr, wxID_ANY);
        int found = 0;
        for (wxWindow* child : about.GetChildren())
            if (auto* text = dynamic_cast<wxStaticText*>(child))
                found += text->GetLabel().Contains("a Wayland program in front does not pass them on");
        return found;
    };
    {
        // An X11 display in a Wayland session: Xwayland.
        EnvironmentGuard wayland("WAYLAND_DISPLAY", "wayland-0");
        EXPECT_EQ(notes(), 1);
    }
    EnvironmentGuard plain("WAYLAND_DISPLAY", "");
    wxUnsetEnv("WAYLAND_DISPLAY");
    EXPECT_EQ(notes(), 0) << "a plain X11 session passes every key on";
}
#endif
