#include "resources/data_files.h"

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
    name.Normalize(wxPATH_NORM_DOTS);
    return name.GetFullPath();
}
} // namespace

DataFolders DataFoldersFor(const wxString& workingDir, const wxString& executableDir)
{
    DataFolders folders;
    folders.pictures.Add(workingDir);
    folders.pictures.Add(executableDir);
    folders.catalogs.Add(workingDir + wxFILE_SEP_PATH + "locales");
    folders.catalogs.Add(Join(executableDir, "locales"));
#ifndef __WXMSW__
    // Installed on Linux, the data lives in the shared folders; on Windows beside the program.
    folders.pictures.Add(Join(executableDir, LAPMARK_BIN_TO_DATA));
    folders.catalogs.Add(Join(executableDir, LAPMARK_BIN_TO_LOCALE));
#endif
    return folders;
}

std::filesystem::path FileSystemPath(const wxString& path)
{
#ifdef __WXMSW__
    return std::filesystem::path(path.ToStdWstring());
#else
    return std::filesystem::path(path.fn_str().data());
#endif
}

DataFolders ProgramDataFolders()
{
    // "." rather than the working directory's name: asking for the name fails, with an error
    // box, when the directory has been removed, while relative paths merely find nothing.
    return DataFoldersFor(".", wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath());
}

wxString FindPicture(const wxString& relative, const DataFolders& folders)
{
    wxString native = relative;
    native.Replace("/", wxString(wxFILE_SEP_PATH)); // "img\..." on Windows
    for (const wxString& dir : folders.pictures)
    {
        const wxString path = dir + wxFILE_SEP_PATH + native;
        if (wxFileExists(path))
            return path;
    }
    return wxString();
}

wxString DamagedCopyPath(const wxString& path)
{
    wxString candidate = path + ".damaged";
    for (int n = 2; wxFileName::Exists(candidate); ++n)
        candidate = wxString::Format("%s.damaged-%d", path, n);
    return candidate;
}
