#include "resources/atomic_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace fs = std::filesystem;

namespace
{
/// The names in a folder, to see that no temporary file stays behind.
std::vector<std::string> Names(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

TEST(AtomicFile, WritesWholeAndReplaces)
{
    TempDir dir;
    const std::string path = dir.File("laps.csv");
    EXPECT_EQ(WriteFileAtomically(path, std::string("a\0b", 3)), "");
    EXPECT_EQ(ReadWholeFile(path), std::string("a\0b", 3));
    EXPECT_EQ(WriteFileAtomically(path, "second"), "");
    EXPECT_EQ(ReadWholeFile(path), "second") << "an older file is replaced";
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"laps.csv"});
}

TEST(AtomicFile, AFailureSaysWhyAndLeavesNothing)
{
    TempDir dir;
    fs::create_directory(dir.Path() / "folder.csv");
    // A folder that is not there, and a folder in the file's place.
    for (const fs::path& path : {dir.Path() / "gone" / "laps.csv", dir.Path() / "folder.csv"})
        EXPECT_NE(WriteFileAtomically(path.string(), "rows"), "") << path;
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"folder.csv"});
}

#ifndef _WIN32
namespace
{
/// Lets no file grow past `bytes` (as a full disk would), and puts the limit back.
class FileSizeLimitGuard
{
public:
    explicit FileSizeLimitGuard(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousSignal = std::signal(SIGXFSZ, SIG_IGN); // a write past it fails instead
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimitGuard()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousSignal);
    }
    FileSizeLimitGuard(const FileSizeLimitGuard&) = delete;
    FileSizeLimitGuard& operator=(const FileSizeLimitGuard&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousSignal)(int) = nullptr;
};
} // namespace

TEST(AtomicFile, AWriteThatFailsHalfwayLeavesTheOldFile)
{
    TempDir dir;
    const std::string path = dir.File("laps.csv");
    WriteWholeFile(path, "before");
    wxString reason;
    {
        FileSizeLimitGuard full(4096);
        reason = WriteFileAtomically(path, std::string(65536, 'x'));
    }
    EXPECT_EQ(reason, std::generic_category().message(EFBIG)) << "the system's own reason";
    EXPECT_EQ(ReadWholeFile(path), "before") << "never a partial file in its place";
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"laps.csv"});
}
#endif
