#include "timing/run_keys.h"

#include <gtest/gtest.h>

#include <wx/defs.h>
#include <wx/translation.h>

#include <memory>
#include <string>

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

namespace
{
/// A key with the modifiers named in `held` ("a" Alt, "c" Control, "s" Shift, "m" Meta).
KeyPress Key(int code, const char* held = "", KeyFocus focus = KeyFocus::Elsewhere)
{
    const std::string h = held;
    return {code, h.find('a') != std::string::npos, h.find('c') != std::string::npos,
            h.find('s') != std::string::npos, h.find('m') != std::string::npos, focus};
}
constexpr KeyFocus OnStart = KeyFocus::StartButton, OnReset = KeyFocus::ResetButton,
                   OnOther = KeyFocus::OtherButton, InList = KeyFocus::Elsewhere;
} // namespace

TEST(RunKeys, WhichButtonAKeyPresses)
{
    const RunKey None = RunKey::None, Start = RunKey::StartButton, Reset = RunKey::ResetButton;
    const struct
    {
        KeyPress key;
        RunKey pressed;
    } cases[] = {
        {Key('S', "a"), Start},          {Key('T', "a"), Reset},           {Key('s', "a"), Start},
        {Key('S', "a", OnOther), Start}, {Key('L', "a"), None},            {Key('T', "as"), None},
        {Key('T', "am"), None},          {Key('S', "c"), None},            {Key('S'), None},
        {Key(WXK_RETURN, "a"), None},    {Key(WXK_RETURN), Start},         {Key(WXK_NUMPAD_ENTER), Start},
        {Key(WXK_RETURN, "", OnStart), Start}, {Key(WXK_RETURN, "", OnReset), Reset},
        {Key(WXK_RETURN, "", OnOther), None},  {Key(WXK_RETURN, "s"), None},
        {Key(WXK_SPACE, "", OnStart), Start},  {Key(WXK_SPACE, "", OnReset), Reset},
        {Key(WXK_SPACE, "", InList), None},    {Key(WXK_SPACE, "", OnOther), None},
        {Key(WXK_ESCAPE, "", OnStart), None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunKeyFor(c.key, "&Start", "Rese&t"), c.pressed)
            << "key " << c.key.keyCode << " alt " << c.key.alt << " shift " << c.key.shift
            << " focus " << static_cast<int>(c.key.focus);
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
            EXPECT_EQ(RunKeyFor(Key(startLetter.GetValue(), "a"), tr(start), tr(reset)), RunKey::StartButton);
            EXPECT_EQ(RunKeyFor(Key(resetLetter.GetValue(), "a"), tr(start), tr(reset)), RunKey::ResetButton);
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
