#include "resources/atomic_file.h"

#include "resources/data_files.h"

#include <wx/utils.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

wxString WriteFileAtomically(const wxString& path, const std::string& bytes)
{
    const fs::path target = FileSystemPath(path);
    fs::path temporary = target;
    temporary += ".part-" + std::to_string(wxGetProcessId());
    const auto reason = [](int error) {
        return wxString(std::generic_category().message(error));
    };
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out)
        return reason(errno ? errno : EACCES);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    const int writeError = errno;
    const bool written = static_cast<bool>(out);
    out.close();
    std::error_code ignored;
    if (!written || !out)
    {
        fs::remove(temporary, ignored);
        return reason(writeError ? writeError : EIO);
    }
    std::error_code renamed;
    fs::rename(temporary, target, renamed);
    if (renamed)
    {
        fs::remove(temporary, ignored);
        return wxString(renamed.message());
    }
    return wxString();
}
