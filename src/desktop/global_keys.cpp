#include "desktop/global_keys.h"

#include <wx/accel.h>
#include <wx/config.h>
#include <wx/defs.h>
#include <wx/intl.h>

namespace
{
constexpr int KnownModifiers = wxACCEL_ALT | wxACCEL_CTRL | wxACCEL_SHIFT;

wxString AcceleratorText(const GlobalKey& key, bool translated)
{
    if (!key.IsSet())
        return wxString();
    const wxAcceleratorEntry entry(key.modifiers, key.keyCode);
    return translated ? entry.ToString() : entry.ToRawString();
}

bool IsModifier(int keyCode)
{
    switch (keyCode)
    {
    case WXK_SHIFT:
    case WXK_ALT:
    case WXK_CONTROL:
    case WXK_WINDOWS_LEFT:
    case WXK_WINDOWS_RIGHT:
    case WXK_CAPITAL:
    case WXK_NUMLOCK:
    case WXK_SCROLL:
        return true;
    default:
        return false;
    }
}

/// Keys the toolkit's accelerator text names, and so can store and show.
bool HasName(int keyCode)
{
    if ((keyCode > 0 && keyCode < 128) || (keyCode >= WXK_F1 && keyCode <= WXK_F12) ||
        (keyCode >= WXK_NUMPAD0 && keyCode <= WXK_NUMPAD9))
        return true;
    static const int named[] = {
        WXK_INSERT,          WXK_PAGEUP,           WXK_PAGEDOWN,         WXK_LEFT,
        WXK_RIGHT,           WXK_UP,               WXK_DOWN,             WXK_HOME,
        WXK_END,             WXK_PAUSE,            WXK_SNAPSHOT,         WXK_PRINT,
        WXK_NUMPAD_SPACE,    WXK_NUMPAD_TAB,       WXK_NUMPAD_ENTER,     WXK_NUMPAD_HOME,
        WXK_NUMPAD_LEFT,     WXK_NUMPAD_UP,        WXK_NUMPAD_RIGHT,     WXK_NUMPAD_DOWN,
        WXK_NUMPAD_PAGEUP,   WXK_NUMPAD_PAGEDOWN,  WXK_NUMPAD_END,       WXK_NUMPAD_BEGIN,
        WXK_NUMPAD_INSERT,   WXK_NUMPAD_DELETE,    WXK_NUMPAD_EQUAL,     WXK_NUMPAD_MULTIPLY,
        WXK_NUMPAD_ADD,      WXK_NUMPAD_SUBTRACT,  WXK_NUMPAD_DECIMAL,   WXK_NUMPAD_DIVIDE,
    };
    for (int code : named)
        if (code == keyCode)
            return true;
    return false;
}

/// Keys that type, or move and delete in what is typed, in every program.
bool TypesOrEdits(int keyCode)
{
    if (keyCode >= WXK_SPACE && keyCode < WXK_DELETE)
        return true; // letters, digits, punctuation and Space
    switch (keyCode)
    {
    case WXK_RETURN:
    case WXK_TAB:
    case WXK_BACK:
    case WXK_DELETE:
    case WXK_ESCAPE:
    case WXK_LEFT:
    case WXK_RIGHT:
    case WXK_UP:
    case WXK_DOWN:
    case WXK_HOME:
    case WXK_END:
    case WXK_PAGEUP:
    case WXK_PAGEDOWN:
    case WXK_INSERT:
        return true;
    default:
        return false;
    }
}
} // namespace

GlobalKey GlobalKeyFromText(const wxString& text)
{
    wxAcceleratorEntry entry;
    if (text.empty() || !entry.FromString(text) || !entry.IsOk())
        return GlobalKey();
    GlobalKey key;
    key.modifiers = entry.GetFlags() & KnownModifiers;
    key.keyCode = entry.GetKeyCode();
    // Letters are stored upper-case, as the toolkit names their keys.
    if (key.keyCode >= 'a' && key.keyCode <= 'z')
        key.keyCode -= 'a' - 'A';
    return key;
}

wxString StoredText(const GlobalKey& key)
{
    return AcceleratorText(key, false);
}

wxString ShownText(const GlobalKey& key)
{
    return AcceleratorText(key, true);
}

KeyRefusal RefusalOf(const GlobalKey& key)
{
    if (IsModifier(key.keyCode))
        return KeyRefusal::ModifierOnly;
    if (key.IsSet() && !HasName(key.keyCode))
        return KeyRefusal::Unnamed;
    if ((key.modifiers & ~wxACCEL_SHIFT) == 0 && TypesOrEdits(key.keyCode))
        return KeyRefusal::TakesTyping;
    return KeyRefusal::None;
}

wxString RefusalReason(const GlobalKey& key)
{
    switch (RefusalOf(key))
    {
    case KeyRefusal::None:
        break;
    case KeyRefusal::ModifierOnly:
        return _("Press the key that goes with it as well.");
    case KeyRefusal::Unnamed:
        return _("Lapmark cannot take this key. Choose another one.");
    case KeyRefusal::TakesTyping:
        return wxString::Format(_("%s would be taken from every program you type in. Hold Ctrl or "
                                  "Alt with it, or choose a function key."),
                                ShownText(key));
    }
    return wxString();
}

wxString ActionName(GlobalAction action)
{
    return action == GlobalAction::StartStop ? _("Start/Stop:") : _("Reset/Split:");
}

wxString HeldElsewhereMessage(GlobalAction action, const GlobalKey& key)
{
    return wxString::Format(action == GlobalAction::StartStop
                                ? _("Another program holds %s, so it cannot start or stop Lapmark "
                                    "from other windows. Choose another key on the split list's "
                                    "menu.")
                                : _("Another program holds %s, so it cannot split or reset "
                                    "Lapmark from other windows. Choose another key on the split "
                                    "list's menu."),
                            ShownText(key));
}

const char* SettingName(GlobalAction action)
{
    return action == GlobalAction::StartStop ? "global_start_stop" : "global_split";
}

GlobalKeys ReadGlobalKeys(const wxConfigBase& config)
{
    GlobalKeys keys;
    for (GlobalAction action : GlobalActions)
    {
        wxString text;
        // Read only where it is: a store that records what it is asked would write it empty.
        if (config.HasEntry(SettingName(action)))
            config.Read(SettingName(action), &text);
        const GlobalKey key = GlobalKeyFromText(text);
        if (RefusalOf(key) == KeyRefusal::None)
            keys[action] = key;
    }
    return keys;
}

void WriteGlobalKey(wxConfigBase& config, GlobalAction action, const GlobalKey& key)
{
    if (key.IsSet())
        config.Write(SettingName(action), StoredText(key));
    else if (config.HasEntry(SettingName(action)))
        config.DeleteEntry(SettingName(action));
}
