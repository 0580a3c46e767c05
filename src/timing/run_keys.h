#pragma once

#include <wx/string.h>

#include <vector>

/// Where the keyboard focus is when a key goes down, as far as the run-control keys care.
enum class KeyFocus
{
    StartButton, ///< the Start/Stop button
    ResetButton, ///< the Reset/Split button
    OtherButton, ///< Language, Update or About: Return and Space are theirs
    Elsewhere,   ///< the split list, or nothing in particular
};

/// A key going down in the main window: its toolkit key code (letters in capitals), the
/// modifiers held with it, and where the focus is.
struct KeyPress
{
    int keyCode = 0;
    bool alt = false;
    bool control = false;
    bool shift = false;
    bool meta = false;
    KeyFocus focus = KeyFocus::Elsewhere;
};

/// The run-control button a key presses, if any.
enum class RunKey
{
    None,
    StartButton,
    ResetButton,
};

/// The letter a label's mnemonic marker ("&") stands before, in capitals; 0 when it has none.
/// "&&" is a literal ampersand, not a marker.
wxUniChar MnemonicOf(const wxString& label);

/// The run-control button that `key` presses in a window whose Start/Stop and Reset/Split
/// buttons carry these labels (as translated, with their markers): Alt with a button's mnemonic
/// letter wherever the focus is; Return or keypad Enter for the default button (Start/Stop)
/// unless another button has the focus, which then is the one pressed; Space for the focused
/// run-control button.
RunKey RunKeyFor(const KeyPress& key, const wxString& startLabel, const wxString& resetLabel);

/// The keys that are down, so a key held until it repeats counts once: a press of a key that is
/// still down is a repeat.
class HeldKeys
{
public:
    /// Records a key going down; false when it was down already (a repeat).
    bool Press(int keyCode);
    /// Its next press is a press again.
    void Release(int keyCode);
    /// Forgets every key: the window lost the keyboard, and with it the keys' releases.
    void Clear() { m_down.clear(); }

private:
    std::vector<int> m_down;
};
