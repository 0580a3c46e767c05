#pragma once

#include <wx/string.h>

#include <vector>

class wxArrayString;

/// One row of the language selection list.
struct LanguageChoice
{
    wxString label;
    int language;
};

/// The rows in display order, the first label translated now, followed by the end row (an
/// empty label and wxLANGUAGE_UNKNOWN).
std::vector<LanguageChoice> LanguageChoices();

/// The labels shown to the user: every row up to, not including, the first empty label.
wxArrayString LanguageLabels(const std::vector<LanguageChoice>& rows);

/// The language of the row the user picked, or wxLANGUAGE_UNKNOWN for -1 (cancelled) or a
/// row that does not exist.
int LanguageAt(const std::vector<LanguageChoice>& rows, int index);

/// The row of `language` in the list, or -1 when it has none.
int LanguageRow(const std::vector<LanguageChoice>& rows, int language);
