#include "resources/durable_file.h"

#include <system_error>

namespace fs = std::filesystem;

// What both systems share; durable_file_unix.cpp and durable_file_msw.cpp hold what differs.

DurableFile::~DurableFile()
{
    Close();
}

bool DurableFile::Fail(int error)
{
    // errno on Linux, GetLastError() on Windows: each the system's own numbers.
    m_reason = std::system_category().message(error);
    return false;
}

DurableFile::Opened DurableFile::Open(const fs::path& path)
{
    Close();
    // Every folder made here is a new name in its parent, as the file is in its folder.
    std::vector<fs::path> newIn;
    std::error_code folderError;
    for (fs::path folder = path.parent_path(); !folder.empty() && !fs::exists(folder, folderError);
         folder = folder.parent_path())
    {
        newIn.push_back(folder.parent_path());
        if (folder == folder.parent_path())
            break;
    }
    fs::create_directories(path.parent_path(), folderError);
    if (folderError)
    {
        m_reason = folderError.message();
        return Opened::Failed;
    }
    return OpenMade(path, std::move(newIn));
}
