#include "mainwin/run_keys.h"

#include <gtest/gtest.h>

#include <wx/defs.h>
#include <wx/translation.h>

#include <memory>

TEST(RunKeys, MnemonicLetters)
{
    const struct
    {
        const char* label;
        wxUniChar letter;
    } cases[] = {
        {"&Start", 'S'},          {"Rese&t", 'T'},    {"開始(&S)", 'S'}, {"计次(&t)", 'T'},
        {"Fish && &Chips", 'C'}, {"No marker", 0},   {"Trailing&", 0},  {"&&", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MnemonicOf(wxString::FromUTF8(c.label)), c.letter) << c.label;
}

TEST(RunKeys, WhichButtonAKeyPresses)
{
    const auto alt = [](int code) { return KeyPress{code, true, false, false, false, KeyFocus::Elsewhere}; };
    const auto plain = [](int code, KeyFocus focus) { return KeyPress{code, false, false, false, false, focus}; };
    KeyPress altShiftT = alt('T');
    altShiftT.shift = true;
    KeyPress ctrlS = plain('S', KeyFocus::Elsewhere);
    ctrlS.control = true;
    KeyPress altMetaT = alt('T');
    altMetaT.meta = true;
    KeyPress shiftReturn = plain(WXK_RETURN, KeyFocus::Elsewhere);
    shiftReturn.shift = true;
    KeyPress altFocusedOther = alt('S');
    altFocusedOther.focus = KeyFocus::OtherButton;
    const struct
    {
        const char* what;
        KeyPress key;
        RunKey pressed;
    } cases[] = {
        {"Alt+S", alt('S'), RunKey::StartButton},
        {"Alt+T", alt('T'), RunKey::ResetButton},
        {"Alt+s (lower case)", alt('s'), RunKey::StartButton},
        {"Alt+S with another button focused", altFocusedOther, RunKey::StartButton},
        {"Alt+L belongs to Language", alt('L'), RunKey::None},
        {"Alt+Shift+T", altShiftT, RunKey::None},
        {"Alt+Meta+T", altMetaT, RunKey::None},
        {"Ctrl+S", ctrlS, RunKey::None},
        {"S alone", plain('S', KeyFocus::Elsewhere), RunKey::None},
        {"Alt+Return", alt(WXK_RETURN), RunKey::None},
        {"Return in the list: the default button", plain(WXK_RETURN, KeyFocus::Elsewhere), RunKey::StartButton},
        {"keypad Enter in the list", plain(WXK_NUMPAD_ENTER, KeyFocus::Elsewhere), RunKey::StartButton},
        {"Return on Start", plain(WXK_RETURN, KeyFocus::StartButton), RunKey::StartButton},
        {"Return on Reset", plain(WXK_RETURN, KeyFocus::ResetButton), RunKey::ResetButton},
        {"Return on About is About's", plain(WXK_RETURN, KeyFocus::OtherButton), RunKey::None},
        {"Shift+Return", shiftReturn, RunKey::None},
        {"Space on Start", plain(WXK_SPACE, KeyFocus::StartButton), RunKey::StartButton},
        {"Space on Reset", plain(WXK_SPACE, KeyFocus::ResetButton), RunKey::ResetButton},
        {"Space in the list selects", plain(WXK_SPACE, KeyFocus::Elsewhere), RunKey::None},
        {"Space on Update is Update's", plain(WXK_SPACE, KeyFocus::OtherButton), RunKey::None},
        {"Escape", plain(WXK_ESCAPE, KeyFocus::StartButton), RunKey::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunKeyFor(c.key, "&Start", "Rese&t"), c.pressed) << c.what;
}

// The letters come from the labels as translated, in every catalog the program ships; the two run
// buttons keep their letters from one state to the other, and no other button shares them.
TEST(RunKeys, EveryCatalogsLettersPressTheirButtons)
{
    for (const char* language : {"", "ja", "zh_CN"})
    {
        SCOPED_TRACE(language);
        wxTranslations translations;
        if (*language)
        {
            auto* loader = new wxFileTranslationsLoader;
            loader->AddCatalogLookupPathPrefix(LAPMARK_BINARY_DIR "/locales");
            translations.SetLoader(loader);
            translations.SetLanguage(language);
            ASSERT_TRUE(translations.AddCatalog("Lapmark"));
        }
        const auto tr = [&](const char* key) {
            const wxString* text = translations.GetTranslatedString(key, "Lapmark");
            return text ? *text : wxString(key);
        };
        const wxUniChar others[] = {MnemonicOf(tr("&Language...")), MnemonicOf(tr("&Update...")),
                                    MnemonicOf(tr("&About..."))};
        for (const auto& [start, reset] : {std::pair{"&Start", "Rese&t"}, std::pair{"&Stop", "Spli&t"}})
        {
            SCOPED_TRACE(start);
            const wxUniChar startLetter = MnemonicOf(tr(start));
            const wxUniChar resetLetter = MnemonicOf(tr(reset));
            EXPECT_EQ(startLetter, 'S');
            EXPECT_EQ(resetLetter, 'T');
            const KeyPress altStart{static_cast<int>(startLetter.GetValue()), true, false, false, false,
                                    KeyFocus::Elsewhere};
            const KeyPress altReset{static_cast<int>(resetLetter.GetValue()), true, false, false, false,
                                    KeyFocus::Elsewhere};
            EXPECT_EQ(RunKeyFor(altStart, tr(start), tr(reset)), RunKey::StartButton);
            EXPECT_EQ(RunKeyFor(altReset, tr(start), tr(reset)), RunKey::ResetButton);
            for (wxUniChar other : others)
            {
                EXPECT_NE(other, startLetter);
                EXPECT_NE(other, resetLetter);
            }
        }
    }
}

TEST(RunKeys, AHeldKeyIsOnePress)
{
    HeldKeys held;
    EXPECT_TRUE(held.Press('T'));
    EXPECT_FALSE(held.Press('T')) << "a repeat";
    EXPECT_TRUE(held.Press('S')) << "another key is its own press";
    held.Release('T');
    EXPECT_TRUE(held.Press('T')) << "pressed again after its release";
    EXPECT_FALSE(held.Press('S'));
    held.Clear();
    EXPECT_TRUE(held.Press('S')) << "forgotten with the keyboard";
}
