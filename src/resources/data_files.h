#pragma once

#include <wx/arrstr.h>
#include <wx/string.h>

#include <filesystem>

/// The program's pictures, relative to a picture folder. The icon is the window's and the About
/// box's.
inline constexpr char IconPicturePath[] = "img/Lapmrak_01.ico";
inline constexpr char LogoPicturePath[] = "img/quillora_logo.bmp";
inline constexpr char DownloadPicturePath[] = "img/quillora_stat_01.jpg";

/// The same pictures twice as large, for screens at 200 %; the icon's file also holds the
/// window icon's larger sizes.
inline constexpr char LargeIconPicturePath[] = "img/Lapmrak_01_2x.ico";
inline constexpr char LargeLogoPicturePath[] = "img/quillora_logo_2x.bmp";
inline constexpr char LargeDownloadPicturePath[] = "img/quillora_stat_01_2x.jpg";

/// The folders where the program's pictures and catalogs are looked for, first to last.
struct DataFolders
{
    wxArrayString pictures; ///< each holds the files named "img/..." below it
    wxArrayString catalogs; ///< each holds <lang>/LC_MESSAGES/Lapmark.mo
};

/// The search order: the working directory, then the executable's folder, then (not on Windows,
/// where an installed program keeps its data beside it) the installed data folders found
/// relative to the executable, so a staged or moved install works too.
DataFolders DataFoldersFor(const wxString& workingDir, const wxString& executableDir);

/// The search order for this process, from its working directory at this moment.
DataFolders ProgramDataFolders();

/// The first existing `relative` file below the picture folders, or "" when there is none.
wxString FindPicture(const wxString& relative, const DataFolders& folders = ProgramDataFolders());

/// The file system's own name for `path`: UTF-16 on Windows, the file-name encoding elsewhere.
std::filesystem::path FileSystemPath(const wxString& path);

/// A name beside `path` that no file has yet, for keeping a damaged file aside:
/// "<path>.damaged", or "<path>.damaged-2" and on when that is taken.
wxString DamagedCopyPath(const wxString& path);
