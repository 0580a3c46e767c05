#include "l10n/language_preference.h"
#include "log_capture.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <wx/fileconf.h>
#include <wx/intl.h>

#include <memory>
#include <optional>

namespace
{
std::unique_ptr<wxFileConfig> OpenConfig(const std::string& path)
{
    auto config = std::make_unique<wxFileConfig>(wxString(), wxString(), path, wxString(),
                                                 wxCONFIG_USE_LOCAL_FILE);
    config->SetRecordDefaults(true); // as at start-up
    return config;
}

int JapaneseOrFail()
{
    ADD_FAILURE() << "nothing should have been asked";
    return wxLANGUAGE_JAPANESE;
}
} // namespace

TEST(LanguagePreference, EveryStoredValue)
{
    const struct
    {
        std::optional<std::string> stored; // nullopt: no entry at all
        int language;
        bool asks;
        bool error;
    } cases[] = {
        {std::nullopt, wxLANGUAGE_JAPANESE, true, false},
        {"", wxLANGUAGE_JAPANESE, true, false},
        {"default", wxLANGUAGE_DEFAULT, false, false},
        {"Default", wxLANGUAGE_DEFAULT, false, true},
        {"zh_CN", wxLANGUAGE_CHINESE_SIMPLIFIED, false, false},
        {"ja", wxLANGUAGE_JAPANESE, false, false},
        {"xx_garbage!", wxLANGUAGE_DEFAULT, false, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.stored ? "stored \"" + *c.stored + "\"" : "missing");
        TempDir dir;
        const std::string path = dir.File("Lapmark.conf");
        if (c.stored)
            WriteWholeFile(path, "ui_language=" + *c.stored + "\n");
        auto config = OpenConfig(path);
        int asked = 0;
        LogCapture log;
        const int language = ReadLanguageSetting(*config, [&] {
            ++asked;
            return static_cast<int>(wxLANGUAGE_JAPANESE);
        });
        EXPECT_EQ(language, c.language);
        EXPECT_EQ(asked, c.asks ? 1 : 0);
        ASSERT_EQ(log.CountAtLeast(wxLOG_Error), c.error ? 1 : 0);
        if (c.error)
        {
            EXPECT_EQ(log.Records()[0].message,
                      wxString::Format("Uknown locale code '%s' in registry.", *c.stored));
        }
        if (!c.asks)
        {
            EXPECT_EQ(config->Read(LanguageKey, "?"), wxString(*c.stored)) << "left as it was";
        }
    }
}

namespace
{
/// A store whose "ui_language" is there but is no text, as a registry value of another type.
class NotTextConfig : public wxFileConfig
{
public:
    using wxFileConfig::wxFileConfig;

protected:
    bool DoReadString(const wxString& key, wxString* value) const override
    {
        if (key == LanguageKey)
        {
            wxLogError("the toolkit's own words");
            return false;
        }
        return wxFileConfig::DoReadString(key, value);
    }
};
} // namespace

TEST(LanguagePreference, AValueThatIsNotTextIsReportedOnceAndKept)
{
    TempDir dir;
    const std::string path = dir.File("Lapmark.conf");
    WriteWholeFile(path, "ui_language=5\n");
    NotTextConfig config(wxString(), wxString(), path, wxString(), wxCONFIG_USE_LOCAL_FILE);
    config.SetRecordDefaults(true);
    LogCapture log;
    EXPECT_EQ(ReadLanguageSetting(config, JapaneseOrFail), wxLANGUAGE_DEFAULT);
    ASSERT_EQ(log.Records().size(), 1u);
    EXPECT_EQ(log.Records()[0].level, wxLOG_Warning);
    EXPECT_EQ(log.Records()[0].message, "The stored interface language cannot be read. It is left "
                                         "as it is until you choose a language.");
    config.Flush();
    EXPECT_EQ(ReadWholeFile(path), "ui_language=5\n") << "nothing recorded over it";
}

TEST(LanguagePreference, FirstStartPaths)
{
    const struct
    {
        int answer;
        int language;
        const char* stored;
    } cases[] = {
        {wxLANGUAGE_CHINESE_SIMPLIFIED, wxLANGUAGE_CHINESE_SIMPLIFIED, "zh_CN"},
        {wxLANGUAGE_DEFAULT, wxLANGUAGE_DEFAULT, "default"},
        {wxLANGUAGE_UNKNOWN, wxLANGUAGE_DEFAULT, ""}, // cancelled: nothing chosen is stored
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.stored);
        TempDir dir;
        const std::string path = dir.File("Lapmark.conf");
        auto config = OpenConfig(path);
        EXPECT_EQ(ReadLanguageSetting(*config, [&] { return c.answer; }), c.language);
        EXPECT_EQ(config->Read(LanguageKey, "?"), c.stored);
        config.reset();
        // The next start asks again only when nothing was chosen.
        config = OpenConfig(path);
        int asked = 0;
        ReadLanguageSetting(*config, [&] {
            ++asked;
            return static_cast<int>(wxLANGUAGE_UNKNOWN);
        });
        EXPECT_EQ(asked, c.answer == wxLANGUAGE_UNKNOWN ? 1 : 0);
    }
}

TEST(LanguagePreference, SaveWritesToDiskAtOnce)
{
    const struct
    {
        int language;
        const char* line;
    } cases[] = {
        {wxLANGUAGE_DEFAULT, "ui_language=default"},
        {wxLANGUAGE_JAPANESE, "ui_language=ja"},
        {wxLANGUAGE_CHINESE_SIMPLIFIED, "ui_language=zh_CN"},
        {wxLANGUAGE_ENGLISH, "ui_language=en"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.line);
        TempDir dir;
        const std::string path = dir.File("Lapmark.conf");
        auto config = OpenConfig(path);
        WriteLanguageSetting(*config, c.language);
        // Still open: the value must already be on disk.
        EXPECT_NE(ReadWholeFile(path).find(c.line), std::string::npos) << ReadWholeFile(path);
        EXPECT_EQ(ReadLanguageSetting(*config, JapaneseOrFail), c.language)
            << "read back as the same language";
    }
}

TEST(LanguagePreference, AHugeStoredValueIsShortenedInTheMessageAndKept)
{
    TempDir dir;
    const std::string path = dir.File("Lapmark.conf");
    const std::string huge(1 << 20, 'x');
    WriteWholeFile(path, "ui_language=" + huge + "\n");
    auto config = OpenConfig(path);
    LogCapture log;
    EXPECT_EQ(ReadLanguageSetting(*config, JapaneseOrFail), wxLANGUAGE_DEFAULT);
    ASSERT_EQ(log.CountAtLeast(wxLOG_Error), 1);
    EXPECT_EQ(log.Records()[0].message,
              "Uknown locale code '" + std::string(64, 'x') + "...' in registry.");
    config.reset();
    EXPECT_EQ(ReadWholeFile(path), "ui_language=" + huge + "\n");
}

TEST(LanguagePreference, SavingUnknownWritesNothing)
{
    TempDir dir;
    const std::string path = dir.File("Lapmark.conf");
    WriteWholeFile(path, "ui_language=ja\n");
    auto config = OpenConfig(path);
    WriteLanguageSetting(*config, wxLANGUAGE_UNKNOWN);
    config.reset();
    EXPECT_EQ(ReadWholeFile(path), "ui_language=ja\n");
}
