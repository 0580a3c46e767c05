#include "l10n/language_preference.h"

#include <wx/config.h>
#include <wx/intl.h>
#include <wx/log.h>

int ReadLanguageSetting(wxConfigBase& config, const LanguageChooser& choose)
{
    wxString value;
    bool read = false;
    {
        // A value that is there but is not text (a registry value of another type): the toolkit
        // would report it in its own words and then record an empty value over it.
        wxLogNull quiet;
        read = config.Read(LanguageKey, &value);
    }
    if (!read && config.HasEntry(LanguageKey))
    {
        // Kept as it is, like a settings file that cannot be read, until a language is chosen.
        wxLogWarning(_("The stored interface language cannot be read. It is left as it is until "
                       "you choose a language."));
        return wxLANGUAGE_DEFAULT;
    }
    if (!read)
        config.Read(LanguageKey, &value, wxString()); // recorded as empty, as start-up asks
    if (value.empty())
    {
        const int language = choose();
        if (language == wxLANGUAGE_UNKNOWN)
            return wxLANGUAGE_DEFAULT;
        WriteLanguageSetting(config, language);
        return language;
    }
    const int language = LanguageOfStoredValue(value);
    if (language != wxLANGUAGE_UNKNOWN)
        return language;
    // A damaged file can hold a huge value; the message shows enough of it to recognise.
    constexpr size_t shown = 64;
    const wxString code = value.length() > shown ? value.Left(shown) + "..." : value;
    // TRANSLATORS: %s is the language code found in the settings.
    wxLogError(_("Uknown locale code '%s' in registry."), code);
    return wxLANGUAGE_DEFAULT;
}

int LanguageOfStoredValue(const wxString& value)
{
    if (value.Cmp(DefaultLanguageValue) == 0)
        return wxLANGUAGE_DEFAULT;
    if (const wxLanguageInfo* info = value.empty() ? nullptr : wxLocale::FindLanguageInfo(value))
        return info->Language;
    return wxLANGUAGE_UNKNOWN;
}

int StoredLanguage(wxConfigBase& config)
{
    wxLogNull quiet; // a value that is not text is ReadLanguageSetting's to report
    wxString value;
    return config.Read(LanguageKey, &value) ? LanguageOfStoredValue(value) : wxLANGUAGE_UNKNOWN;
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
