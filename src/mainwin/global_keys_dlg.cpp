#include "mainwin/global_keys_dlg.h"

#include "mainwin/text_wrap.h"

#include <wx/button.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

namespace
{
/// The widest a key's text is likely to be, so the fields never cut one off.
const char* const WidestKey = "Alt+Ctrl+Shift+Num Page Down";
/// How wide the texts above and below the keys may be, in pixels at 96 dpi.
constexpr int MessageWidth = 360;

std::size_t IndexOf(GlobalAction action)
{
    return static_cast<std::size_t>(action);
}
} // namespace

GlobalKeysDlg::GlobalKeysDlg(wxWindow* parent, const GlobalKeys& keys,
                             std::function<void(const GlobalKeys&)> apply,
                             std::function<void()> pause)
    : wxDialog(parent, wxID_ANY, _("Keys in Every Window"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE, "global_keys"),
      m_keys(keys), m_apply(std::move(apply)), m_pause(std::move(pause))
{
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    auto* intro = new wxStaticText(this, wxID_ANY, wxString());
    intro->SetLabel(WrapText(*intro, _("These keys work while another program has the keyboard. "
                                       "That program keeps it."),
                             FromDIP(MessageWidth)));
    sizer->Add(intro, wxSizerFlags().Border());

    auto* grid = new wxFlexGridSizer(4, wxSize(FromDIP(4), FromDIP(4)));
    grid->AddGrowableCol(1);
    const wxString chooseLabels[] = {_("C&hoose..."), _("Ch&oose...")};
    const wxString clearLabels[] = {_("C&lear"), _("Cl&ear")};
    for (GlobalAction action : GlobalActions)
    {
        const std::size_t i = IndexOf(action);
        grid->Add(new wxStaticText(this, wxID_ANY, ActionName(action)),
                  wxSizerFlags().CenterVertical());
        m_shown[i] = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                                    wxTE_READONLY);
        m_shown[i]->SetName(ActionName(action));
        int textWidth = 0;
        for (const wxString& shown : {wxString(WidestKey), _("Press a key..."), _("None")})
            textWidth = std::max(textWidth, m_shown[i]->GetTextExtent(shown).x);
        m_shown[i]->SetMinSize(wxSize(textWidth + FromDIP(16), -1));
        grid->Add(m_shown[i], wxSizerFlags().Expand().CenterVertical());
        m_choose[i] = new wxButton(this, wxID_ANY, chooseLabels[i]);
        m_choose[i]->Bind(wxEVT_BUTTON, [this, action](wxCommandEvent&) { Choose(action); });
        grid->Add(m_choose[i], wxSizerFlags().CenterVertical());
        m_clear[i] = new wxButton(this, wxID_ANY, clearLabels[i]);
        m_clear[i]->Bind(wxEVT_BUTTON, [this, action](wxCommandEvent&) { Clear(action); });
        grid->Add(m_clear[i], wxSizerFlags().CenterVertical());
    }
    sizer->Add(grid, wxSizerFlags().Expand().Border());

    m_message = new wxStaticText(this, wxID_ANY, wxString());
    sizer->Add(m_message, wxSizerFlags().Expand().Border());
    sizer->Add(CreateStdDialogButtonSizer(wxCLOSE), wxSizerFlags().Expand().Border());
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(wxID_CLOSE); }, wxID_CLOSE);
    SetEscapeId(wxID_CLOSE);
    Bind(wxEVT_CHAR_HOOK, &GlobalKeysDlg::OnCharHook, this);
    ShowKeys();
    // Room for the longest message, wrapped.
    ShowMessage(RefusalReason(GlobalKey{wxACCEL_SHIFT, WXK_SPACE}));
    SetSizerAndFit(sizer);
    ShowMessage(wxString());
}

void GlobalKeysDlg::ShowKeys()
{
    for (GlobalAction action : GlobalActions)
    {
        const std::size_t i = IndexOf(action);
        m_shown[i]->ChangeValue(m_keys[action].IsSet() ? ShownText(m_keys[action]) : _("None"));
        m_clear[i]->Enable(m_keys[action].IsSet());
    }
}

