#include "l10n/catalog_loader.h"

#include <wx/filefn.h>
#include <wx/intl.h>
#include <wx/stdpaths.h>
#include <wx/uilocale.h>
#include <wx/utils.h>

namespace
{
void AddOnce(wxArrayString& names, const wxString& name)
{
    if (!name.empty() && names.Index(name) == wxNOT_FOUND)
        names.Add(name);
}

/// The name and, for a name with a country part, the language alone.
void AddWithBase(wxArrayString& names, const wxString& name)
{
    AddOnce(names, name);
    AddOnce(names, name.BeforeFirst('_'));
}
} // namespace

ChosenLanguagesLoader::ChosenLanguagesLoader(const wxArrayString& prefixes,
                                             const wxArrayString& languages)
    : m_languages(languages)
{
    // A prefix that is not there is asked once, not once for every name of every catalog.
    for (const wxString& prefix : prefixes)
        if (wxDirExists(prefix))
            m_prefixes.Add(prefix);
}

wxString ChosenLanguagesLoader::FindCatalog(const wxString& domain, const wxString& language) const
{
    for (const wxString& prefix : m_prefixes)
    {
        const wxString folder = prefix + wxFILE_SEP_PATH + language;
        if (!wxDirExists(folder))
            continue;
        for (const wxString& file : {folder + wxFILE_SEP_PATH + "LC_MESSAGES" + wxFILE_SEP_PATH + domain + ".mo",
                                     folder + wxFILE_SEP_PATH + domain + ".mo"})
            if (wxFileExists(file))
                return file;
    }
    return wxString();
}

wxArrayString ChosenLanguagesLoader::GetAvailableTranslations(const wxString& domain) const
{
    wxArrayString available;
    for (const wxString& language : m_languages)
        if (!FindCatalog(domain, language).empty())
            available.Add(language);
    return available;
}

wxMsgCatalog* ChosenLanguagesLoader::LoadCatalog(const wxString& domain, const wxString& language)
{
    const wxString file = FindCatalog(domain, language);
    return file.empty() ? nullptr : wxMsgCatalog::CreateFromFile(file, domain);
}

wxArrayString CatalogLanguageNames(int language)
{
    wxArrayString names;
    if (language == wxLANGUAGE_DEFAULT)
    {
        for (const wxString& preferred : wxUILocale::GetPreferredUILanguages())
            AddWithBase(names, preferred);
    }
    else if (const wxLanguageInfo* info = wxLocale::GetLanguageInfo(language))
    {
        AddWithBase(names, info->CanonicalName);
    }
    return names;
}

wxArrayString CatalogPrefixes(const wxArrayString& programFolders)
{
    wxArrayString prefixes;
    for (const wxString& folder : programFolders)
        AddOnce(prefixes, folder);
    // The toolkit's own places, in its order: its resources (on Windows the program's folder),
    // and on Unix its installation and LC_PATH.
    AddOnce(prefixes, wxStandardPaths::Get().GetResourcesDir());
#ifdef wxHAS_STDPATHS_INSTALL_PREFIX
    AddOnce(prefixes, wxStandardPaths::Get().GetInstallPrefix() + "/share/locale");
#endif
#ifdef __UNIX__
    wxString lcPath;
    if (wxGetEnv("LC_PATH", &lcPath))
        AddOnce(prefixes, lcPath);
    AddOnce(prefixes, wxString(wxGetInstallPrefix()) + "/share/locale");
#endif
    return prefixes;
}
