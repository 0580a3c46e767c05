#include "timing/split_rows.h"

#include <gtest/gtest.h>

TEST(SplitRows, NumberedFromOne)
{
    EXPECT_EQ(SplitRowNumber(0), "#1");
    EXPECT_EQ(SplitRowNumber(1), "#2");
    EXPECT_EQ(SplitRowNumber(99999), "#100000");
}

TEST(SplitRows, ShadeFollowsTheTheme)
{
    // A light theme: one pale grey, whatever background the toolkit reports.
    const Rgb pale = RowShade(false, {255, 255, 255});
    EXPECT_EQ(RowShade(false, {30, 30, 30}), pale);
    EXPECT_TRUE(pale.red == pale.green && pale.green == pale.blue);
    EXPECT_LT(pale.red, 255);
    EXPECT_GT(pale.red, 200);
    const Rgb dark{30, 32, 34};
    const Rgb shade = RowShade(true, dark);
    EXPECT_GT(shade.red, dark.red);
    EXPECT_GT(shade.green, dark.green);
    EXPECT_GT(shade.blue, dark.blue);
    EXPECT_LT(shade.red, 100); // still dark: light text stays readable
    EXPECT_EQ(RowShade(true, {250, 250, 250}), (Rgb{255, 255, 255}));
}

TEST(SplitRows, SavedFileNameSaysWhen)
{
    // Hours run to 23: an afternoon's file sorts after the morning's.
    EXPECT_EQ(LapsFileName(wxDateTime(9, wxDateTime::Dec, 2026, 7, 5, 9)), "Lapmark 2026-12-09 07-05-09.csv");
    EXPECT_EQ(LapsFileName(wxDateTime(9, wxDateTime::Dec, 2026, 19, 5, 9)), "Lapmark 2026-12-09 19-05-09.csv");
}
