#pragma once

#include <wx/string.h>

#include <array>

class wxConfigBase;

/// What a key in every window does: what Start/Stop or Reset/Split does in the window.
enum class GlobalAction
{
    StartStop,
    Split,
};
constexpr std::array<GlobalAction, 2> GlobalActions = {GlobalAction::StartStop, GlobalAction::Split};

/// A key with its modifiers, as the toolkit's accelerators name them.
struct GlobalKey
{
    /// wxACCEL_ALT, wxACCEL_CTRL and wxACCEL_SHIFT.
    int modifiers = 0;
    /// The toolkit's key code ('A', WXK_F9, WXK_NUMPAD5, ...); 0 for no key.
    int keyCode = 0;

    bool IsSet() const { return keyCode != 0; }
    bool operator==(const GlobalKey& other) const
    {
        return modifiers == other.modifiers && keyCode == other.keyCode;
    }
    bool operator!=(const GlobalKey& other) const { return !(*this == other); }
};

/// One key for each action, unset where the user chose none.
struct GlobalKeys
{
    std::array<GlobalKey, GlobalActions.size()> keys;

    GlobalKey& operator[](GlobalAction action) { return keys[static_cast<std::size_t>(action)]; }
    const GlobalKey& operator[](GlobalAction action) const
    {
        return keys[static_cast<std::size_t>(action)];
    }
    bool AnySet() const { return keys[0].IsSet() || keys[1].IsSet(); }
};

/// The key that `text` names in the toolkit's accelerator text ("Ctrl+Shift+F9"); unset when
/// it is empty or names no key.
GlobalKey GlobalKeyFromText(const wxString& text);
/// The toolkit's accelerator text of `key`, untranslated, as it is stored; "" for none.
wxString StoredText(const GlobalKey& key);
/// The same with the modifiers' names translated, as the user is shown it.
wxString ShownText(const GlobalKey& key);

/// Why a key cannot be a key in every window.
enum class KeyRefusal
{
    None,
    /// Shift, Ctrl, Alt and the like alone: the dialog waits for the key they go with.
    ModifierOnly,
    /// A key that types or edits text, with no modifier but Shift: taken from every program,
    /// the user could no longer type it anywhere.
    TakesTyping,
    /// A key the toolkit's accelerator text has no name for (a media key, say).
    Unnamed,
};
KeyRefusal RefusalOf(const GlobalKey& key);
/// Why `key` is refused, translated now; "" for KeyRefusal::None.
wxString RefusalReason(const GlobalKey& key);

/// What the action is called where the user chooses its key, translated now.
wxString ActionName(GlobalAction action);
/// What the user is told when another program holds `key`, translated now.
wxString HeldElsewhereMessage(GlobalAction action, const GlobalKey& key);

/// The setting that holds the action's key ("global_start_stop", "global_split").
const char* SettingName(GlobalAction action);
/// The keys stored in `config`. A key that cannot be read, or is refused, is off.
GlobalKeys ReadGlobalKeys(const wxConfigBase& config);
/// Stores `key` for `action`; no key removes the setting.
void WriteGlobalKey(wxConfigBase& config, GlobalAction action, const GlobalKey& key);
