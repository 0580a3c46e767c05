#include "l10n/language_dialogs.h"

#include "l10n/language_choice.h"
#include "l10n/language_preference.h"

#include <wx/choicdlg.h>
#include <wx/config.h>
#include <wx/intl.h>
#include <wx/msgdlg.h>

int ChooseLanguage()
{
    const std::vector<LanguageChoice> rows = LanguageChoices();
    const wxString caption = _("Language selection");
    const wxString prompt = _("Select your prefered language");
    const int index = wxGetSingleChoiceIndex(prompt, caption, LanguageLabels(rows), nullptr, -1,
                                             -1, true, 200, 150);
    return LanguageAt(rows, index);
}

void ChangeLanguage()
{
    const int language = ChooseLanguage();
    if (language == wxLANGUAGE_UNKNOWN)
        return;
    SaveLanguagePreference(language);
    wxMessageBox(_("You must restart application for this change to take effect."), _("Lapmark"),
                 wxOK | wxCENTRE | wxICON_INFORMATION, nullptr);
}

int ReadLanguagePreference()
{
    return ReadLanguageSetting(*wxConfigBase::Get(), ChooseLanguage);
}

void SaveLanguagePreference(int language)
{
    WriteLanguageSetting(*wxConfigBase::Get(), language);
}
