#pragma once

#include <wx/arrstr.h>
#include <wx/translation.h>

/// Finds catalogs like the toolkit's own loader, but looks only for the languages this run can
/// use, and only in the prefixes that exist. The toolkit's loader lists every folder below every
/// catalog prefix to learn which languages exist, once per catalog (the system's locale folder
/// holds hundreds), and then looks for each catalog under several names in every prefix, even
/// for the language the program is written in, which has no catalog.
class ChosenLanguagesLoader : public wxFileTranslationsLoader
{
public:
    /// `prefixes` are the folders holding <lang>/LC_MESSAGES/<domain>.mo (ours and the system's);
    /// `languages` the names a catalog may be found under.
    ChosenLanguagesLoader(const wxArrayString& prefixes, const wxArrayString& languages);

    /// Those of the languages that have the catalog below one of the prefixes.
    wxArrayString GetAvailableTranslations(const wxString& domain) const override;

    /// The catalog of `domain` for `language` from the first prefix that has it, or null.
    wxMsgCatalog* LoadCatalog(const wxString& domain, const wxString& language) override;

private:
    /// The file of `domain` for `language` in the first prefix that has one, or "".
    wxString FindCatalog(const wxString& domain, const wxString& language) const;

    wxArrayString m_prefixes;
    wxArrayString m_languages;
};

/// The names a catalog for `language` may be found under: its canonical name and its base
/// language ("zh_CN", "zh"); for wxLANGUAGE_DEFAULT, those of each language the user prefers.
wxArrayString CatalogLanguageNames(int language);

/// Where catalogs are looked for: the program's own folders first, then the system's.
wxArrayString CatalogPrefixes(const wxArrayString& programFolders);
