#include "fake_clock.h"
#include "gui_test.h"
#include "l10n/language_dialogs.h"
#include "l10n/language_preference.h"
#include "log_capture.h"
#include "mainwin/lapmark_dialog.h"
#include "split_list_view.h"
#include "temp_dir.h"

#include <wx/button.h>
#include <wx/config.h>
#include <wx/intl.h>
#include <wx/menu.h>

#include <array>

namespace
{
wxString StoredLanguage()
{
    return wxConfigBase::Get()->Read(LanguageKey, "<nothing>");
}

class LanguageCommand : public testing::Test
{
protected:
    void SetUp() override { wxConfigBase::Get()->DeleteEntry(LanguageKey); }
    void PressLanguage() { Click(*FindControl<wxButton>(*m_dialog, "ID_BUTTON_LANG")); }

    FakeClock m_clock;
    std::unique_ptr<LapmarkDialog> m_dialog = std::make_unique<LapmarkDialog>(nullptr, wxID_ANY, m_clock);
};
} // namespace

TEST_F(LanguageCommand, CancelStoresNothingAndSaysNothing)
{
    ChoiceSeen seen;
    wxTEST_DIALOG(PressLanguage(),
                  wxExpectModal<wxSingleChoiceDialog>(-1, &seen).Describe("language list"));
    EXPECT_EQ(seen.count, 1);
    EXPECT_EQ(StoredLanguage(), "<nothing>");
}

TEST_F(LanguageCommand, ListShowsFourRowsWithTheStoredOneSelectedSoOkKeepsIt)
{
    const struct
    {
        const char* stored; // nullptr: nothing stored
        int selected;
    } cases[] = {{"ja", 3}, {"default", 0}, {"zh_CN", 1}, {nullptr, -1}, {"xx_YY", -1}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.stored ? c.stored : "nothing stored");
        wxConfigBase::Get()->DeleteEntry(LanguageKey);
        if (c.stored)
            wxConfigBase::Get()->Write(LanguageKey, c.stored);
        ChoiceSeen seen;
        MessageBoxSeen notice;
        // OK as the list opened: it keeps what was stored, and chooses nothing where nothing is.
        if (c.selected >= 0)
        {
            wxTEST_DIALOG(PressLanguage(),
                          wxExpectModal<wxSingleChoiceDialog>(OkAsOpened, &seen).Describe("language list"),
                          MessageBoxAnswer(wxOK, &notice).Describe("restart notice"));
        }
        else
        {
            wxTEST_DIALOG(PressLanguage(),
                          wxExpectModal<wxSingleChoiceDialog>(OkAsOpened, &seen).Describe("language list"));
        }
        EXPECT_EQ(seen.selectionAtOpen, c.selected);
        EXPECT_EQ(StoredLanguage(), c.stored ? c.stored : "<nothing>");
        EXPECT_EQ(notice.count, c.selected >= 0 ? 1 : 0);
    }
    ChoiceSeen seen;
    wxTEST_DIALOG(PressLanguage(), wxExpectModal<wxSingleChoiceDialog>(-1, &seen).Describe("language list"));
    EXPECT_EQ(seen.caption, "Language selection");
    const wxArrayString rows(4, std::array<wxString, 4>{"(Use default language)", "Chinese (Simplified)",
                                                        "English", "Japanese"}.data());
    EXPECT_EQ(seen.rows, rows);
    EXPECT_EQ(seen.parent, nullptr);
}

TEST_F(LanguageCommand, EveryChoiceIsStoredAndFollowedByTheRestartNotice)
{
    const struct
    {
        int row;
        const char* stored;
    } cases[] = {{0, "default"}, {1, "zh_CN"}, {2, "en"}, {3, "ja"}, {3, "ja"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.stored);
        MessageBoxSeen notice;
        wxTEST_DIALOG(PressLanguage(),
                      wxExpectModal<wxSingleChoiceDialog>(c.row).Describe("language list"),
                      MessageBoxAnswer(wxOK, &notice).Describe("restart notice"));
        EXPECT_EQ(StoredLanguage(), c.stored);
        EXPECT_EQ(notice.count, 1);
        EXPECT_EQ(notice.message, "You must restart application for this change to take effect.");
        EXPECT_EQ(notice.caption, "Lapmark");
        EXPECT_TRUE(notice.style & wxICON_INFORMATION);
        EXPECT_EQ(notice.parent, nullptr);
        EXPECT_EQ(FindControl<wxButton>(*m_dialog, "ID_BUTTON_START")->GetLabel(), "&Start")
            << "the running window keeps its language";
    }
}

