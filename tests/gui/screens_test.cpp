#include "about/about_dlg.h"
#include "fake_clock.h"
#include "gui_test.h"
#include "l10n/language_dialogs.h"
#include "log_capture.h"
#include "mainwin/global_keys_dlg.h"
#include "mainwin/lapmark_dialog.h"
#include "resources/data_files.h"
#include "resources/picture_loader.h"
#include "split_list_view.h"

#include <wx/arrstr.h>
#include <wx/button.h>
#include <wx/intl.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <functional>
#include <memory>

using namespace std::chrono_literals;

// Run at every scale the tests set (text scale and screen scale on Linux, the DPI under Wine):
// nothing a run records and no line of a window is cut.

namespace
{
/// Every label and button in `window` lies inside its client area, at least as wide and tall as
/// its text.
void ExpectWholeTexts(wxWindow& window)
{
    const wxRect client(window.GetClientSize());
    const std::function<void(wxWindow&)> check = [&](wxWindow& parent) {
        for (wxWindow* child : parent.GetChildren())
        {
            check(*child);
            if (!dynamic_cast<wxStaticText*>(child) && !dynamic_cast<wxButton*>(child))
                continue;
            const wxString text = wxControl::RemoveMnemonics(child->GetLabel());
            if (text.empty())
                continue;
            const wxRect rect = child->GetRect();
            EXPECT_TRUE(client.Contains(rect)) << text << " at " << rect.x << "," << rect.y << " "
                                               << rect.width << "x" << rect.height;
            // Line by line: Windows measures a text with line breaks as one line.
            wxSize needed;
            for (const wxString& line : wxSplit(text, '\n', '\0'))
            {
                const wxSize extent = child->GetTextExtent(line);
                needed = wxSize(std::max(needed.x, extent.x), needed.y + extent.y);
            }
            EXPECT_GE(rect.width, needed.x) << text;
            EXPECT_GE(rect.height, needed.y) << text;
        }
    };
    check(window);
}

/// Checks the language list as shown: every row and the title inside it, nothing cut; then
/// cancels it.
class ExpectWholeLanguageList : public wxExpectModalBase<wxSingleChoiceDialog, ExpectWholeLanguageList>
{
protected:
    int OnInvoked(wxSingleChoiceDialog* dialog) const override
    {
        dialog->Show();
        RunEventsUntil([&] { return dialog->IsShownOnScreen(); });
        wxYield();
        auto* list = FindChild<wxListBox>(*dialog);
        if (!list)
            return wxID_CANCEL;
        // Room below the last row: no row is cut at the bottom.
        const wxSize client = list->GetClientSize();
        EXPECT_EQ(list->HitTest(wxPoint(client.x / 2, client.y - 2)), wxNOT_FOUND) << "the last row is cut";
        EXPECT_EQ(list->HitTest(wxPoint(client.x / 2, 2)), 0);
        EXPECT_GE(dialog->GetClientSize().x, dialog->GetTextExtent(dialog->GetTitle()).x) << "the title";
        ExpectWholeTexts(*dialog);
        dialog->Hide();
        return wxID_CANCEL;
    }
};

/// A run past 1,000 rows and 1,000 hours, stopped at 10,000 hours: past any run shorter than a
/// year, with a readout wider than the window was first made for.
void CheckWindowsIn(wxLanguage language)
{
    SCOPED_TRACE(language);
    LogCapture log; // the system may lack the language's own locale
    wxLocale locale;
    locale.Init(language, wxLOCALE_DONT_LOAD_DEFAULT);
    locale.AddCatalog("Lapmark");

    FakeClock clock;
    LapmarkDialog dialog(nullptr, wxID_ANY, clock);
    dialog.InitDialog();
    dialog.Show();
    const wxSize tall = dialog.GetClientSize() + wxSize(0, 50);
    dialog.SetClientSize(tall); // the user made it taller
    auto* start = FindControl<wxButton>(dialog, "ID_BUTTON_START");
    auto* reset = FindControl<wxButton>(dialog, "ID_BUTTON_RESET");
    Click(*start);
    clock.Advance(std::chrono::hours(1000));
    for (int row = 0; row < 1001; ++row)
    {
        Click(*reset);
        clock.Advance(100ms);
    }
    clock.Advance(std::chrono::hours(9000) - 1001 * 100ms);
    Click(*start);
    EXPECT_EQ(FindControl<wxStaticText>(dialog, "ID_STATICTEXT_DISPLAY")->GetLabel(), "10000:00:00.0");
    EXPECT_EQ(dialog.GetClientSize().y, tall.y) << "grown wider where it must, the user's height kept";
    ExpectWholeTexts(dialog);

    SplitList& list = dialog.GetSplitList();
    wxWindow& listWindow = *list.GetWindow();
    EXPECT_GE(listWindow.GetSize().y, dialog.FromDIP(200)) << "the list's height, converted";
    const SplitListView view(list);
    const int padding = list.CellPadding();
    for (int c = 0; c < list.GetColumnCount(); ++c)
    {
        const ShownColumn column = view.Column(c);
        int widest = listWindow.GetTextExtent(column.heading).x;
        for (long row = 0; row < list.GetRowCount(); ++row)
            widest = std::max(widest, listWindow.GetTextExtent(view.Cell(row, c)).x);
        EXPECT_GE(column.width, widest + padding) << "column " << c;
        EXPECT_GE(column.width, dialog.FromDIP(c == 0 ? 40 : 80)) << "column " << c;
    }

    wxTEST_DIALOG(ChooseLanguage(), ExpectWholeLanguageList().Describe("language list"));

    // The keys chooser with the longest keys: each whole in its field.
    const GlobalKey longest{wxACCEL_ALT | wxACCEL_CTRL | wxACCEL_SHIFT, WXK_NUMPAD_PAGEDOWN};
    GlobalKeysDlg chooser(&dialog, GlobalKeys{{longest, longest}}, [](const GlobalKeys&) {}, [] {});
    chooser.Show();
    RunEventsUntil([&] { return chooser.IsShownOnScreen(); });
    wxYield();
    ExpectWholeTexts(chooser);
    for (wxWindow* child : chooser.GetChildren())
        if (auto* field = dynamic_cast<wxTextCtrl*>(child))
        {
            EXPECT_GE(field->GetClientSize().x, field->GetTextExtent(field->GetValue()).x) << field->GetValue();
            EXPECT_TRUE(wxRect(chooser.GetClientSize()).Contains(field->GetRect()));
        }
    chooser.Hide();

    AboutDlg about(&dialog, wxID_ANY);
    about.Show();
    RunEventsUntil([&] { return about.IsShownOnScreen(); });
    wxYield();
    ExpectWholeTexts(about);
    // At 200 % the pictures are their sources twice as large, not the small ones doubled.
    if (about.GetDPIScaleFactor() == 2)
        for (const auto& [name, large] : {std::pair{"ID_STATICBITMAP2", LargeLogoPicturePath},
                                          std::pair{"ID_STATICBITMAP1", LargeIconPicturePath}})
        {
            const wxImage shown = FindControl<wxStaticBitmap>(about, name)->GetBitmap().ConvertToImage();
            const std::vector<wxImage> sources = LoadPictures(large, wxBITMAP_TYPE_ANY);
            const auto source = std::find_if(sources.begin(), sources.end(), [&](const wxImage& image) {
                return image.GetSize() == shown.GetSize();
            });
            ASSERT_NE(source, sources.end()) << name;
            // An icon's colours come back premultiplied by its transparency; its shape does not.
            const int pixels = shown.GetWidth() * shown.GetHeight();
            EXPECT_TRUE(source->HasAlpha() ? std::equal(shown.GetAlpha(), shown.GetAlpha() + pixels, source->GetAlpha())
                                           : std::equal(shown.GetData(), shown.GetData() + 3 * pixels, source->GetData()))
                << name;
        }
}
} // namespace

TEST(Screens, EveryRecordedTimeAndEveryLineShowsWhole)
{
    for (wxLanguage language : {wxLANGUAGE_ENGLISH, wxLANGUAGE_JAPANESE, wxLANGUAGE_CHINESE_SIMPLIFIED})
        CheckWindowsIn(language);
}
