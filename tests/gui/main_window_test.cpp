#include "fake_clock.h"
#include "gui_test.h"
#include "mainwin/lapmark_dialog.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>

TEST(MainWindow, AfterConstruction)
{
    FakeClock clock;
    LapmarkDialog dialog(nullptr, wxID_ANY, clock);
    EXPECT_EQ(dialog.GetTitle(), "Lapmark");
    EXPECT_EQ(dialog.GetName(), "id");

    const struct
    {
        const char* name;
        const char* label;
    } labels[] = {
        {"ID_STATICTEXT_DISPLAY", "00:00:00.0"}, {"ID_STATICTEXT_SMALLDISP", "00:00:00.0"},
        {"ID_BUTTON_START", "&Start"},           {"ID_BUTTON_RESET", "Rese&t"},
        {"ID_BUTTON_LANG", "&Language..."},      {"ID_BUTTON_UPDATE", "&Update..."},
        {"wxID_ABOUT", "&About..."},
    };
    for (const auto& l : labels)
    {
        wxWindow* control = FindControl<wxWindow>(dialog, l.name);
        ASSERT_NE(control, nullptr) << l.name;
        EXPECT_EQ(control->GetLabel(), l.label) << l.name;
    }
    auto* start = FindControl<wxButton>(dialog, "ID_BUTTON_START");
    EXPECT_EQ(dialog.GetDefaultItem(), start);
    EXPECT_EQ(FindControl<wxButton>(dialog, "wxID_ABOUT")->GetId(), wxID_ABOUT);

    auto* list = FindControl<wxListCtrl>(dialog, "ID_LISTCTRL_SPLIT");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetColumnCount(), 0) << "columns come with the init-dialog event";
    EXPECT_EQ(list->GetItemCount(), 0);
    EXPECT_TRUE(dialog.GetTimer().IsRunning()) << "started by the constructor";

    dialog.InitDialog();
    EXPECT_FALSE(dialog.GetTimer().IsRunning()) << "stopped before the window shows";
    ASSERT_EQ(list->GetColumnCount(), 3);
    const struct
    {
        const char* heading;
        wxListColumnFormat align;
        int width;
    } columns[] = {{"No.", wxLIST_FORMAT_LEFT, 40},
                   {"Action", wxLIST_FORMAT_RIGHT, 80},
                   {"Value", wxLIST_FORMAT_LEFT, 80}};
    for (int i = 0; i < 3; ++i)
    {
        wxListItem column;
        column.SetMask(wxLIST_MASK_TEXT | wxLIST_MASK_FORMAT | wxLIST_MASK_WIDTH);
        ASSERT_TRUE(list->GetColumn(i, column));
        EXPECT_EQ(column.GetText(), columns[i].heading);
        EXPECT_EQ(column.GetAlign(), columns[i].align);
        EXPECT_EQ(list->GetColumnWidth(i), columns[i].width);
    }
}

TEST(MainWindow, CannotShrinkAndGrowingTallerGrowsOnlyTheList)
{
    FakeClock clock;
    LapmarkDialog dialog(nullptr, wxID_ANY, clock);
    EXPECT_EQ(dialog.GetMinSize(), dialog.GetSize()) << "cannot shrink below its content";
    auto* list = FindControl<wxWindow>(dialog, "ID_LISTCTRL_SPLIT");
    auto* start = FindControl<wxWindow>(dialog, "ID_BUTTON_START");
    auto* reset = FindControl<wxWindow>(dialog, "ID_BUTTON_RESET");
    auto* lang = FindControl<wxWindow>(dialog, "ID_BUTTON_LANG");
    auto* small = FindControl<wxWindow>(dialog, "ID_STATICTEXT_SMALLDISP");
    auto* display = FindControl<wxWindow>(dialog, "ID_STATICTEXT_DISPLAY");
    const wxSize size = dialog.GetSize();
    const wxRect listBefore = list->GetRect();
    const wxRect startBefore = start->GetRect();
    const wxRect langBefore = lang->GetRect();

    dialog.SetSize(size.x, size.y + 120);
    dialog.Layout();
    EXPECT_EQ(list->GetSize().y, listBefore.height + 120);
    EXPECT_EQ(list->GetSize().x, listBefore.width);
    EXPECT_EQ(start->GetRect(), startBefore);
    EXPECT_EQ(lang->GetSize(), langBefore.GetSize());
    EXPECT_EQ(lang->GetPosition().y, langBefore.y + 120);

    dialog.SetSize(size.x + 100, size.y);
    dialog.Layout();
    EXPECT_EQ(list->GetSize().x, listBefore.width + 100);
    // Start has a border on one side, Reset on both: with their borders they share the row.
    EXPECT_EQ(start->GetSize().x + 4, reset->GetSize().x + 8) << "Start and Reset share the row";
    EXPECT_EQ(display->GetSize().x + display->GetPosition().x + 4,
              small->GetPosition().x + small->GetSize().x + 4)
        << "the small readout sits at the right edge";
    EXPECT_EQ(lang->GetRect(), langBefore) << "the command row keeps its natural size";
}
