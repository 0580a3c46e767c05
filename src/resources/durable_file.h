#pragma once

#include <filesystem>
#include <string>

/// A file that one process at a time keeps open to add to, where every addition is on the disk
/// (not only in the system's cache) before the call returns, so a power cut a moment later keeps
/// it. Not for use from two threads at once.
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
    /// Adds `bytes` at the end, on the disk once this returns true.
    bool Append(const std::string& bytes);
    /// Makes `bytes` the whole of the file, on the disk once this returns true.
    bool Replace(const std::string& bytes);

    /// Why the last call failed, in the system's words.
    const std::string& Reason() const { return m_reason; }

private:
    bool Write(const std::string& bytes);
    bool Fail(int error);

#ifdef _WIN32
    void* m_handle = nullptr;
#else
    int m_fd = -1;
    /// The folder of a file this one created, until the first addition makes its name durable.
    std::filesystem::path m_newIn;
#endif
    std::string m_reason;
};
