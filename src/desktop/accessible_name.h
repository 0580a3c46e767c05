#pragma once

class wxString;
class wxWindow;

/// Gives a control the name a screen reader says for it: a picture button that shows no text, or
/// a readout whose text alone (its digits) does not say what it is.
void SetAccessibleName(wxWindow& window, const wxString& name);
