#include "resources/atomic_file.h"
#include "guards.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

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

TEST(AtomicFile, AWriteThatFailsHalfwayLeavesTheOldFile)
{
    // A large file fails as it is written; a small one, buffered whole, only as it is flushed.
    for (const auto& [limit, size] : {std::pair<rlim_t, size_t>{4096, 65536}, {4, 100}})
    {
        SCOPED_TRACE(size);
        TempDir dir;
        const std::string path = dir.File("laps.csv");
        WriteWholeFile(path, "before");
        wxString reason;
        {
            FileSizeLimitGuard full(limit);
            reason = WriteFileAtomically(path, std::string(size, 'x'));
        }
        EXPECT_EQ(reason, std::generic_category().message(EFBIG)) << "the system's own reason";
        EXPECT_EQ(ReadWholeFile(path), "before") << "never a partial file in its place";
        EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"laps.csv"});
    }
}
#endif
