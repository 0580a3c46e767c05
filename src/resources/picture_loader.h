#pragma once

#include <wx/image.h>

#include <vector>

/// The picture `relative` from the first folder that has it, or an invalid image when it is
/// missing, damaged or too large; a refused file is reported on the standard error, never in a
/// box, and the window then simply shows no picture.
/// `type` names the file's format when it is known; by default it is told from the content.
wxImage LoadPicture(const wxString& relative, wxBitmapType type = wxBITMAP_TYPE_ANY);

/// Every image a picture file holds (an icon file holds several sizes), checked as LoadPicture
/// checks them; none when the file is missing, damaged or too large.
std::vector<wxImage> LoadPictures(const wxString& relative, wxBitmapType type);
