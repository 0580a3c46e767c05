#pragma once

#include "timing/split_rows.h"

#include <wx/string.h>

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

/// A column of the record of a run. The list shows some of them; a copy and a saved file hold
/// them all, in this order.
struct SplitColumn
{
    const char* heading; ///< catalog key, translated when it is shown or written
    bool rightAligned;
    int width;   ///< the least width in the list, in pixels at 96 dpi and the default text size
    bool inList; ///< shown in the list
    /// The cell of row `row`, in UTF-8; a catalog key when `words` is set.
    std::string (*cell)(const std::vector<SplitRecord>& records, std::size_t row);
    /// Every catalog key the cell can be, so the column fits the longest word before it is shown;
    /// null when the cell is not a word.
    const std::array<const char*, 2>* words;
};

/// The columns: number, action and total in the list; the lap only in copies and files.
const std::vector<SplitColumn>& SplitColumns();

/// How many of the columns the list shows; they come first.
std::size_t SplitListColumnCount();

/// Looks up a catalog key in the language the program speaks.
using Translate = std::function<wxString(const char*)>;

/// The translation the program uses now (the toolkit's lookup).
wxString TranslateNow(const char* key);

/// The text of `column` for row `row`, translated through `translate` where it is a word.
wxString SplitCellText(const SplitColumn& column, const std::vector<SplitRecord>& records,
                       std::size_t row, const Translate& translate = TranslateNow);

/// The rows at `rows` (0-based, in the order given; every row when empty) as plain text for the
/// clipboard: a header line, then one line per row with every column's cell separated by tabs,
/// each line ended by a newline. Indexes past the end are skipped.
wxString SplitRowsText(const std::vector<SplitRecord>& records, const std::vector<long>& rows,
                       const Translate& translate = TranslateNow);

/// Every row as a CSV file's bytes: the copy's header and rows, comma-separated, a field with a
/// comma, a quote or a line break quoted, lines ended by CR LF, in UTF-8 after a byte-order mark.
std::string SplitRowsCsv(const std::vector<SplitRecord>& records,
                         const Translate& translate = TranslateNow);

/// The list's column widths, one rule on every platform: never narrower than the column's least
/// width, and at least as wide as its heading and every cell it holds (each text's width in the
/// list's font plus a cell's padding). Columns only grow.
class SplitColumnWidths
{
public:
    /// `leastWidths`: each shown column's least width, already converted for the window's DPI.
    SplitColumnWidths(std::vector<int> leastWidths, int padding);

    /// Widens `column` to hold a cell whose text is `textWidth` wide; true when it grew.
    bool FitText(std::size_t column, int textWidth);
    /// Widens `column` to `width`, padding included (a heading, measured whole); true when it grew.
    bool FitWidth(std::size_t column, int width);
    int Width(std::size_t column) const { return m_widths[column]; }

private:
    std::vector<int> m_widths;
    int m_padding;
};
