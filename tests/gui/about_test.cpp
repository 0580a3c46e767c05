#include "about/about_dlg.h"
#include "about/browser.h"
#include "gui_test.h"

TEST(AboutBox, Placeholder)
{
    AboutDlg about(nullptr, wxID_ANY);
    EXPECT_EQ(about.GetTitle(), "About...");
}
