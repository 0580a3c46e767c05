#include "timing/split_columns.h"

#include <gtest/gtest.h>

#include <map>

using namespace std::chrono_literals;

namespace
{
/// A catalog of our own: every key the columns use, mapped to the text given (or kept).
Translate Catalog(std::map<std::string, wxString> texts)
{
    return [texts = std::move(texts)](const char* key) {
        const auto found = texts.find(key);
        return found == texts.end() ? wxString(key) : found->second;
    };
}

/// Rows as a run records them, each lap from the row before.
std::vector<SplitRecord> Recorded(std::initializer_list<std::pair<Milliseconds, SplitAction>> rows)
{
    std::vector<SplitRecord> records;
    for (const auto& [total, action] : rows)
        records.push_back(RowAt(records, action, total));
    return records;
}
} // namespace

TEST(SplitColumns, CopiedRowsInTheOrderAskedWithLapsThatAddUpToTheTotal)
{
    // 1.55 s, a stop at 2.25 s, resumed: the next split at 3.19 s. As shown: 1.5, 2.2, 3.1, so
    // the laps 1.5 + 0.7 + 0.9 = 3.1, never counting the time up to the stop twice.
    const std::vector<SplitRecord> records = Recorded({{1550ms, SplitAction::Split},
                                                       {2250ms, SplitAction::Stop},
                                                       {3190ms, SplitAction::Split},
                                                       {std::chrono::hours(100), SplitAction::Split}});
    const Translate english = Catalog({});
    EXPECT_EQ(SplitRowsText(records, {1, 0, 4, -1}, english),
              "No.\tAction\tValue\tLap\n#2\tStop\t00:00:02.2\t00:00:00.7\n"
              "#1\tSplit\t00:00:01.5\t00:00:01.5\n");
    EXPECT_EQ(SplitRowsText(records, {}, english),
              "No.\tAction\tValue\tLap\n#1\tSplit\t00:00:01.5\t00:00:01.5\n"
              "#2\tStop\t00:00:02.2\t00:00:00.7\n#3\tSplit\t00:00:03.1\t00:00:00.9\n"
              "#4\tSplit\t100:00:00.0\t99:59:56.9\n");
}

TEST(SplitColumns, SavedFileIsCsvOfEveryRowInTheCatalogsWords)
{
    const std::vector<SplitRecord> records = Recorded({{75399ms, SplitAction::Split},
                                                       {76633ms, SplitAction::Stop}});
    const struct
    {
        const char* what;
        Translate translate;
        std::string expected;
    } cases[] = {
        {"as written", Catalog({}),
         "\xEF\xBB\xBFNo.,Action,Value,Lap\r\n#1,Split,00:01:15.3,00:01:15.3\r\n"
         "#2,Stop,00:01:16.6,00:00:01.3\r\n"},
        {"translated, with a comma, a quote and line breaks to quote",
         Catalog({{"No.", wxString::FromUTF8("番号")},
                  {"Action", "A,b"},
                  {"Value", "say \"v\""},
                  {"Lap", "L\nap"},
                  {"Split", "s\rp"},
                  {"Stop", "st"}}),
         "\xEF\xBB\xBF\xE7\x95\xAA\xE5\x8F\xB7,\"A,b\",\"say \"\"v\"\"\",\"L\nap\"\r\n"
         "#1,\"s\rp\",00:01:15.3,00:01:15.3\r\n#2,st,00:01:16.6,00:00:01.3\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitRowsCsv(records, c.translate), c.expected) << c.what;
    EXPECT_EQ(SplitRowsCsv({}, Catalog({})), "\xEF\xBB\xBFNo.,Action,Value,Lap\r\n");
}

TEST(SplitColumns, TheListShowsNumberActionAndTotal)
{
    ASSERT_EQ(SplitListColumnCount(), 3u);
    const std::vector<SplitRecord> records = {{1550ms, SplitAction::Split}, {2250ms, SplitAction::Stop}};
    const Translate japanese = Catalog({{"Split", wxString::FromUTF8("スプリット")}});
    const char* const cells[][3] = {{"#1", "スプリット", "00:00:01.5"}, {"#2", "Stop", "00:00:02.2"}};
    for (std::size_t row = 0; row < 2; ++row)
        for (std::size_t c = 0; c < 3; ++c)
            EXPECT_EQ(SplitCellText(SplitColumns()[c], records, row, japanese),
                      wxString::FromUTF8(cells[row][c]));
}

TEST(SplitColumns, WidthsHoldTheirTextPlusPaddingAndNeverShrinkBelowTheLeast)
{
    SplitColumnWidths widths({60, 120, 120}, 10);
    const struct
    {
        std::size_t column;
        int text;     // a text's width, or a whole heading's when negative
        bool grows;
        int width;
    } steps[] = {
        {0, 50, false, 60},  // fits, padding included
        {0, 51, true, 61},   // one more pixel of text
        {0, 30, false, 61},  // a narrower text never shrinks it
        {2, 200, true, 210}, // a column apart from the others
        {1, -130, true, 130}, // a heading, measured whole
        {1, -125, false, 130},
    };
    for (const auto& s : steps)
    {
        const bool grew = s.text < 0 ? widths.FitWidth(s.column, -s.text) : widths.FitText(s.column, s.text);
        EXPECT_EQ(grew, s.grows) << s.column << " " << s.text;
        EXPECT_EQ(widths.Width(s.column), s.width) << s.column << " " << s.text;
    }
}