void GlobalKeysDlg::ShowMessage(const wxString& message)
{
    m_message->SetLabel(WrapText(*m_message, message, FromDIP(MessageWidth)));
    // A message of more lines than the dialog was made for makes it taller.
    if (wxSizer* sizer = GetSizer())
    {
        const wxSize least = sizer->ComputeFittingClientSize(this);
        const wxSize now = GetClientSize();
        if (least.x > now.x || least.y > now.y)
            SetClientSize(wxSize(std::max(least.x, now.x), std::max(least.y, now.y)));
        Layout();
    }
}

void GlobalKeysDlg::Choose(GlobalAction action)
{
    m_pause();
    m_choosing = action;
    m_shown[IndexOf(action)]->ChangeValue(_("Press a key..."));
    ShowMessage(_("Press the key with its modifiers, or Escape to keep the key as it is."));
}

void GlobalKeysDlg::EndModal(int code)
{
    // Closed while it waits for a key: as Escape, the key stays as it was.
    if (m_choosing)
        StopChoosing(wxString());
    wxDialog::EndModal(code);
}

void GlobalKeysDlg::Clear(GlobalAction action)
{
    m_keys[action] = GlobalKey();
    StopChoosing(wxString());
    // Clearing took the focus's button away: the next Choose is where the keyboard goes on.
    Navigate();
}

void GlobalKeysDlg::StopChoosing(const wxString& message)
{
    m_choosing.reset();
    ShowKeys();
    ShowMessage(message);
    m_apply(m_keys);
}

std::optional<GlobalAction> GlobalKeysDlg::ChooseKey(const wxKeyEvent& event) const
{
    const int code = event.GetKeyCode();
    const bool plain = !event.AltDown() && !event.RawControlDown() && !event.ShiftDown();
    for (GlobalAction action : GlobalActions)
    {
        const wxButton& button = *m_choose[IndexOf(action)];
        if (plain && (code == WXK_SPACE || code == WXK_RETURN || code == WXK_NUMPAD_ENTER) &&
            FindFocus() == &button)
            return action;
        wxString text;
        const int at = wxControl::FindAccelIndex(button.GetLabel(), &text);
        if (event.AltDown() && !event.RawControlDown() && at != wxNOT_FOUND &&
            wxToupper(text[at]) == wxToupper(code))
            return action;
    }
    return std::nullopt;
}

void GlobalKeysDlg::OnCharHook(wxKeyEvent& event)
{
    if (!m_choosing)
    {
        // Choose waits from the moment its key goes down, not a quarter second later when the
        // toolkit would press the button: the key to be chosen may follow at once.
        if (const std::optional<GlobalAction> action = ChooseKey(event))
            Choose(*action);
        else
            event.Skip();
        return;
    }
    GlobalKey key;
    key.keyCode = event.GetKeyCode();
    if (event.RawControlDown())
        key.modifiers |= wxACCEL_CTRL;
    if (event.AltDown())
        key.modifiers |= wxACCEL_ALT;
    if (event.ShiftDown())
        key.modifiers |= wxACCEL_SHIFT;
    if (key.keyCode == WXK_ESCAPE && key.modifiers == 0)
    {
        StopChoosing(wxString());
        return;
    }
    switch (RefusalOf(key))
    {
    case KeyRefusal::ModifierOnly:
        return; // the key it goes with comes next
    case KeyRefusal::TakesTyping:
    case KeyRefusal::Unnamed:
        // Refused: the dialog waits for another key.
        ShowMessage(RefusalReason(key));
        return;
    case KeyRefusal::None:
        break;
    }
    // One key does one thing: given to this action, it leaves the other.
    for (GlobalAction other : GlobalActions)
        if (other != *m_choosing && m_keys[other] == key)
            m_keys[other] = GlobalKey();
    m_keys[*m_choosing] = key;
    StopChoosing(wxString());
}
