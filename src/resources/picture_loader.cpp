#include "resources/picture_loader.h"

#include "resources/data_files.h"
#include "resources/picture_check.h"

#include <wx/log.h>
#include <wx/msgout.h>

wxImage LoadPicture(const wxString& relative, wxBitmapType type)
{
    const wxString path = FindPicture(relative);
    if (path.empty())
        return wxImage();
    const std::string refusal = PictureRefusal(FileSystemPath(path));
    wxImage image;
    if (refusal.empty())
    {
        wxLogNull quiet; // the toolkit's own complaint would open a box
        image.LoadFile(path, type, -1);
    }
    if (!image.IsOk())
        wxMessageOutputStderr().Printf("Lapmark: the picture \"%s\" %s; it is not shown.\n", path,
                                       refusal.empty() ? wxString("cannot be decoded")
                                                       : wxString::FromUTF8(refusal));
    return image;
}
