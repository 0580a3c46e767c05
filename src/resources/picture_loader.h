#pragma once

#include <wx/image.h>

/// The picture `relative` from the first folder that has it, or an invalid image when it is
/// missing, damaged or too large; a refused file is reported on the standard error, never in a
/// box, and the window then simply shows no picture.
/// `type` names the file's format when it is known; by default it is told from the content.
wxImage LoadPicture(const wxString& relative, wxBitmapType type = wxBITMAP_TYPE_ANY);
