#pragma once

#include "desktop/global_keys.h"

#include <wx/dialog.h>

#include <functional>
#include <optional>

class wxButton;
class wxKeyEvent;
class wxStaticText;
class wxTextCtrl;

/// Where the user chooses the keys that act from every window: for each, the key now, a button
/// that takes the next key pressed and one that clears it. A key is applied as soon as it is
/// chosen or cleared.
class GlobalKeysDlg : public wxDialog
{
public:
    /// `apply` is called with the keys after each change; `pause` before the dialog waits for a
    /// key, so that a key taken from every window reaches it too (the next `apply` takes them
    /// again: a dialog that ends while it waits applies the keys as they were).
    GlobalKeysDlg(wxWindow* parent, const GlobalKeys& keys,
                  std::function<void(const GlobalKeys&)> apply, std::function<void()> pause);

    const GlobalKeys& GetKeys() const { return m_keys; }
    void EndModal(int code) override;

private:
    void Choose(GlobalAction action);
    void Clear(GlobalAction action);
    void StopChoosing(const wxString& message);
    /// Says `message` under the keys, wrapped to the dialog's width.
    void ShowMessage(const wxString& message);
    void OnCharHook(wxKeyEvent& event);
    void ShowKeys();

    GlobalKeys m_keys;
    std::function<void(const GlobalKeys&)> m_apply;
    std::function<void()> m_pause;
    /// The action whose key the next key pressed becomes.
    std::optional<GlobalAction> m_choosing;
    /// The key that presses a Choose button now: its mnemonic with Alt, or Space or Return on it.
    std::optional<GlobalAction> ChooseKey(const wxKeyEvent& event) const;

    wxButton* m_choose[GlobalActions.size()] = {};
    wxTextCtrl* m_shown[GlobalActions.size()] = {};
    wxButton* m_clear[GlobalActions.size()] = {};
    wxStaticText* m_message = nullptr;
};
