#include "resources/picture_loader.h"

#include "resources/data_files.h"
#include "resources/picture_check.h"

#include <wx/log.h>
#include <wx/msgout.h>

namespace
{
/// Image `index` of `relative` (-1: the toolkit's choice), with how many the file holds; an
/// invalid image, reported on the standard error, when the file is refused or cannot be decoded.
wxImage LoadChecked(const wxString& relative, wxBitmapType type, int index, int* count = nullptr)
{
    const wxString path = FindPicture(relative);
    if (path.empty())
        return wxImage();
    const std::string refusal = PictureRefusal(FileSystemPath(path));
    wxImage image;
    if (refusal.empty())
    {
        wxLogNull quiet; // the toolkit's own complaint would open a box
        if (image.LoadFile(path, type, index) && count)
            *count = wxImage::GetImageCount(path, type);
    }
    if (!image.IsOk())
        wxMessageOutputStderr().Printf("Lapmark: the picture \"%s\" %s; it is not shown.\n", path,
                                       refusal.empty() ? wxString("cannot be decoded")
                                                       : wxString::FromUTF8(refusal));
    return image;
}
} // namespace

wxImage LoadPicture(const wxString& relative, wxBitmapType type)
{
    return LoadChecked(relative, type, -1);
}

std::vector<wxImage> LoadPictures(const wxString& relative, wxBitmapType type)
{
    int count = 0;
    std::vector<wxImage> images;
    wxImage first = LoadChecked(relative, type, 0, &count);
    if (!first.IsOk())
        return images;
    images.push_back(first);
    wxLogNull quiet;
    for (int index = 1; index < count; ++index)
    {
        wxImage image;
        if (image.LoadFile(FindPicture(relative), type, index))
            images.push_back(image);
    }
    return images;
}
