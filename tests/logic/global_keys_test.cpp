#include "desktop/global_keys.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <wx/accel.h>
#include <wx/fileconf.h>

#include <optional>

namespace
{
constexpr int Ctrl = wxACCEL_CTRL, Alt = wxACCEL_ALT, Shift = wxACCEL_SHIFT;
} // namespace

TEST(GlobalKeys, TextReadAndWrittenAsTheToolkitsAccelerators)
{
    const struct
    {
        const char* text;
        GlobalKey key;
        const char* stored; // as written back
    } cases[] = {
        {"Ctrl+Shift+F9", {Ctrl | Shift, WXK_F9}, "Ctrl+Shift+F9"},
        {"shift+ctrl+f9", {Ctrl | Shift, WXK_F9}, "Ctrl+Shift+F9"},
        {"F8", {0, WXK_F8}, "F8"},
        {"Alt+a", {Alt, 'A'}, "Alt+A"},
        {"Ctrl+Alt+KP_5", {Ctrl | Alt, WXK_NUMPAD5}, "Alt+Ctrl+KP_5"},
        {"KP_ADD", {0, WXK_NUMPAD_ADD}, "Num +"},
        {"Ctrl+PgDn", {Ctrl, WXK_PAGEDOWN}, "Ctrl+Page Down"},
        {"", {}, ""},
        {"Ctrl+", {}, ""},
        {"Ctrl+NoSuchKey", {}, ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        const GlobalKey key = GlobalKeyFromText(c.text);
        EXPECT_EQ(key.modifiers, c.key.modifiers);
        EXPECT_EQ(key.keyCode, c.key.keyCode);
        EXPECT_EQ(StoredText(key), c.stored);
        EXPECT_EQ(GlobalKeyFromText(StoredText(key)), key);
    }
}

TEST(GlobalKeys, KeysThatTypeAreRefusedFunctionAndKeypadKeysAllowed)
{
    const struct
    {
        GlobalKey key;
        KeyRefusal refusal;
    } cases[] = {
        {{0, 'A'}, KeyRefusal::TakesTyping},
        {{Shift, 'A'}, KeyRefusal::TakesTyping},
        {{0, '7'}, KeyRefusal::TakesTyping},
        {{0, ','}, KeyRefusal::TakesTyping},
        {{0, WXK_SPACE}, KeyRefusal::TakesTyping},
        {{Shift, WXK_RETURN}, KeyRefusal::TakesTyping},
        {{0, WXK_TAB}, KeyRefusal::TakesTyping},
        {{0, WXK_BACK}, KeyRefusal::TakesTyping},
        {{0, WXK_LEFT}, KeyRefusal::TakesTyping},
        {{Ctrl, 'A'}, KeyRefusal::None},
        {{Alt, WXK_SPACE}, KeyRefusal::None},
        {{Ctrl | Shift, '7'}, KeyRefusal::None},
        {{0, WXK_F9}, KeyRefusal::None},
        {{Shift, WXK_F12}, KeyRefusal::None},
        {{0, WXK_NUMPAD5}, KeyRefusal::None},
        {{0, WXK_NUMPAD_ENTER}, KeyRefusal::None},
        {{0, WXK_PAUSE}, KeyRefusal::None},
        {{Ctrl, WXK_SHIFT}, KeyRefusal::ModifierOnly},
        {{0, WXK_ALT}, KeyRefusal::ModifierOnly},
        {{0, WXK_CONTROL}, KeyRefusal::ModifierOnly},
        {{Ctrl, WXK_F13}, KeyRefusal::Unnamed},
        {{Ctrl, WXK_WINDOWS_MENU}, KeyRefusal::Unnamed},
        {{Ctrl, WXK_MEDIA_PLAY_PAUSE}, KeyRefusal::Unnamed},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.key.modifiers) + "+" + std::to_string(c.key.keyCode));
        EXPECT_EQ(RefusalOf(c.key), c.refusal);
        // The reason names the key the user pressed; a key that can be taken has a name.
        if (c.refusal == KeyRefusal::TakesTyping)
        {
            EXPECT_NE(RefusalReason(c.key).Find(ShownText(c.key)), wxNOT_FOUND);
        }
        if (c.refusal == KeyRefusal::None)
        {
            EXPECT_EQ(GlobalKeyFromText(StoredText(c.key)), c.key);
        }
        EXPECT_EQ(RefusalReason(c.key).empty(), c.refusal == KeyRefusal::None);
    }
}

TEST(GlobalKeys, StoredBesideTheLanguageOffUntilChosen)
{
    const struct
    {
        std::optional<std::string> startStop, split; // nullopt: no entry
        GlobalKey readStartStop, readSplit;
    } cases[] = {
        {std::nullopt, std::nullopt, {}, {}},
        {"", "", {}, {}},
        {"Ctrl+Shift+F9", "F8", {Ctrl | Shift, WXK_F9}, {0, WXK_F8}},
        {"A", "Ctrl+Shift+F8", {}, {Ctrl | Shift, WXK_F8}}, // refused, as if off
        {"garbage!", "Space", {}, {}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.startStop.value_or("-") + " / " + c.split.value_or("-"));
        TempDir dir;
        const std::string path = dir.File("Lapmark.conf");
        std::string text = "ui_language=default\n";
        if (c.startStop)
            text += "global_start_stop=" + *c.startStop + "\n";
        if (c.split)
            text += "global_split=" + *c.split + "\n";
        WriteWholeFile(path, text);
        wxFileConfig config(wxString(), wxString(), path, wxString(), wxCONFIG_USE_LOCAL_FILE);
        const GlobalKeys keys = ReadGlobalKeys(config);
        EXPECT_EQ(keys[GlobalAction::StartStop], c.readStartStop);
        EXPECT_EQ(keys[GlobalAction::Split], c.readSplit);
        EXPECT_EQ(keys.AnySet(), c.readStartStop.IsSet() || c.readSplit.IsSet());
    }
}

TEST(GlobalKeys, WrittenAsTextAndClearedByRemoving)
{
    TempDir dir;
    const std::string path = dir.File("Lapmark.conf");
    WriteWholeFile(path, "ui_language=ja\n");
    wxFileConfig config(wxString(), wxString(), path, wxString(), wxCONFIG_USE_LOCAL_FILE);
    WriteGlobalKey(config, GlobalAction::StartStop, {Ctrl | Shift, WXK_F9});
    WriteGlobalKey(config, GlobalAction::Split, {0, WXK_NUMPAD5});
    EXPECT_EQ(config.Read("global_start_stop", ""), "Ctrl+Shift+F9");
    EXPECT_EQ(config.Read("global_split", ""), "KP_5");
    WriteGlobalKey(config, GlobalAction::Split, GlobalKey());
    EXPECT_FALSE(config.HasEntry("global_split"));
    EXPECT_EQ(config.Read("ui_language", ""), "ja");
    const GlobalKeys keys = ReadGlobalKeys(config);
    EXPECT_EQ(keys[GlobalAction::StartStop], (GlobalKey{Ctrl | Shift, WXK_F9}));
    EXPECT_FALSE(keys[GlobalAction::Split].IsSet());
}

TEST(GlobalKeys, AKeyHeldElsewhereIsNamed)
{
    for (GlobalAction action : GlobalActions)
        EXPECT_NE(HeldElsewhereMessage(action, {Ctrl | Alt, WXK_F10}).Find("Alt+Ctrl+F10"),
                  wxNOT_FOUND);
    EXPECT_NE(HeldElsewhereMessage(GlobalAction::StartStop, {}),
              HeldElsewhereMessage(GlobalAction::Split, {}));
}
