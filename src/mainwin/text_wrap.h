#pragma once

#include <wx/string.h>

class wxWindow;

/// `text` broken into lines no wider than `width` pixels in `window`'s font: at spaces where a
/// line has one, else between any two characters, as Chinese and Japanese are broken. (The
/// toolkit's own wrapping breaks only at spaces, and leaves those lines whole.)
wxString WrapText(const wxWindow& window, const wxString& text, int width);
