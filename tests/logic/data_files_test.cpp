#include "guards.h"
#include "resources/data_files.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(DataFiles, WorkingDirectoryThenBesideTheProgramThenInstalled)
{
    TempDir root;
    const fs::path cwd = root.Path() / "work";
    const fs::path bin = root.Path() / "prefix" / "bin";
    const fs::path installed = root.Path() / "prefix" / "share" / "lapmark";
    for (const fs::path& dir : {cwd, bin, installed})
    {
        fs::create_directories(dir / "img");
        WriteWholeFile((dir / "img" / "icon.ico").string(), dir.string());
    }
    WorkingDirectoryGuard inWork(cwd.string());
    ASSERT_TRUE(inWork.Changed());
    const DataFolders folders = DataFoldersFor(wxGetCwd(), bin.string());

    EXPECT_EQ(FindPicture("img/icon.ico", folders), (cwd / "img" / "icon.ico").string());
    fs::remove(cwd / "img" / "icon.ico");
    EXPECT_EQ(FindPicture("img/icon.ico", folders), (bin / "img" / "icon.ico").string());
    fs::remove(bin / "img" / "icon.ico");
#ifndef __WXMSW__
    EXPECT_EQ(FindPicture("img/icon.ico", folders), (installed / "img" / "icon.ico").string());
    fs::remove(installed / "img" / "icon.ico");
#endif
    EXPECT_EQ(FindPicture("img/icon.ico", folders), "");

#ifdef __WXMSW__
    ASSERT_EQ(folders.catalogs.size(), 2u) << "a Windows install keeps its data beside the program";
#else
    ASSERT_EQ(folders.catalogs.size(), 3u);
    EXPECT_EQ(folders.catalogs[2], (root.Path() / "prefix" / "share" / "locale").string());
#endif
    EXPECT_EQ(folders.catalogs[0], (cwd / "locales").string());
    EXPECT_EQ(folders.catalogs[1], (bin / "locales").string());
}
