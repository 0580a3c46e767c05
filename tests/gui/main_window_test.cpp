#include "fake_clock.h"
#include "gui_test.h"
#include "mainwin/lapmark_dialog.h"
#include "split_list_view.h"

#include <wx/button.h>
#include <wx/stattext.h>

TEST(MainWindow, AfterConstruction)
{
    FakeClock clock;
    LapmarkDialog dialog(nullptr, wxID_ANY, clock);
    EXPECT_EQ(dialog.GetTitle(), "Lapmark");

    // The controls' texts are read as a user hears them in the whole-program screen-reader test.
    auto* start = FindControl<wxButton>(dialog, "ID_BUTTON_START");
    EXPECT_EQ(dialog.GetDefaultItem(), start);

    ASSERT_NE(FindControl<wxWindow>(dialog, "ID_LISTCTRL_SPLIT"), nullptr);
    SplitList& list = dialog.GetSplitList();
    EXPECT_EQ(list.GetColumnCount(), 0) << "columns come with the init-dialog event";
    EXPECT_EQ(list.GetRowCount(), 0);
    EXPECT_TRUE(dialog.GetTimer().IsRunning()) << "started by the constructor";

    dialog.InitDialog();
    EXPECT_FALSE(dialog.GetTimer().IsRunning()) << "stopped before the window shows";
    ASSERT_EQ(list.GetColumnCount(), 3);
    const struct
    {
        const char* heading;
        bool rightAligned;
        int width;
    } columns[] = {{"No.", false, 40}, {"Action", true, 80}, {"Value", false, 80}};
    dialog.InitDialog(); // shown once more
    ASSERT_EQ(list.GetColumnCount(), 3) << "the columns are made once";
    for (int i = 0; i < 3; ++i)
    {
        const ShownColumn column = SplitListView(list).Column(i);
        EXPECT_EQ(column.heading, columns[i].heading);
        EXPECT_EQ(column.rightAligned, columns[i].rightAligned) << i;
        EXPECT_EQ(column.width, columns[i].width) << i;
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
    // Start has a border on one side, Reset on both: with their borders they share the row (the
    // sizer gives an odd pixel to one of them).
    EXPECT_NEAR(start->GetSize().x + 4, reset->GetSize().x + 8, 1) << "Start and Reset share the row";
    EXPECT_EQ(display->GetSize().x + display->GetPosition().x + 4,
              small->GetPosition().x + small->GetSize().x + 4)
        << "the small readout sits at the right edge";
    EXPECT_EQ(lang->GetRect(), langBefore) << "the command row keeps its natural size";
}
