#include "l10n/language_choice.h"

#include <wx/arrstr.h>
#include <wx/intl.h>

std::vector<LanguageChoice> LanguageChoices()
{
    // The language names stay as written in every language, so a reader can find their own.
    return {
        {_("(Use default language)"), wxLANGUAGE_DEFAULT},
        {"Chinese (Simplified)", wxLANGUAGE_CHINESE_SIMPLIFIED},
        {"English", wxLANGUAGE_ENGLISH},
        {"Japanese", wxLANGUAGE_JAPANESE},
        {wxString(), wxLANGUAGE_UNKNOWN},
    };
}

wxArrayString LanguageLabels(const std::vector<LanguageChoice>& rows)
{
    wxArrayString labels;
    for (const LanguageChoice& row : rows)
    {
        if (row.label.empty())
            break;
        labels.Add(row.label);
    }
    return labels;
}

int LanguageAt(const std::vector<LanguageChoice>& rows, int index)
{
    if (index < 0 || index >= static_cast<int>(LanguageLabels(rows).size()))
        return wxLANGUAGE_UNKNOWN;
    return rows[static_cast<size_t>(index)].language;
}

int LanguageRow(const std::vector<LanguageChoice>& rows, int language)
{
    const int shown = static_cast<int>(LanguageLabels(rows).size());
    for (int row = 0; row < shown; ++row)
        if (rows[static_cast<size_t>(row)].language == language)
            return row;
    return -1;
}
