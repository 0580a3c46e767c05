#include "mainwin/split_rows.h"

#include <wx/intl.h>

#include <algorithm>

std::string SplitRowNumber(long rowCount)
{
    return "#" + std::to_string(rowCount + 1);
}

Rgb RowShade(bool darkTheme, Rgb listBackground)
{
    if (!darkTheme)
        return RowShadeColour;
    // A fixed step, enough to see the stripes yet far from the light text colour.
    const auto lighter = [](unsigned char channel) {
        return static_cast<unsigned char>(std::min(255, channel + 24));
    };
    return {lighter(listBackground.red), lighter(listBackground.green), lighter(listBackground.blue)};
}

const char* SplitActionKey(SplitAction action)
{
    return action == SplitAction::Stop ? wxTRANSLATE("Stop") : wxTRANSLATE("Split");
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

/// The header and the rows at `rows` (every row when empty) as lines of four fields in UTF-8,
/// each field written through `field`.
std::string RowsAsLines(const std::vector<SplitRecord>& records, const std::vector<long>& rows,
                        const SplitCopyTexts& texts, char separator, const char* lineEnd,
                        std::string (*field)(const std::string&))
{
    // Built as UTF-8 and converted once: 100,000 rows copy in a blink.
    const std::string split = field(texts.split.utf8_string());
    const std::string stop = field(texts.stop.utf8_string());
    std::string text = field(texts.numberHeading.utf8_string()) + separator +
                       field(texts.actionHeading.utf8_string()) + separator +
                       field(texts.valueHeading.utf8_string()) + separator +
                       field(texts.lapHeading.utf8_string()) + lineEnd;
    const long count = static_cast<long>(records.size());
    text.reserve(text.size() + 40 * (rows.empty() ? records.size() : rows.size()));
    const auto appendRow = [&](long row) {
        const SplitRecord& record = records[static_cast<std::size_t>(row)];
        text += SplitRowNumber(row);
        text += separator;
        text += record.action == SplitAction::Stop ? stop : split;
        text += separator;
        text += FormatTimeText(record.total);
        text += separator;
        text += FormatTimeText(record.lap);
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
                       const SplitCopyTexts& texts)
{
    return wxString::FromUTF8(RowsAsLines(records, rows, texts, '\t', "\n", Plain));
}

std::string SplitRowsCsv(const std::vector<SplitRecord>& records, const SplitCopyTexts& texts)
{
    // The byte-order mark tells a spreadsheet the file is UTF-8, so translated headings show.
    return "\xEF\xBB\xBF" + RowsAsLines(records, {}, texts, ',', "\r\n", CsvField);
}

wxString LapsFileName(const wxDateTime& when)
{
    // No colons: Windows does not allow them in a file name.
    return "Lapmark " + when.Format("%Y-%m-%d %H-%M-%S") + ".csv";
}
