#include "resources/durable_file.h"

#include <windows.h>

namespace fs = std::filesystem;

namespace
{
HANDLE Handle(void* handle)
{
    return static_cast<HANDLE>(handle);
}
} // namespace

DurableFile::Opened DurableFile::OpenMade(const fs::path& path, std::vector<fs::path>)
{
    // NTFS journals its folders: the new names need no flush of their own.
    // Others may read it, and it may be renamed while held (set aside when damaged), but no
    // other process may open it to write while this one holds it.
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_DELETE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
    {
        const DWORD error = GetLastError();
        if (error == ERROR_SHARING_VIOLATION)
            return Opened::InUse;
        Fail(static_cast<int>(error));
        return Opened::Failed;
    }
    m_handle = handle;
    m_path = path;
    return Opened::Ok;
}

void DurableFile::Close()
{
    if (m_handle)
        CloseHandle(Handle(m_handle));
    m_handle = nullptr;
}

bool DurableFile::IsOpen() const
{
    return m_handle != nullptr;
}

std::string DurableFile::ReadAll()
{
    std::string bytes;
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(Handle(m_handle), start, nullptr, FILE_BEGIN))
    {
        Fail(static_cast<int>(GetLastError()));
        return std::string();
    }
    char buffer[8192];
    for (;;)
    {
        DWORD got = 0;
        if (!ReadFile(Handle(m_handle), buffer, sizeof buffer, &got, nullptr))
        {
            Fail(static_cast<int>(GetLastError()));
            return std::string();
        }
        if (got == 0)
            return bytes;
        bytes.append(buffer, got);
    }
}

bool DurableFile::Append(const std::string& bytes)
{
    if (!m_handle)
        return Fail(ERROR_INVALID_HANDLE);
    LARGE_INTEGER end{};
    if (!SetFilePointerEx(Handle(m_handle), end, nullptr, FILE_END))
        return Fail(static_cast<int>(GetLastError()));
    for (size_t done = 0; done < bytes.size();)
    {
        DWORD wrote = 0;
        if (!WriteFile(Handle(m_handle), bytes.data() + done,
                       static_cast<DWORD>(bytes.size() - done), &wrote, nullptr))
            return Fail(static_cast<int>(GetLastError()));
        done += wrote;
    }
    if (!FlushFileBuffers(Handle(m_handle)))
        return Fail(static_cast<int>(GetLastError()));
    return true;
}

bool DurableFile::CutTo(std::size_t length)
{
    if (!m_handle)
        return Fail(ERROR_INVALID_HANDLE);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(Handle(m_handle), &size))
        return Fail(static_cast<int>(GetLastError()));
    if (static_cast<unsigned long long>(size.QuadPart) <= length)
        return true;
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(length);
    if (!SetFilePointerEx(Handle(m_handle), at, nullptr, FILE_BEGIN) || !SetEndOfFile(Handle(m_handle)))
        return Fail(static_cast<int>(GetLastError()));
    return true;
}

bool DurableFile::MoveTo(const fs::path& to)
{
    if (!m_handle)
        return Fail(ERROR_INVALID_HANDLE);
    if (!MoveFileExW(m_path.c_str(), to.c_str(), 0))
        return Fail(static_cast<int>(GetLastError()));
    m_path = to;
    return true;
}
