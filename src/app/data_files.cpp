#include "app/data_files.h"

#include "app/picture_check.h"

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/msgout.h>
#include <wx/stdpaths.h>

#ifndef LAPMARK_BIN_TO_DATA
#define LAPMARK_BIN_TO_DATA "../share/lapmark"
#endif
#ifndef LAPMARK_BIN_TO_LOCALE
#define LAPMARK_BIN_TO_LOCALE "../share/locale"
#endif

namespace
{
wxString Join(const wxString& dir, const wxString& relative)
{
    wxFileName name(dir + wxFILE_SEP_PATH + relative);
    name.Normalize(wxPATH_NORM_DOTS);
    return name.GetFullPath();
}
} // namespace

DataFolders DataFoldersFor(const wxString& workingDir, const wxString& executableDir)
{
    DataFolders folders;
    folders.pictures.Add(workingDir);
    folders.pictures.Add(executableDir);
    folders.pictures.Add(Join(executableDir, LAPMARK_BIN_TO_DATA));
    folders.catalogs.Add(workingDir + wxFILE_SEP_PATH + "locales");
    folders.catalogs.Add(Join(executableDir, "locales"));
    folders.catalogs.Add(Join(executableDir, LAPMARK_BIN_TO_LOCALE));
    return folders;
}

DataFolders ProgramDataFolders()
{
    // "." rather than the working directory's name: asking for the name fails, with an error
    // box, when the directory has been removed, while relative paths merely find nothing.
    return DataFoldersFor(".", wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath());
}

wxImage LoadPicture(const wxString& relative)
{
    const wxString path = FindPicture(relative);
    if (path.empty())
        return wxImage();
    const std::string refusal = PictureRefusal(std::string(path.fn_str()));
    wxImage image;
    if (refusal.empty())
    {
        wxLogNull quiet; // the toolkit's own complaint would open a box
        image.LoadFile(path, wxBITMAP_TYPE_ANY, -1);
    }
    if (!image.IsOk())
        wxMessageOutputStderr().Printf("Lapmark: the picture \"%s\" %s; it is not shown.\n", path,
                                       refusal.empty() ? wxString("cannot be decoded")
                                                       : wxString::FromUTF8(refusal));
    return image;
}

wxString FindPicture(const wxString& relative, const DataFolders& folders)
{
    for (const wxString& dir : folders.pictures)
    {
        const wxString path = dir + wxFILE_SEP_PATH + relative;
        if (wxFileExists(path))
            return path;
    }
    return wxString();
}