TEST(Translations, JapaneseWindowEvenWithoutASystemJapaneseLocale)
{
    ChoiceSeen english;
    wxTEST_DIALOG(ChooseLanguage(),
                  wxExpectModal<wxSingleChoiceDialog>(-1, &english).Describe("language list"));
    ASSERT_EQ(english.rows.size(), 4u);
    LogCapture log; // a missing system locale may be reported; it must not stop the catalog
    {
        wxLocale japanese;
        japanese.Init(wxLANGUAGE_JAPANESE, wxLOCALE_LOAD_DEFAULT);
        ASSERT_TRUE(japanese.AddCatalog("Lapmark"));
        FakeClock clock;
        LapmarkDialog dialog(nullptr, wxID_ANY, clock);
        dialog.InitDialog();
        EXPECT_EQ(dialog.GetTitle(), "Lapmark") << "the program's name, in every language";
        EXPECT_EQ(FindControl<wxButton>(dialog, "ID_BUTTON_START")->GetLabel(), U8("開始(&S)"));
        EXPECT_EQ(FindControl<wxButton>(dialog, "ID_BUTTON_RESET")->GetLabel(), U8("リセット(&T)"));
        EXPECT_EQ(FindControl<wxButton>(dialog, "ID_BUTTON_LANG")->GetLabel(), U8("言語(&L)..."));
        EXPECT_EQ(SplitListView(dialog.GetSplitList()).Column(1).heading, U8("操作"));
        const auto menu = dialog.GetSplitList().CreateMenu();
        EXPECT_EQ(menu->GetLabel(wxID_COPY), U8("コピー(&C)\tCtrl+C"));
        EXPECT_EQ(menu->GetLabel(wxID_SELECTALL), U8("すべて選択(&A)\tCtrl+A"));

        ChoiceSeen seen;
        wxTEST_DIALOG(Click(*FindControl<wxButton>(dialog, "ID_BUTTON_LANG")),
                      wxExpectModal<wxSingleChoiceDialog>(-1, &seen).Describe("language list"));
        EXPECT_EQ(seen.caption, U8("言語の選択"));
        ASSERT_EQ(seen.rows.size(), 4u);
        EXPECT_EQ(seen.rows[0], U8("（システムの既定の言語を使用）"));
        for (int row = 1; row < 4; ++row)
            EXPECT_EQ(seen.rows[row], english.rows[row]) << "language names stay as written";

        Click(*FindControl<wxButton>(dialog, "ID_BUTTON_START"));
        EXPECT_EQ(FindControl<wxButton>(dialog, "ID_BUTTON_START")->GetLabel(), U8("停止(&S)"));
        EXPECT_EQ(FindControl<wxButton>(dialog, "ID_BUTTON_RESET")->GetLabel(), U8("スプリット(&T)"));

        // The rows and the laps that leave the window speak the language too.
        Click(*FindControl<wxButton>(dialog, "ID_BUTTON_RESET"));
        Click(*FindControl<wxButton>(dialog, "ID_BUTTON_START"));
        SplitList& list = dialog.GetSplitList();
        const SplitListView view(list);
        EXPECT_EQ(view.Cell(0, 1), U8("スプリット"));
        EXPECT_EQ(view.Cell(1, 1), U8("停止"));
        TempDir dir;
        ASSERT_TRUE(list.SaveTo(dir.File("laps.csv")));
        const std::string saved = ReadWholeFile(dir.File("laps.csv"));
        EXPECT_EQ(saved.substr(3, saved.find("\r\n") - 3), "番号,操作,合計時間,ラップ");
        EXPECT_NE(saved.find("\r\n#1,スプリット,"), std::string::npos) << saved;
        EXPECT_NE(saved.find("\r\n#2,停止,"), std::string::npos) << saved;
    }
    EXPECT_EQ(_("&Start"), "&Start") << "the previous language is back";
}

TEST(FirstStart, TheQuestionStoresWhatIsPicked)
{
    const struct
    {
        int row; // -1: cancelled
        int language;
        const char* stored;
    } cases[] = {
        {3, wxLANGUAGE_JAPANESE, "ja"},
        {0, wxLANGUAGE_DEFAULT, "default"},
        {-1, wxLANGUAGE_DEFAULT, "<nothing>"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.stored);
        wxConfigBase::Get()->DeleteEntry(LanguageKey);
        int language = wxLANGUAGE_UNKNOWN;
        ChoiceSeen seen;
        wxTEST_DIALOG(language = ReadLanguagePreference(),
                      wxExpectModal<wxSingleChoiceDialog>(c.row, &seen).Describe("first start"));
        EXPECT_EQ(language, c.language);
        EXPECT_EQ(seen.caption, "Language selection") << "shown as written: no catalog yet";
        EXPECT_EQ(wxConfigBase::Get()->Read(LanguageKey, "<nothing>"), c.stored);
    }
}
