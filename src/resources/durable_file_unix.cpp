#include "resources/durable_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
/// Makes the new names in `folder` survive a power cut, as the file's own contents do: 0, or the
/// error that kept them from the disk.
int SyncFolder(const fs::path& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = fsync(fd) == 0 ? 0 : errno;
    close(fd);
    return error;
}
} // namespace

DurableFile::Opened DurableFile::OpenMade(const fs::path& path, std::vector<fs::path> newIn)
{
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
    m_path = path;
    // The new names are made durable with the first addition, by whoever writes it: opening
    // stays quick.
    if (created)
        newIn.insert(newIn.begin(), path.parent_path());
    m_newIn = std::move(newIn);
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

bool DurableFile::Append(const std::string& bytes)
{
    if (m_fd < 0)
        return Fail(EBADF);
    for (size_t done = 0; done < bytes.size();)
    {
        const ssize_t wrote = write(m_fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0)
            return Fail(errno);
        done += static_cast<size_t>(wrote);
    }
    // Innermost first: a folder's entry is worth something only once what it holds is there.
    while (!m_newIn.empty())
    {
        if (const int error = SyncFolder(m_newIn.front()))
            return Fail(error);
        m_newIn.erase(m_newIn.begin());
    }
    // The data and the file's new length; the rest of its metadata can wait. Last, so that once
    // it returns everything before it is durable.
    if (fdatasync(m_fd) != 0)
        return Fail(errno);
    return true;
}

bool DurableFile::CutTo(std::size_t length)
{
    if (m_fd < 0)
        return Fail(EBADF);
    struct stat now{};
    if (fstat(m_fd, &now) != 0)
        return Fail(errno);
    if (static_cast<std::size_t>(now.st_size) <= length)
        return true;
    return ftruncate(m_fd, static_cast<off_t>(length)) == 0 || Fail(errno);
}

bool DurableFile::MoveTo(const fs::path& to)
{
    if (m_fd < 0)
        return Fail(EBADF);
    if (rename(m_path.c_str(), to.c_str()) != 0)
        return Fail(errno);
    m_path = to;
    return true;
}
