#include "resources/durable_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
/// Makes a new name in `folder` survive a power cut, as the file's own contents do.
void SyncFolder(const fs::path& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}
} // namespace

DurableFile::~DurableFile()
{
    Close();
}

bool DurableFile::Fail(int error)
{
    m_reason = std::generic_category().message(error);
    return false;
}

DurableFile::Opened DurableFile::Open(const fs::path& path)
{
    Close();
    std::error_code folderError;
    fs::create_directories(path.parent_path(), folderError);
    if (folderError)
    {
        Fail(folderError.value());
        return Opened::Failed;
    }
    bool created = false;
    int fd = open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0)
        created = true;
    else if (errno == EEXIST)
        fd = open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
    if (fd < 0)
    {
        Fail(errno);
        return Opened::Failed;
    }
    // An advisory lock, held as long as the file is open; a process that ends lets it go.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0)
    {
        const int error = errno;
        close(fd);
        if (error == EWOULDBLOCK)
            return Opened::InUse;
        Fail(error);
        return Opened::Failed;
    }
    m_fd = fd;
    // The new name is made durable with the first addition, by whoever writes it: opening stays
    // quick.
    m_newIn = created ? path.parent_path() : fs::path();
    return Opened::Ok;
}

void DurableFile::Close()
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
}

bool DurableFile::IsOpen() const
{
    return m_fd >= 0;
}

std::string DurableFile::ReadAll()
{
    std::string bytes;
    char buffer[8192];
    for (off_t offset = 0;;)
    {
        const ssize_t got = pread(m_fd, buffer, sizeof buffer, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
        {
            Fail(errno);
            return std::string();
        }
        if (got == 0)
            return bytes;
        bytes.append(buffer, static_cast<size_t>(got));
        offset += got;
    }
}

bool DurableFile::Write(const std::string& bytes)
{
    for (size_t done = 0; done < bytes.size();)
    {
        const ssize_t wrote = write(m_fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0)
            return Fail(errno);
        done += static_cast<size_t>(wrote);
    }
    if (!m_newIn.empty())
    {
        SyncFolder(m_newIn);
        m_newIn.clear();
    }
    // The data and the file's new length; the rest of its metadata can wait. Last, so that once
    // it returns everything before it is durable.
    if (fdatasync(m_fd) != 0)
        return Fail(errno);
    return true;
}

bool DurableFile::Append(const std::string& bytes)
{
    return m_fd >= 0 ? Write(bytes) : Fail(EBADF);
}

bool DurableFile::Replace(const std::string& bytes)
{
    if (m_fd < 0)
        return Fail(EBADF);
    if (ftruncate(m_fd, 0) != 0)
        return Fail(errno);
    return Write(bytes);
}
