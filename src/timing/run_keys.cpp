#include "timing/run_keys.h"

#include <wx/defs.h>

#include <algorithm>

wxUniChar MnemonicOf(const wxString& label)
{
    for (auto it = label.begin(); it != label.end(); ++it)
    {
        if (*it != '&')
            continue;
        if (++it == label.end())
            break;
        if (*it != '&')
            return wxString(*it).Upper()[0];
    }
    return 0;
}

namespace
{
RunKey ButtonWithFocus(KeyFocus focus)
{
    switch (focus)
    {
    case KeyFocus::StartButton:
        return RunKey::StartButton;
    case KeyFocus::ResetButton:
        return RunKey::ResetButton;
    case KeyFocus::OtherButton:
    case KeyFocus::Elsewhere:
        break;
    }
    return RunKey::None;
}
} // namespace

RunKey RunKeyFor(const KeyPress& key, const wxString& startLabel, const wxString& resetLabel)
{
    if (key.control || key.meta)
        return RunKey::None;
    if (key.alt)
    {
        // The toolkit's mnemonics take Alt alone: Alt+Shift+letter presses nothing.
        if (key.shift || key.keyCode <= 0 || key.keyCode >= WXK_START)
            return RunKey::None;
        const wxUniChar letter = wxString(wxUniChar(key.keyCode)).Upper()[0];
        if (letter == MnemonicOf(startLabel))
            return RunKey::StartButton;
        if (letter == MnemonicOf(resetLabel))
            return RunKey::ResetButton;
        return RunKey::None;
    }
    if (key.shift)
        return RunKey::None;
    switch (key.keyCode)
    {
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        // Return presses the focused button, and the default button when no button has it.
        if (key.focus == KeyFocus::Elsewhere)
            return RunKey::StartButton;
        return ButtonWithFocus(key.focus);
    case WXK_SPACE:
    case WXK_NUMPAD_SPACE:
        return ButtonWithFocus(key.focus);
    default:
        return RunKey::None;
    }
}

bool HeldKeys::Press(int keyCode)
{
    if (std::find(m_down.begin(), m_down.end(), keyCode) != m_down.end())
        return false;
    m_down.push_back(keyCode);
    return true;
}

void HeldKeys::Release(int keyCode)
{
    m_down.erase(std::remove(m_down.begin(), m_down.end(), keyCode), m_down.end());
}
