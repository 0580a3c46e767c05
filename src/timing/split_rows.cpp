#include "timing/split_rows.h"

#include <wx/filename.h>
#include <wx/intl.h>

#include <algorithm>

std::string SplitRowNumber(long index)
{
    return "#" + std::to_string(index + 1);
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

SplitRecord RowAt(const std::vector<SplitRecord>& before, SplitAction action, Milliseconds total)
{
    const Milliseconds last = before.empty() ? Milliseconds{0} : AsShown(before.back().total);
    return {total, action, AsShown(total) - last};
}

const char* SplitActionKey(SplitAction action)
{
    return action == SplitAction::Stop ? wxTRANSLATE("Stop") : wxTRANSLATE("Split");
}

wxString WithCsvExtension(const wxString& path)
{
    return wxFileName(path).HasExt() ? path : path + ".csv";
}

wxString LapsFileName(const wxDateTime& when)
{
    // No colons: Windows does not allow them in a file name.
    return "Lapmark " + when.Format("%Y-%m-%d %H-%M-%S") + ".csv";
}
