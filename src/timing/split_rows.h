#pragma once

#include "timing/time_text.h"

#include <wx/datetime.h>
#include <wx/string.h>

#include <cstdint>
#include <string>
#include <vector>

/// The number text of the row at 0-based `index`: "#1" for the first.
std::string SplitRowNumber(long index);

/// Rows at even positions (#1, #3, ...) are shaded, whatever their action.
inline bool IsShadedRow(long index)
{
    return index % 2 == 0;
}

/// A colour as three 8-bit channels, free of any display.
struct Rgb
{
    unsigned char red;
    unsigned char green;
    unsigned char blue;
    bool operator==(const Rgb& other) const
    {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

/// The light-theme row shade.
inline constexpr Rgb RowShadeColour{242, 242, 242};

/// The shade for rows on a list with this background: light grey on a light theme, on a dark
/// theme a colour a little lighter than the background so light text stays readable.
Rgb RowShade(bool darkTheme, Rgb listBackground);

/// What a row of the split list records.
enum class SplitAction : std::uint8_t
{
    Split,
    Stop,
};

/// The catalog key of an action's name; translate it at the moment of use.
const char* SplitActionKey(SplitAction action);

/// One row of a run as measured, so a copy never has to parse the list's text: the total at the
/// row's instant, the action, and the lap as shown.
struct SplitRecord
{
    Milliseconds total;
    SplitAction action;
    Milliseconds lap{0};
};

/// Milliseconds as the list shows them: whole tenths.
inline Milliseconds AsShown(Milliseconds elapsed)
{
    return elapsed - elapsed % 100;
}

/// The row that follows `before` for `action` at `total`. Its lap is the difference of two
/// totals as they are shown, so a column of laps adds up to the last total exactly, a pause
/// included.
SplitRecord RowAt(const std::vector<SplitRecord>& before, SplitAction action, Milliseconds total);

/// `path` with ".csv" added when its name has no extension, so a name typed bare is still a file
/// of laps that the save dialog lists and a spreadsheet opens.
wxString WithCsvExtension(const wxString& path);

/// The name a file of laps saved at `when` is proposed under: "Lapmark 2026-12-09 17-05-09.csv".
wxString LapsFileName(const wxDateTime& when);
