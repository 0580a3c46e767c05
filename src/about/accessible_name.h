#pragma once

class wxString;
class wxWindow;

/// Gives a control that shows no text (a picture button) the name a screen reader says for it.
void SetAccessibleName(wxWindow& window, const wxString& name);
