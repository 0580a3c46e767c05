#include "mainwin/split_rows.h"

#include <gtest/gtest.h>

TEST(SplitRows, NumberingAndShadingByPosition)
{
    EXPECT_EQ(SplitRowNumber(0), "#1");
    EXPECT_EQ(SplitRowNumber(1), "#2");
    EXPECT_EQ(SplitRowNumber(99999), "#100000");
    EXPECT_TRUE(IsShadedRow(0));
    EXPECT_FALSE(IsShadedRow(1));
    EXPECT_TRUE(IsShadedRow(2));
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

TEST(SplitRows, CopiedTextFollowsTheRowsAskedForInTheirOrder)
{
    using namespace std::chrono_literals;
    const std::vector<SplitRecord> records = {{75399ms, 75399ms, SplitAction::Split},
                                              {76633ms, 1234ms, SplitAction::Stop},
                                              {std::chrono::hours(100), 59999ms, SplitAction::Split}};
    const SplitCopyTexts texts{"N", "A", "V", "L", "sp", "st"};
    EXPECT_EQ(SplitRowsText(records, {2, 0, 3, 7, -1}, texts),
              "N\tA\tV\tL\n#3\tsp\t100:00:00.0\t00:00:59.9\n#1\tsp\t00:01:15.3\t00:01:15.3\n");
    EXPECT_EQ(SplitRowsText(records, {}, texts),
              "N\tA\tV\tL\n#1\tsp\t00:01:15.3\t00:01:15.3\n#2\tst\t00:01:16.6\t00:00:01.2\n"
              "#3\tsp\t100:00:00.0\t00:00:59.9\n");
}

TEST(SplitRows, SavedFileIsCsvOfEveryRow)
{
    using namespace std::chrono_literals;
    const std::vector<SplitRecord> records = {{75399ms, 75399ms, SplitAction::Split},
                                              {76633ms, 1234ms, SplitAction::Stop}};
    const struct
    {
        const char* what;
        SplitCopyTexts texts;
        std::string expected;
    } cases[] = {
        {"plain headings", {"No.", "Action", "Value", "Lap", "Split", "Stop"},
         "\xEF\xBB\xBFNo.,Action,Value,Lap\r\n#1,Split,00:01:15.3,00:01:15.3\r\n"
         "#2,Stop,00:01:16.6,00:00:01.2\r\n"},
        {"translated, with a comma, a quote and a line break to quote",
         {wxString::FromUTF8("番号"), "A,b", "say \"v\"", "L\nap", "sp", "st"},
         "\xEF\xBB\xBF\xE7\x95\xAA\xE5\x8F\xB7,\"A,b\",\"say \"\"v\"\"\",\"L\nap\"\r\n"
         "#1,sp,00:01:15.3,00:01:15.3\r\n#2,st,00:01:16.6,00:00:01.2\r\n"},
        {"an action with a carriage return", {"N", "A", "V", "L", "s\rp", "st"},
         "\xEF\xBB\xBFN,A,V,L\r\n#1,\"s\rp\",00:01:15.3,00:01:15.3\r\n#2,st,00:01:16.6,00:00:01.2\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitRowsCsv(records, c.texts), c.expected) << c.what;
    EXPECT_EQ(SplitRowsCsv({}, cases[0].texts), "\xEF\xBB\xBFNo.,Action,Value,Lap\r\n");
}

TEST(SplitRows, SavedFileNameSaysWhen)
{
    const wxDateTime when(9, wxDateTime::Dec, 2026, 7, 5, 9);
    EXPECT_EQ(LapsFileName(when), "Lapmark 2026-12-09 07-05-09.csv");
}
