#include "app/data_files.h"

#include <wx/filefn.h>
#include <wx/filename.h>
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
    name.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE);
    return name.GetFullPath();
}
} // namespace

DataFolders DataFoldersFor(const wxString& workingDir, const wxString& executableDir)
{
    DataFolders folders;
    folders.pictures.Add(workingDir);
    folders.pictures.Add(executableDir);
    folders.pictures.Add(Join(executableDir, LAPMARK_BIN_TO_DATA));
    folders.catalogs.Add(Join(workingDir, "locales"));
    folders.catalogs.Add(Join(executableDir, "locales"));
    folders.catalogs.Add(Join(executableDir, LAPMARK_BIN_TO_LOCALE));
    return folders;
}

DataFolders ProgramDataFolders()
{
    return DataFoldersFor(wxGetCwd(),
                          wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath());
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
