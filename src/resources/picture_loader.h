#pragma once

#include <wx/image.h>

/// The picture `relative` from the first folder that has it, or an invalid image when it is
/// missing, damaged or too large; a refused file is reported on the standard error, never in a
/// box, and the window then simply shows no picture.
wxImage LoadPicture(const wxString& relative);
