#include "timing/split_columns.h"

#include "timing/time_text.h"

#include <wx/intl.h>

#include <algorithm>

namespace
{
const std::array<const char*, 2> ActionWords{wxTRANSLATE("Split"), wxTRANSLATE("Stop")};

const std::vector<SplitColumn> Columns{
    {wxTRANSLATE("No."), false, 40, true,
     [](const std::vector<SplitRecord>&, std::size_t row) {
         return SplitRowNumber(static_cast<long>(row));
     },
     nullptr},
    {wxTRANSLATE("Action"), true, 80, true,
     [](const std::vector<SplitRecord>& records, std::size_t row) {
         return std::string(SplitActionKey(records[row].action));
     },
     &ActionWords},
    {wxTRANSLATE("Value"), false, 80, true,
     [](const std::vector<SplitRecord>& records, std::size_t row) {
         return FormatTimeText(records[row].total);
     },
     nullptr},
    {wxTRANSLATE("Lap"), false, 80, false,
     [](const std::vector<SplitRecord>& records, std::size_t row) {
         return FormatTimeText(records[row].lap);
     },
     nullptr},
};
} // namespace

const std::vector<SplitColumn>& SplitColumns()
{
    return Columns;
}

std::size_t SplitListColumnCount()
{
    return static_cast<std::size_t>(
        std::count_if(Columns.begin(), Columns.end(), [](const SplitColumn& c) { return c.inList; }));
}

wxString TranslateNow(const char* key)
{
    return wxGetTranslation(key);
}

wxString SplitCellText(const SplitColumn& column, const std::vector<SplitRecord>& records,
                       std::size_t row, const Translate& translate)
{
    const std::string cell = column.cell(records, row);
    return column.words ? translate(cell.c_str()) : wxString::FromUTF8(cell);
}

SplitColumnWidths::SplitColumnWidths(std::vector<int> leastWidths, int padding)
    : m_widths(std::move(leastWidths)), m_padding(padding)
{
}

bool SplitColumnWidths::FitText(std::size_t column, int textWidth)
{
    return FitWidth(column, textWidth + m_padding);
}

bool SplitColumnWidths::FitWidth(std::size_t column, int width)
{
    if (width <= m_widths[column])
        return false;
    m_widths[column] = width;
    return true;
}

namespace
{
std::string Plain(const std::string& field)
{
    return field;
}

/// A CSV field: quoted when it holds a separator, a quote or a line break, quotes doubled.
std::string CsvField(const std::string& field)
{
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (char c : field)
    {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

/// The header and the rows at `rows` (every row when empty) as lines of every column in UTF-8,
/// each field written through `field`.
std::string RowsAsLines(const std::vector<SplitRecord>& records, const std::vector<long>& rows,
                        const Translate& translate, char separator, const char* lineEnd,
                        std::string (*field)(const std::string&))
{
    // Built as UTF-8 and converted once, words translated once: 100,000 rows copy in a blink.
    std::string text;
    std::vector<std::vector<std::pair<std::string, std::string>>> words;
    for (const SplitColumn& column : Columns)
    {
        if (&column != &Columns.front())
            text += separator;
        text += field(translate(column.heading).utf8_string());
        words.emplace_back();
        if (column.words)
            for (const char* key : *column.words)
                words.back().emplace_back(key, field(translate(key).utf8_string()));
    }
    text += lineEnd;
    const long count = static_cast<long>(records.size());
    text.reserve(text.size() + 40 * (rows.empty() ? records.size() : rows.size()));
    const auto appendRow = [&](long row) {
        for (std::size_t c = 0; c < Columns.size(); ++c)
        {
            if (c > 0)
                text += separator;
            const std::string cell = Columns[c].cell(records, static_cast<std::size_t>(row));
            const auto word = std::find_if(words[c].begin(), words[c].end(),
                                           [&](const auto& known) { return known.first == cell; });
            text += word != words[c].end() ? word->second : field(cell);
        }
        text += lineEnd;
    };
    if (rows.empty())
    {
        for (long row = 0; row < count; ++row)
            appendRow(row);
    }
    for (long row : rows)
        if (row >= 0 && row < count)
            appendRow(row);
    return text;
}
} // namespace

wxString SplitRowsText(const std::vector<SplitRecord>& records, const std::vector<long>& rows,
                       const Translate& translate)
{
    return wxString::FromUTF8(RowsAsLines(records, rows, translate, '\t', "\n", Plain));
}

std::string SplitRowsCsv(const std::vector<SplitRecord>& records, const Translate& translate)
{
    // The byte-order mark tells a spreadsheet the file is UTF-8, so translated headings show.
    return "\xEF\xBB\xBF" + RowsAsLines(records, {}, translate, ',', "\r\n", CsvField);
}
