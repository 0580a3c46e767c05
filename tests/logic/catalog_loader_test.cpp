#include "guards.h"
#include "l10n/catalog_loader.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <wx/intl.h>
#include <wx/translation.h>
#include <wx/utils.h>

#include <algorithm>

#include <filesystem>

namespace fs = std::filesystem;

namespace
{
std::vector<wxString> Names(const wxArrayString& names)
{
    return std::vector<wxString>(names.begin(), names.end());
}
} // namespace

TEST(CatalogLoader, ReportsOnlyTheChosenLanguagesThatHaveTheCatalog)
{
    TempDir ours, system;
    for (const fs::path& file : {ours.Path() / "ja" / "LC_MESSAGES" / "Lapmark.mo",
                                 system.Path() / "zh_CN" / "Lapmark.mo",
                                 system.Path() / "de" / "LC_MESSAGES" / "Lapmark.mo",
                                 system.Path() / "fr" / "LC_MESSAGES" / "other.mo"})
    {
        fs::create_directories(file.parent_path());
        WriteWholeFile(file.string(), "catalog");
    }
    wxArrayString prefixes;
    prefixes.Add(ours.Path().string());
    prefixes.Add(system.Path().string());
    wxArrayString chosen;
    for (const char* name : {"zh_CN", "zh", "ja", "fr"})
        chosen.Add(name);
    const ChosenLanguagesLoader loader(prefixes, chosen);
    EXPECT_EQ(Names(loader.GetAvailableTranslations("Lapmark")), (std::vector<wxString>{"zh_CN", "ja"}))
        << "de has the catalog but was not chosen; fr has another one";
    EXPECT_EQ(Names(loader.GetAvailableTranslations("other")), (std::vector<wxString>{"fr"}));
}

TEST(CatalogLoader, LoadsOnlyWhatIsThereUnderTheNameAskedFor)
{
    const struct
    {
        const char* language;
        bool loads;
    } cases[] = {{"ja", true}, {"zh_CN", true}, {"en", false}, {"de", false}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.language);
        wxArrayString prefixes;
        prefixes.Add(LAPMARK_BINARY_DIR "/no-such-folder");
        prefixes.Add(LAPMARK_BINARY_DIR "/locales");
        wxArrayString chosen;
        chosen.Add(c.language);
        wxTranslations translations; // owns the loader and the catalogs it loads
        translations.SetLoader(new ChosenLanguagesLoader(prefixes, chosen));
        translations.SetLanguage(c.language);
        EXPECT_EQ(translations.AddCatalog("Lapmark"), c.loads);
        EXPECT_EQ(translations.GetTranslatedString("&Start", "Lapmark") != nullptr, c.loads);
    }
}

TEST(CatalogLoader, NamesOfAChosenLanguageOrOfThePreferredOnes)
{
    EXPECT_EQ(Names(CatalogLanguageNames(wxLANGUAGE_CHINESE_SIMPLIFIED)),
              (std::vector<wxString>{"zh_CN", "zh"}));
    EXPECT_EQ(Names(CatalogLanguageNames(wxLANGUAGE_JAPANESE)), (std::vector<wxString>{"ja"}));

#ifndef __WXMSW__ // Windows has its own list of the user's languages
    EnvironmentGuard preferred("LANGUAGE", "fr:zh_CN");
    EnvironmentGuard locale("LC_ALL", "C");
    const std::vector<wxString> names = Names(CatalogLanguageNames(wxLANGUAGE_DEFAULT));
    for (const char* name : {"fr", "zh_CN", "zh"})
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
#endif
}

TEST(CatalogLoader, PrefixesAreOursInOrderThenTheSystemsEachOnce)
{
    EnvironmentGuard lcPath("LC_PATH", "/opt/catalogs");
    wxArrayString ours;
    for (const char* folder : {"./locales", "/opt/lapmark/locales", "./locales"})
        ours.Add(folder);
    const std::vector<wxString> prefixes = Names(CatalogPrefixes(ours));
    ASSERT_GE(prefixes.size(), 2u);
    EXPECT_EQ(prefixes[0], "./locales");
    EXPECT_EQ(prefixes[1], "/opt/lapmark/locales");
    for (const wxString& prefix : prefixes)
        EXPECT_EQ(std::count(prefixes.begin(), prefixes.end(), prefix), 1) << prefix;
#ifdef __UNIX__
    // The toolkit's own catalogs (its stock buttons and messages) are in the system's folder.
    for (const wxString& system : {wxString("/opt/catalogs"), wxString(wxGetInstallPrefix()) + "/share/locale"})
        EXPECT_NE(std::find(prefixes.begin() + 2, prefixes.end(), system), prefixes.end()) << system;
#endif
}
