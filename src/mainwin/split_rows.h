#pragma once

#include "mainwin/time_text.h"

#include <wx/datetime.h>
#include <wx/string.h>

#include <cstdint>
#include <string>
#include <vector>

/// The number text of the row that follows `rowCount` rows: "#1" for the first.
std::string SplitRowNumber(long rowCount);

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

/// One row of the split list as measured, kept beside the list so a copy never has to parse the
/// list's text: the total and the lap, both taken at the row's instant.
struct SplitRecord
{
    Milliseconds total;
    Milliseconds lap;
    SplitAction action;
};

/// The texts a copy of the split list is written with, already translated.
struct SplitCopyTexts
{
    wxString numberHeading;
    wxString actionHeading;
    wxString valueHeading;
    wxString lapHeading;
    wxString split; ///< the name of SplitAction::Split
    wxString stop;  ///< the name of SplitAction::Stop
};

/// The rows at `rows` (0-based, in the order given; every row when empty) as plain text for the
/// clipboard: a header line, then one line per row with the number, the action, the total and
/// the lap separated by tabs, each line ended by a newline. Indexes past the end are skipped.
wxString SplitRowsText(const std::vector<SplitRecord>& records, const std::vector<long>& rows,
                       const SplitCopyTexts& texts);

/// Every row as a CSV file's bytes: the copy's header and rows, comma-separated, a field with a
/// comma, a quote or a line break quoted, lines ended by CR LF, in UTF-8 after a byte-order mark.
std::string SplitRowsCsv(const std::vector<SplitRecord>& records, const SplitCopyTexts& texts);

/// The name a file of laps saved at `when` is proposed under: "Lapmark 2026-12-09 17-05-09.csv".
wxString LapsFileName(const wxDateTime& when);
