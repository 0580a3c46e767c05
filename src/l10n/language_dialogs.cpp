#include "l10n/language_dialogs.h"

#include "l10n/language_choice.h"
#include "l10n/language_preference.h"

#include <wx/choicdlg.h>
#include <wx/config.h>
#include <wx/intl.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/msgdlg.h>

namespace
{
/// Makes the list tall enough for every row and the dialog wide enough for its title, which the
/// toolkit's own size does not allow for: larger text, a longer title in another language.
void FitToRowsAndTitle(wxSingleChoiceDialog& dialog, wxListBox& list)
{
    // A row is its text and the list's padding around it; a little more than a line of text.
    const int rowHeight = list.GetCharHeight() + list.FromDIP(12);
    const int rows = static_cast<int>(list.GetCount());
    list.SetMinSize(wxSize(list.GetBestSize().x, rowHeight * rows + list.FromDIP(8)));
    // The title bar: the title in a font up to a fifth wider, and the window's buttons beside it.
    const int titleWidth = dialog.GetTextExtent(dialog.GetTitle()).x * 6 / 5 + dialog.FromDIP(96);
    dialog.GetSizer()->SetMinSize(wxSize(titleWidth, -1));
    dialog.GetSizer()->SetSizeHints(&dialog);
    dialog.Centre();
}
} // namespace

int ChooseLanguage(int current)
{
    const std::vector<LanguageChoice> rows = LanguageChoices();
    const wxString caption = _("Language selection");
    const wxString prompt = _("Select your prefered language");
    wxSingleChoiceDialog dialog(nullptr, prompt, caption, LanguageLabels(rows));
    wxListBox* list = nullptr;
    for (wxWindow* child : dialog.GetChildren())
        if (!list)
            list = dynamic_cast<wxListBox*>(child);
    if (!list)
        return wxLANGUAGE_UNKNOWN;
    // The stored language's row, so that OK keeps it; nothing when none is stored.
    list->SetSelection(LanguageRow(rows, current));
    FitToRowsAndTitle(dialog, *list);
    if (dialog.ShowModal() != wxID_OK)
        return wxLANGUAGE_UNKNOWN;
    // What the list shows selected: OK with no row chosen chooses nothing.
    return LanguageAt(rows, list->GetSelection());
}

void ChangeLanguage()
{
    const int language = ChooseLanguage(StoredLanguage(*wxConfigBase::Get()));
    if (language == wxLANGUAGE_UNKNOWN)
        return;
    SaveLanguagePreference(language);
    wxMessageBox(_("You must restart application for this change to take effect."), _("Lapmark"),
                 wxOK | wxCENTRE | wxICON_INFORMATION, nullptr);
}

int ReadLanguagePreference()
{
    return ReadLanguageSetting(*wxConfigBase::Get(), [] { return ChooseLanguage(); });
}

void SaveLanguagePreference(int language)
{
    WriteLanguageSetting(*wxConfigBase::Get(), language);
}
