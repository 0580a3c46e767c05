#pragma once

#include <filesystem>
#include <string>
#include <vector>

/// A file that one process at a time keeps open to add to. An addition is on the disk (not only
/// in the system's cache) once Append returns true, so a power cut a moment later keeps it; a cut
/// becomes durable with the next addition. One thread at a time uses it: the owner hands it to a
/// writer thread and waits for that thread before it touches the file again.
class DurableFile
{
public:
    enum class Opened
    {
        Ok,     ///< open, and held by this process alone
        InUse,  ///< another process holds it; it was left alone
        Failed, ///< it could not be opened or created; Reason() says why
    };

    DurableFile() = default;
    ~DurableFile();
    DurableFile(const DurableFile&) = delete;
    DurableFile& operator=(const DurableFile&) = delete;

    /// Opens `path`, creating it and its folders if need be, and holds it until Close.
    Opened Open(const std::filesystem::path& path);
    /// Lets the file go (and another process have it).
    void Close();
    bool IsOpen() const;

    /// Everything the file holds now, or "" with Reason() set when it cannot be read.
    std::string ReadAll();
    /// Adds `bytes` at the end; they, and every cut and new folder before them, are on the disk
    /// once this returns true.
    bool Append(const std::string& bytes);
    /// Cuts the file back to its first `length` bytes, never longer than it is.
    bool CutTo(std::size_t length);
    /// Gives the file, still held, the name `to`; the old name is free for a new file.
    bool MoveTo(const std::filesystem::path& to);

    /// Why the last call failed, in the system's words.
    const std::string& Reason() const { return m_reason; }

private:
    bool Fail(int error);
    /// Opens and holds `path`, whose folder is there now; `newIn` are the folders that gained a
    /// new name in making it (innermost first), the file's own folder not yet among them.
    Opened OpenMade(const std::filesystem::path& path, std::vector<std::filesystem::path> newIn);

    /// The file's name now.
    std::filesystem::path m_path;
#ifdef _WIN32
    void* m_handle = nullptr;
#else
    int m_fd = -1;
    /// The folders whose new entries (this file's, and the folders made for it) are not yet
    /// durable; the next addition flushes them.
    std::vector<std::filesystem::path> m_newIn;
#endif
    std::string m_reason;
};
