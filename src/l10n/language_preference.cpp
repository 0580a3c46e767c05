#include "l10n/language_preference.h"

#include <wx/config.h>
#include <wx/intl.h>
#include <wx/log.h>

int ReadLanguageSetting(wxConfigBase& config, const LanguageChooser& choose)
{
    wxString value;
    config.Read(LanguageKey, &value, wxString());
    if (value.empty())
    {
        const int language = choose();
        if (language == wxLANGUAGE_UNKNOWN)
            return wxLANGUAGE_DEFAULT;
        WriteLanguageSetting(config, language);
        return language;
    }
    if (value.Cmp(DefaultLanguageValue) == 0)
        return wxLANGUAGE_DEFAULT;
    if (const wxLanguageInfo* info = wxLocale::FindLanguageInfo(value))
        return info->Language;
    // A damaged file can hold a huge value; the message shows enough of it to recognise.
    constexpr size_t shown = 64;
    const wxString code = value.length() > shown ? value.Left(shown) + "..." : value;
    // TRANSLATORS: %s is the language code found in the settings.
    wxLogError(_("Uknown locale code '%s' in registry."), code);
    return wxLANGUAGE_DEFAULT;
}

void WriteLanguageSetting(wxConfigBase& config, int language)
{
    if (language == wxLANGUAGE_UNKNOWN)
        return;
    if (language == wxLANGUAGE_DEFAULT)
    {
        config.Write(LanguageKey, wxString(DefaultLanguageValue));
    }
    else
    {
        const wxLanguageInfo* info = wxLocale::GetLanguageInfo(language);
        if (!info)
            return;
        config.Write(LanguageKey, info->CanonicalName);
    }
    // The choice must be on disk before the user is told to restart, not only at exit.
    config.Flush();
}
