#include "app/settings_store.h"
#include "l10n/language_preference.h"
#include "log_capture.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <wx/intl.h>
#include <wx/textfile.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace
{
std::unique_ptr<SettingsStore> Open(const std::string& path)
{
    return SettingsStore::Open("Lapmark", "Quillora", path);
}
} // namespace

TEST(SettingsStore, FirstStartCreatesFolderAndFile)
{
    TempDir dir;
    const std::string path = (dir.Path() / "config" / "Lapmark" / "Lapmark.conf").string();
    LogCapture log;
    auto store = Open(path);
    EXPECT_FALSE(store->IsDamaged());
    WriteLanguageSetting(*store, wxLANGUAGE_JAPANESE);
    EXPECT_EQ(ReadWholeFile(path), "ui_language=ja" + wxString(wxTextFile::GetEOL()).ToStdString());
    store.reset();
    EXPECT_EQ(log.CountAtLeast(wxLOG_Warning), 0);
}

TEST(SettingsStore, KeepsEverythingItDoesNotKnow)
{
    TempDir dir;
    const std::string path = dir.File("Lapmark.conf");
    const std::string content = "ui_language=zh_CN\nother=kept\n[Window]\nx=10\n";
    WriteWholeFile(path, content);
    {
        LogCapture log;
        auto store = Open(path);
        EXPECT_FALSE(store->IsDamaged());
        EXPECT_EQ(store->Read(LanguageKey, ""), "zh_CN");
        EXPECT_EQ(log.CountAtLeast(wxLOG_Warning), 0);
    }
    EXPECT_EQ(ReadWholeFile(path), content);
}

TEST(SettingsStore, ReadsOddButValidFiles)
{
    const struct
    {
        const char* name;
        std::string content;
        std::string language;
    } cases[] = {
        {"no line end", "ui_language=ja", "ja"},
        {"one MiB value", "ui_language=" + std::string(1 << 20, 'x') + "\n",
         std::string(1 << 20, 'x')},
        {"empty file", "", ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.File("Lapmark.conf");
        WriteWholeFile(path, c.content);
        LogCapture log;
        auto store = Open(path);
        EXPECT_FALSE(store->IsDamaged());
        EXPECT_EQ(store->Read(LanguageKey, ""), wxString(c.language));
    }
}

TEST(SettingsStore, DamagedFileIsNeverOverwrittenWithAPartialOne)
{
    const struct
    {
        const char* name;
        std::string content;
    } cases[] = {
        {"garbage lines", "ui_language=ja\nthis line has no equals sign\n[broken\n"},
        {"binary bytes", std::string("ui_language=ja\n\x01\x02\xff\xfe\x00\x80zz\n", 22)},
        // The parser only warns about these two, and still they are damage.
        {"text after a group header", "ui_language=ja\n[Window] junk\nx=10\n"},
        {"the same key twice", "ui_language=ja\nui_language=zh_CN\n"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.File("Lapmark.conf");
        WriteWholeFile(path, c.content);
        {
            LogCapture log;
            auto store = Open(path);
            EXPECT_TRUE(store->IsDamaged());
            EXPECT_EQ(log.CountAtLeast(wxLOG_Warning), 1) << "one clear message";
            store->Write("recorded", "default value"); // would be saved at exit otherwise
        }
        EXPECT_EQ(ReadWholeFile(path), c.content) << "untouched after a run";

        // A deliberate choice is saved, and the damaged file is kept aside first.
        LogCapture log;
        auto store = Open(path);
        WriteLanguageSetting(*store, wxLANGUAGE_CHINESE_SIMPLIFIED);
        EXPECT_FALSE(store->IsDamaged());
        EXPECT_EQ(ReadWholeFile(path + ".damaged"), c.content);
        EXPECT_NE(ReadWholeFile(path).find("ui_language=zh_CN"), std::string::npos);
    }
}

TEST(SettingsStore, AnEarlierDamagedCopyIsKeptToo)
{
    TempDir dir;
    const std::string path = dir.File("Lapmark.conf");
    WriteWholeFile(path + ".damaged", "from an earlier damage\n");
    WriteWholeFile(path + ".damaged-2", "and another\n");
    WriteWholeFile(path, "ui_language=ja\n[broken\n");
    LogCapture log;
    auto store = Open(path);
    WriteLanguageSetting(*store, wxLANGUAGE_JAPANESE);
    EXPECT_EQ(log.CountAtLeast(wxLOG_Error), 0);
    EXPECT_EQ(ReadWholeFile(path + ".damaged"), "from an earlier damage\n");
    EXPECT_EQ(ReadWholeFile(path + ".damaged-2"), "and another\n");
    EXPECT_EQ(ReadWholeFile(path + ".damaged-3"), "ui_language=ja\n[broken\n");
    EXPECT_NE(ReadWholeFile(path).find("ui_language=ja"), std::string::npos) << "and the choice is saved";
}

TEST(SettingsStore, UnreadablePathIsLeftAlone)
{
    TempDir dir;
    const std::string path = dir.File("Lapmark.conf");
    fs::create_directory(path); // there, but no file that can be read
    LogCapture log;
    auto store = Open(path);
    EXPECT_TRUE(store->IsDamaged());
    EXPECT_EQ(store->Read(LanguageKey, "none"), "none");
    EXPECT_FALSE(store->Flush());
    EXPECT_GE(log.CountAtLeast(wxLOG_Error), 1);
    store.reset();
    EXPECT_TRUE(fs::is_directory(path));
}

TEST(SettingsStore, UnwritableFolderFailsWithAMessageOnce)
{
    TempDir dir;
    WriteWholeFile(dir.File("Lapmark"), "a file where the folder should be");
    const std::string path = (dir.Path() / "Lapmark" / "Lapmark.conf").string();
    LogCapture log;
    auto store = Open(path);
    EXPECT_FALSE(store->IsDamaged());
    WriteLanguageSetting(*store, wxLANGUAGE_JAPANESE);
    const int errors = log.CountAtLeast(wxLOG_Error);
    EXPECT_GE(errors, 1);
    store.reset(); // no second attempt at exit
    EXPECT_EQ(log.CountAtLeast(wxLOG_Error), errors);
    EXPECT_EQ(ReadWholeFile(dir.File("Lapmark")), "a file where the folder should be");
}
