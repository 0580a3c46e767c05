#pragma once

#include <wx/arrstr.h>
#include <wx/translation.h>

/// Finds catalogs like the toolkit's own loader, but looks only for the languages this run can
/// use. The toolkit's loader lists every folder below every catalog prefix to learn which
/// languages exist, once per catalog, and the system's locale folder holds hundreds: that was
/// most of what the locale set-up cost at start-up.
class ChosenLanguagesLoader : public wxFileTranslationsLoader
{
public:
    /// `prefixes` are the folders holding <lang>/LC_MESSAGES/<domain>.mo (ours and the system's);
    /// `languages` the names a catalog may be found under.
    ChosenLanguagesLoader(const wxArrayString& prefixes, const wxArrayString& languages);

    /// Those of the languages that have the catalog below one of the prefixes.
    wxArrayString GetAvailableTranslations(const wxString& domain) const override;

private:
    wxArrayString m_prefixes;
    wxArrayString m_languages;
};

/// The names a catalog for `language` may be found under: its canonical name and its base
/// language ("zh_CN", "zh"); for wxLANGUAGE_DEFAULT, those of each language the user prefers.
wxArrayString CatalogLanguageNames(int language);

/// Where catalogs are looked for: the program's own folders first, then the system's.
wxArrayString CatalogPrefixes(const wxArrayString& programFolders);
