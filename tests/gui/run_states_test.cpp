#include "fake_clock.h"
#include "gui_test.h"
#include "mainwin/global_keys_dlg.h"
#include "mainwin/lapmark_dialog.h"
#include "split_list_view.h"
#include "temp_dir.h"

#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/stattext.h>

#include <array>
#include <chrono>
#include <initializer_list>
#include <memory>

using namespace std::chrono_literals;

namespace
{
/// A main window on a fake clock, shown as at start-up, with its controls at hand.
struct Window
{
    FakeClock clock;
    std::unique_ptr<LapmarkDialog> dialog;
    wxButton* start;
    wxButton* reset;
    SplitList* list;
    std::unique_ptr<SplitListView> view;
    wxWindow* listWindow;
    wxStaticText* display;
    wxStaticText* small;

    Window()
    {
        dialog = std::make_unique<LapmarkDialog>(nullptr, wxID_ANY, clock);
        dialog->InitDialog();
        start = FindControl<wxButton>(*dialog, "ID_BUTTON_START");
        reset = FindControl<wxButton>(*dialog, "ID_BUTTON_RESET");
        list = &dialog->GetSplitList();
        view = std::make_unique<SplitListView>(*list);
        listWindow = FindControl<wxWindow>(*dialog, "ID_LISTCTRL_SPLIT");
        display = FindControl<wxStaticText>(*dialog, "ID_STATICTEXT_DISPLAY");
        small = FindControl<wxStaticText>(*dialog, "ID_STATICTEXT_SMALLDISP");
    }

    void Tick() { ::Tick(*dialog, dialog->GetTimer()); }

    /// Answers the reset confirmation, expecting it to be shown exactly once.
    void ResetAnswering(int answer, MessageBoxSeen* seen = nullptr)
    {
        wxTEST_DIALOG(Click(*reset), MessageBoxAnswer(answer, seen).Describe("reset confirmation"));
    }

    wxString Cell(long row, int column) const { return view->Cell(row, column); }

    /// The list shows exactly these rows: number, action and total.
    void ExpectRows(std::initializer_list<std::array<const char*, 3>> rows) const
    {
        ASSERT_EQ(list->GetRowCount(), static_cast<long>(rows.size()));
        long r = 0;
        for (const auto& row : rows)
        {
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(Cell(r, c), row[c]) << "row " << r << " column " << c;
            ++r;
        }
    }
};

enum class Button
{
    Start,
    Reset,
    ResetNo,
    ResetDismissed,
    ResetYes
};
} // namespace

TEST(RunStates, EveryStateAndButton)
{
    const struct
    {
        RunState from;
        Button button;
        RunState to;
        const char* startLabel;
        const char* resetLabel;
        int rowsAdded;
        const char* lastAction;
        bool ticking;
    } cases[] = {
        {RunState::Idle, Button::Start, RunState::Running, "&Stop", "Spli&t", 0, "", true},
        {RunState::Idle, Button::ResetNo, RunState::Idle, "&Start", "Rese&t", 0, "", false},
        {RunState::Idle, Button::ResetDismissed, RunState::Idle, "&Start", "Rese&t", 0, "", false},
        {RunState::Idle, Button::ResetYes, RunState::Idle, "&Start", "Rese&t", 0, "", false},
        {RunState::Running, Button::Start, RunState::Stopped, "&Start", "Rese&t", 1, "Stop", false},
        {RunState::Running, Button::Reset, RunState::Running, "&Stop", "Spli&t", 1, "Split", true},
        {RunState::Stopped, Button::Start, RunState::Running, "&Stop", "Spli&t", 0, "Stop", true},
        {RunState::Stopped, Button::ResetNo, RunState::Stopped, "&Start", "Rese&t", 0, "Stop",
         false},
        {RunState::Stopped, Button::ResetDismissed, RunState::Stopped, "&Start", "Rese&t", 0,
         "Stop", false},
        {RunState::Stopped, Button::ResetYes, RunState::Idle, "&Start", "Rese&t", -1, "", false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "from " << static_cast<int>(c.from) << " button "
                                        << static_cast<int>(c.button));
        Window w;
        if (c.from != RunState::Idle)
        {
            Click(*w.start);
            w.clock.Advance(1500ms);
        }
        if (c.from == RunState::Stopped)
            Click(*w.start);
        ASSERT_EQ(w.dialog->GetRunState(), c.from);
        const int rowsBefore = w.list->GetRowCount();
        const wxString displayBefore = w.display->GetLabel();

        switch (c.button)
        {
        case Button::Start: Click(*w.start); break;
        case Button::Reset: Click(*w.reset); break;
        case Button::ResetNo: w.ResetAnswering(wxNO); break;
        case Button::ResetDismissed: w.ResetAnswering(wxCANCEL); break;
        case Button::ResetYes: w.ResetAnswering(wxYES); break;
        }

        EXPECT_EQ(w.dialog->GetRunState(), c.to);
        EXPECT_EQ(w.start->GetLabel(), c.startLabel);
        EXPECT_EQ(w.reset->GetLabel(), c.resetLabel);
        const int expectedRows = c.rowsAdded < 0 ? 0 : rowsBefore + c.rowsAdded;
        ASSERT_EQ(w.list->GetRowCount(), expectedRows);
        if (expectedRows > 0)
        {
            EXPECT_EQ(w.Cell(expectedRows - 1, 1), c.lastAction);
        }
        EXPECT_EQ(w.dialog->GetTimer().IsRunning(), c.ticking);
        if (c.button == Button::ResetNo || c.button == Button::ResetDismissed)
        {
            EXPECT_EQ(w.display->GetLabel(), displayBefore) << "only Yes resets";
        }
        if (c.to == RunState::Idle)
        {
            EXPECT_EQ(w.display->GetLabel(), "00:00:00.0");
            EXPECT_EQ(w.small->GetLabel(), "00:00:00.0");
        }
        EXPECT_EQ(w.dialog->GetDefaultItem(), w.start) << "Start stays the default button";
    }
}

TEST(RunStates, ResetConfirmationText)
{
    Window w;
    w.dialog->Show(); // a hidden window cannot parent a message box
    MessageBoxSeen seen;
    w.ResetAnswering(wxNO, &seen);
    EXPECT_EQ(seen.count, 1);
    EXPECT_EQ(seen.message, "Do you want to reset?\t");
    EXPECT_EQ(seen.caption, "Confirm");
    // Yes and No only; the toolkit adds its question icon to a box that names none.
    EXPECT_EQ(seen.style & (wxYES_NO | wxCANCEL | wxOK), wxYES_NO);
    EXPECT_TRUE(seen.style & wxNO_DEFAULT) << "Return keeps the run";
    w.dialog->Hide();
}

TEST(RunStates, ReadoutsAndRowsAreExactToTheTenth)
{
    Window w;
    for (int i = 0; i < 3; ++i)
        w.Tick(); // ticks while idle change nothing
    EXPECT_EQ(w.display->GetLabel(), "00:00:00.0");

    Click(*w.start);
    w.clock.Advance(75399ms);
    w.Tick();
    EXPECT_EQ(w.display->GetLabel(), "00:01:15.3");
    EXPECT_EQ(w.small->GetLabel(), "00:01:15.3");

    Click(*w.reset); // split
    w.clock.Advance(1234ms);
    w.Tick();
    EXPECT_EQ(w.display->GetLabel(), "00:01:16.6");
    EXPECT_EQ(w.small->GetLabel(), "00:00:01.2") << "the lap restarts at the split";

    w.clock.Advance(99ms); // 76732 ms in all
    Click(*w.start); // stop, without a tick in between
    EXPECT_EQ(w.display->GetLabel(), "00:01:16.7") << "shows the stopped total at once";
    EXPECT_EQ(w.small->GetLabel(), "00:00:01.3");

    w.clock.Advance(std::chrono::hours(5)); // the pause counts for nothing
    w.Tick();
    EXPECT_EQ(w.display->GetLabel(), "00:01:16.7");

    Click(*w.start); // resume from exactly the stopped values
    w.clock.Advance(68ms);
    w.Tick();
    EXPECT_EQ(w.display->GetLabel(), "00:01:16.8");
    EXPECT_EQ(w.small->GetLabel(), "00:00:01.4");
    Click(*w.reset);
    w.clock.Advance(1ms);
    Click(*w.start);

    w.ExpectRows({{"#1", "Split", "00:01:15.3"},
                  {"#2", "Stop", "00:01:16.7"},
                  {"#3", "Split", "00:01:16.8"},
                  {"#4", "Stop", "00:01:16.8"}});
    EXPECT_EQ(w.display->GetLabel(), "00:01:16.8") << "the large readout agrees with the Stop row";

    w.ResetAnswering(wxYES);
    Click(*w.start);
    w.clock.Advance(2500ms);
    w.Tick();
    EXPECT_EQ(w.display->GetLabel(), "00:00:02.5") << "a new run counts from zero";
    EXPECT_EQ(w.small->GetLabel(), "00:00:02.5");
}

// The real timer, not a delivered tick: it fires again and again while timing.
TEST(RunStates, TheTimerKeepsTheReadoutsGoingUntilTheStop)
{
    Window w;
    Click(*w.start);
    for (const char* shown : {"00:00:01.0", "00:00:02.0", "00:00:03.0"})
    {
        w.clock.Advance(1s);
        EXPECT_TRUE(RunEventsUntil([&] { return w.display->GetLabel() == shown; }))
            << "the next tick shows " << shown << ", not " << w.display->GetLabel();
    }
    Click(*w.start);
    EXPECT_FALSE(w.dialog->GetTimer().IsRunning()) << "stopped: nothing left to tick for";
}

TEST(RunStates, NumberingAndShadingByPositionRestartAfterReset)
{
    Window w;
    Click(*w.start);
    for (int i = 0; i < 4; ++i)
        Click(*w.reset);
    Click(*w.start); // stop row #5
    ASSERT_EQ(w.list->GetRowCount(), 5);
    for (long r = 0; r < 5; ++r)
    {
        EXPECT_EQ(w.Cell(r, 0), wxString::Format("#%ld", r + 1));
        EXPECT_EQ(w.view->IsShaded(r), r % 2 == 0) << "row " << r;
    }
    w.ResetAnswering(wxYES);
    EXPECT_EQ(w.list->GetRowCount(), 0);
    Click(*w.start);
    Click(*w.reset);
    ASSERT_EQ(w.list->GetRowCount(), 1);
    EXPECT_EQ(w.Cell(0, 0), "#1");
    EXPECT_TRUE(w.view->IsShaded(0));
}

TEST(RunStates, NewestRowStaysVisible)
{
    Window w;
    w.dialog->Show();
    wxYield();
    Click(*w.start);
    for (int i = 0; i < 150; ++i)
    {
        w.clock.Advance(100ms);
        Click(*w.reset);
    }
    const long last = w.list->GetRowCount() - 1;
    EXPECT_EQ(last, 149);
    // The native list scrolls once it has laid itself out, on a frame of its own.
    EXPECT_TRUE(RunEventsUntil([&] { return w.view->IsRowVisible(last); }));
    EXPECT_FALSE(w.view->IsRowVisible(0)) << "the list did scroll";
    w.dialog->Hide();
}

TEST(RunStates, AThousandHoursInAFewLargeSteps)
{
    Window w;
    Click(*w.start);
    w.clock.Advance(37300ms);
    Click(*w.reset); // split
    w.clock.Advance(359962700ms); // 100 hours in all
    Click(*w.reset);
    w.clock.Advance(std::chrono::hours(900) - 1ms);
    w.Tick();
    EXPECT_EQ(w.display->GetLabel(), "999:59:59.9");
    EXPECT_EQ(w.small->GetLabel(), "899:59:59.9");
    w.clock.Advance(1ms);
    w.Tick();
    EXPECT_EQ(w.display->GetLabel(), "1000:00:00.0");
    EXPECT_EQ(w.small->GetLabel(), "900:00:00.0");
    EXPECT_GE(w.display->GetSize().x, w.display->GetBestSize().x) << "the longer text fits";
    Click(*w.start); // stop

    w.ExpectRows({{"#1", "Split", "00:00:37.3"}, {"#2", "Split", "100:00:00.0"}, {"#3", "Stop", "1000:00:00.0"}});
    EXPECT_EQ(w.display->GetLabel(), "1000:00:00.0");
}

TEST(RunStates, TheLapReadoutGrowsPastAHundredHoursAndShrinksOnReset)
{
    Window w;
    const int width = w.small->GetSize().x;
    Click(*w.start);
    w.clock.Advance(std::chrono::hours(100));
    w.Tick();
    EXPECT_EQ(w.small->GetLabel(), "100:00:00.0");
    EXPECT_GE(w.small->GetSize().x, w.small->GetBestSize().x) << "no digit is cut off";
    EXPECT_GT(w.small->GetSize().x, width);
    const wxRect frame = w.dialog->GetClientRect();
    EXPECT_LE(w.small->GetRect().GetRight(), frame.GetRight()) << "still inside the window";
    Click(*w.start);
    w.ResetAnswering(wxYES);
    EXPECT_EQ(w.small->GetSize().x, width);
}

namespace
{
wxString ClipboardText()
{
    wxClipboardLocker clipboard;
    wxTextDataObject data;
    if (!clipboard || !wxTheClipboard->GetData(data))
        return "<nothing>";
    return data.GetText();
}

void PutOnClipboard(const wxString& text)
{
    wxClipboardLocker clipboard;
    ASSERT_FALSE(!clipboard);
    wxTheClipboard->SetData(new wxTextDataObject(text));
}

/// A menu command (Copy, Select All) as the keys and the list's menu send it.
void Command(wxWindow& window, int id)
{
    wxCommandEvent event(wxEVT_MENU, id);
    window.GetEventHandler()->ProcessEvent(event);
}
} // namespace

namespace
{
/// A key going down (or, with `up`, coming up) in `focus`, as the toolkit reports it to the
/// window before the control sees it; true when the window kept it from the control.
bool Key(wxWindow& focus, int code, bool alt = false, bool up = false)
{
    wxKeyEvent event(up ? wxEVT_KEY_UP : wxEVT_CHAR_HOOK);
    event.m_keyCode = code;
    event.SetAltDown(alt);
    event.SetEventObject(&focus);
    return focus.GetEventHandler()->ProcessEvent(event) && !up;
}
} // namespace

TEST(RunKeys, EachPressActsOnceWhenItsKeyGoesDown)
{
    Window w;
    wxWindow& about = *FindControl<wxWindow>(*w.dialog, "wxID_ABOUT");
    w.clock.Advance(1000ms);
    EXPECT_TRUE(Key(*w.listWindow, 'S', true)) << "Alt+S starts, wherever the focus is";
    EXPECT_EQ(w.dialog->GetRunState(), RunState::Running);
    EXPECT_EQ(w.start->GetLabel(), "&Stop");
    w.clock.Advance(1200ms);
    EXPECT_TRUE(Key(*w.listWindow, 'T', true));
    EXPECT_TRUE(Key(*w.listWindow, 'T', true)) << "the repeat is kept from the toolkit too";
    ASSERT_EQ(w.list->GetRowCount(), 1) << "a key held down splits once";
    EXPECT_EQ(w.Cell(0, 2), "00:00:01.2");
    Key(*w.listWindow, 'T', false, true);
    w.clock.Advance(100ms);
    EXPECT_TRUE(Key(*w.start, 'T', true)) << "released and pressed again: a new split";
    ASSERT_EQ(w.list->GetRowCount(), 2);
    EXPECT_EQ(w.Cell(1, 2), "00:00:01.3");
    Key(*w.start, 'T', false, true);

    // Return and Space on About are About's (Windows' own buttons take Return themselves).
    Key(about, WXK_RETURN);
    Key(about, WXK_SPACE);
    EXPECT_FALSE(Key(*w.listWindow, 'L', true)) << "Alt+L is Language's";
    EXPECT_FALSE(Key(*w.listWindow, 'C')) << "the list's own keys";
    EXPECT_EQ(w.dialog->GetRunState(), RunState::Running);

    EXPECT_TRUE(Key(*w.reset, WXK_SPACE)) << "Space on Split";
    Key(*w.reset, WXK_SPACE, false, true);
    EXPECT_EQ(w.list->GetRowCount(), 3);
    EXPECT_TRUE(Key(*w.listWindow, WXK_NUMPAD_ENTER)) << "Enter from the list: the default button";
    EXPECT_EQ(w.dialog->GetRunState(), RunState::Stopped);
    Key(*w.listWindow, WXK_NUMPAD_ENTER, false, true);
    EXPECT_TRUE(Key(*w.start, WXK_SPACE)) << "Space on Start resumes";
    EXPECT_EQ(w.dialog->GetRunState(), RunState::Running);
    Key(*w.start, WXK_SPACE, false, true);
    EXPECT_TRUE(Key(*w.listWindow, WXK_RETURN));
    EXPECT_EQ(w.dialog->GetRunState(), RunState::Stopped);
    Key(*w.listWindow, WXK_RETURN, false, true);

    // Stopped, Alt+T asks before it resets, as a click does. Its release goes to the question.
    wxTEST_DIALOG(Key(*w.listWindow, 'T', true), MessageBoxAnswer(wxNO).Describe("reset confirmation"));
    EXPECT_EQ(w.list->GetRowCount(), 5);
    wxTEST_DIALOG(Key(*w.listWindow, 'T', true), MessageBoxAnswer(wxYES).Describe("asked again"));
    EXPECT_EQ(w.list->GetRowCount(), 0);
    EXPECT_EQ(w.dialog->GetRunState(), RunState::Idle);
}

TEST(RunKeys, AKeyReleasedElsewhereCountsAgain)
{
    Window w;
    Key(*w.start, 'S', true);
    Key(*w.start, 'T', true);
    // The window loses the keyboard (a box opens, the user switches away) and T comes up there.
    wxActivateEvent away(wxEVT_ACTIVATE, false);
    w.dialog->GetEventHandler()->ProcessEvent(away);
    Key(*w.start, 'T', true);
    EXPECT_EQ(w.list->GetRowCount(), 2);
}

TEST(SplitCopy, SelectedRowsOrEveryRowWithTheLapOfEachRow)
{
    Window w;
    PutOnClipboard("untouched");
    Command(*w.dialog, wxID_COPY);
    EXPECT_EQ(ClipboardText(), "untouched") << "an empty list copies nothing";
    EXPECT_FALSE(w.list->CreateMenu()->IsEnabled(wxID_COPY));

    Click(*w.start);
    w.clock.Advance(75399ms);
    Click(*w.reset); // split
    w.clock.Advance(1234ms);
    Click(*w.start); // stop
    w.clock.Advance(std::chrono::hours(1)); // the pause is in neither total nor lap
    Click(*w.start);
    w.clock.Advance(500ms);
    Click(*w.reset);
    EXPECT_TRUE(w.list->CreateMenu()->IsEnabled(wxID_COPY));

    const wxString header = "No.\tAction\tValue\tLap\n";
    // Each lap is the difference of two totals as shown, so the laps add up to the last total.
    const wxString rows[] = {"#1\tSplit\t00:01:15.3\t00:01:15.3\n", "#2\tStop\t00:01:16.6\t00:00:01.3\n",
                             "#3\tSplit\t00:01:17.1\t00:00:00.5\n"};
    Command(*w.dialog, wxID_COPY);
    EXPECT_EQ(ClipboardText(), header + rows[0] + rows[1] + rows[2]) << "none selected: every row";

    w.view->Select({0, 2});
    Command(*w.dialog, wxID_COPY);
    EXPECT_EQ(ClipboardText(), header + rows[0] + rows[2]);

    w.view->Select({});
    Command(*w.dialog, wxID_SELECTALL);
    EXPECT_EQ(w.view->SelectedRows(), (std::vector<long>{0, 1, 2}));

    Click(*w.start); // stop: row #4
    w.ResetAnswering(wxYES);
    PutOnClipboard("untouched");
    Command(*w.dialog, wxID_COPY);
    EXPECT_EQ(ClipboardText(), "untouched") << "a reset leaves nothing to copy";
}

TEST(SplitCopy, TheMenuOpensAtThePointerOrBelowTheFocusedRow)
{
    Window w;
    w.dialog->Show();
    Click(*w.start);
    for (int i = 0; i < 3; ++i)
        Click(*w.reset);
    // The list lays its rows out on a frame of its own.
    ASSERT_TRUE(RunEventsUntil([&] { return w.view->IsRowVisible(2); }));
    const auto keyboardPoint = [&w](long row) {
        w.view->Select({row});
        return w.list->MenuPoint(wxContextMenuEvent());
    };
    // At the focused row's foot, no lower than where the next row begins: never over the row.
    for (long row : {0, 1})
    {
        const int y = keyboardPoint(row).y;
        EXPECT_TRUE(y >= w.view->RowRect(row).GetBottom() && y <= w.view->RowRect(row + 1).y) << "row " << row;
    }

    const wxPoint pointer = w.listWindow->ClientToScreen(wxPoint(10, 20));
    EXPECT_EQ(w.list->MenuPoint(wxContextMenuEvent(wxEVT_CONTEXT_MENU, wxID_ANY, pointer)), wxPoint(10, 20));
    w.dialog->Hide();
}

namespace
{
/// What the save dialog proposed; answers it with a path, or cancels it with an empty one.
struct SaveDialogSeen
{
    int count = 0;
    wxString directory;
    wxString name;
    wxString wildcard;
    long style = 0;
};

class SaveDialogAnswer : public wxExpectModalBase<wxFileDialog, SaveDialogAnswer>
{
public:
    SaveDialogAnswer(const wxString& path, SaveDialogSeen& seen) : m_path(path), m_seen(seen) {}

protected:
    int OnInvoked(wxFileDialog* dialog) const override
    {
        ++m_seen.count;
        m_seen.directory = dialog->GetDirectory();
        m_seen.name = dialog->GetFilename();
        m_seen.wildcard = dialog->GetWildcard();
        m_seen.style = dialog->GetWindowStyle();
        if (m_path.empty())
            return wxID_CANCEL;
        dialog->SetPath(m_path);
        return wxID_OK;
    }

private:
    wxString m_path;
    SaveDialogSeen& m_seen;
};

/// A run of a split and a stop, 1.2 s and 1.5 s in.
void SplitAndStop(Window& w)
{
    Click(*w.start);
    w.clock.Advance(1200ms);
    Click(*w.reset);
    w.clock.Advance(300ms);
    Click(*w.start);
}

const char SavedRows[] = "\xEF\xBB\xBFNo.,Action,Value,Lap\r\n#1,Split,00:00:01.2,00:00:01.2\r\n"
                         "#2,Stop,00:00:01.5,00:00:00.3\r\n";
} // namespace

TEST(SplitSave, CtrlSAsksWhereAndSavesEveryRowAsCsv)
{
    TempDir dir;
    Window w;
    Command(*w.dialog, wxID_SAVE); // nothing to save: no dialog at all
    EXPECT_FALSE(w.list->CreateMenu()->IsEnabled(wxID_SAVE));

    SplitAndStop(w);
    EXPECT_TRUE(w.list->CreateMenu()->IsEnabled(wxID_SAVE));
    w.view->Select({1}); // saving takes every row, selected or not
    SaveDialogSeen seen;
    const wxString path = dir.File("laps.csv");
    wxTEST_DIALOG(Command(*w.dialog, wxID_SAVE), SaveDialogAnswer(path, seen).Describe("save dialog"));
    EXPECT_EQ(seen.directory, wxStandardPaths::Get().GetDocumentsDir());
    EXPECT_TRUE(seen.name.Matches("Lapmark ???\?-?\?-?\? ?\?-?\?-?\?.csv")) << seen.name;
    EXPECT_TRUE(seen.wildcard.EndsWith("|*.csv")) << seen.wildcard;
    EXPECT_TRUE(seen.style & wxFD_SAVE);
    EXPECT_TRUE(seen.style & wxFD_OVERWRITE_PROMPT);
    EXPECT_EQ(ReadWholeFile(path.ToStdString()), SavedRows);

    wxTEST_DIALOG(Command(*w.dialog, wxID_SAVE), SaveDialogAnswer("", seen).Describe("cancelled"));
    EXPECT_EQ(seen.count, 2);
    EXPECT_EQ(ReadWholeFile(path.ToStdString()), SavedRows) << "a cancelled save writes nothing";
}

TEST(SplitSave, ANameWithoutExtensionGetsCsvAndATakenOneIsAskedAbout)
{
    const struct
    {
        const char* typed;
        const char* existing; // a file already there, or nullptr
        int answer;           // to the replace question, when it comes
        const char* saved;
        bool replaced;
    } cases[] = {
        {"run1", nullptr, 0, "run1.csv", true},
        {"run1", "run1.csv", wxNO, "run1.csv", false},
        {"run1", "run1.csv", wxYES, "run1.csv", true},
        {"run1.txt", nullptr, 0, "run1.txt", true}, // an extension the user chose stays
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.typed << " " << (c.existing ? c.existing : "-") << " " << c.answer);
        TempDir dir;
        if (c.existing)
            WriteWholeFile(dir.File(c.existing), "kept");
        Window w;
        SplitAndStop(w);
        SaveDialogSeen seen;
        MessageBoxSeen asked;
        if (c.existing && c.answer == wxNO)
        {
            // No goes back to the chooser, at the name typed, for another (cancelled here).
            wxTEST_DIALOG(Command(*w.dialog, wxID_SAVE), SaveDialogAnswer(dir.File(c.typed), seen),
                          MessageBoxAnswer(c.answer, &asked).Describe("replace question"),
                          SaveDialogAnswer("", seen).Describe("the chooser again"));
            EXPECT_EQ(seen.name, c.typed);
            EXPECT_EQ(seen.directory, wxFileName(dir.File(c.typed)).GetPath());
        }
        else if (c.existing)
        {
            wxTEST_DIALOG(Command(*w.dialog, wxID_SAVE), SaveDialogAnswer(dir.File(c.typed), seen),
                          MessageBoxAnswer(c.answer, &asked).Describe("replace question"));
        }
        else
        {
            wxTEST_DIALOG(Command(*w.dialog, wxID_SAVE), SaveDialogAnswer(dir.File(c.typed), seen));
        }
        EXPECT_EQ(ReadWholeFile(dir.File(c.saved)), c.replaced ? SavedRows : "kept");
        EXPECT_FALSE(wxFileExists(dir.File(c.typed)) && wxString(c.typed) != c.saved);
        EXPECT_EQ(asked.count, c.existing ? 1 : 0);
        EXPECT_EQ(seen.count, c.existing && c.answer == wxNO ? 2 : 1);
        if (c.existing)
        {
            // Return, Escape and the close box keep the file: No is the default.
            EXPECT_TRUE(asked.style & wxNO_DEFAULT) << asked.style;
        }
    }
}

TEST(SplitSave, WhileTimingTheRowsSoFarAndTheRunGoesOn)
{
    TempDir dir;
    Window w;
    Click(*w.start);
    w.clock.Advance(700ms);
    Click(*w.reset);
    ASSERT_TRUE(w.list->SaveTo(dir.File("running.csv")));
    EXPECT_EQ(ReadWholeFile(dir.File("running.csv")),
              "\xEF\xBB\xBFNo.,Action,Value,Lap\r\n#1,Split,00:00:00.7,00:00:00.7\r\n");
    EXPECT_EQ(w.dialog->GetRunState(), RunState::Running);
    w.clock.Advance(100ms);
    Click(*w.reset);
    EXPECT_EQ(w.Cell(1, 2), "00:00:00.8");
}

TEST(SplitSave, AFolderThatCannotBeWrittenIsToldAndChangesNothing)
{
    TempDir dir;
    WriteWholeFile(dir.File("not-a-folder"), "a file");
    Window w;
    SplitAndStop(w);
    w.view->Select({0});
    const wxString path = dir.File("not-a-folder") + "/laps.csv";
    MessageBoxSeen seen;
    bool saved = true;
    wxTEST_DIALOG(saved = w.list->SaveTo(path), MessageBoxAnswer(wxOK, &seen).Describe("save failed"));
    EXPECT_FALSE(saved);
    EXPECT_EQ(seen.count, 1);
    EXPECT_TRUE(seen.message.StartsWith("The laps could not be saved to \"" + path + "\": ")) << seen.message;
    EXPECT_GT(seen.message.length(), wxString("The laps could not be saved to \"" + path + "\": .").length())
        << "and why";
    EXPECT_TRUE(seen.style & wxICON_ERROR);
    EXPECT_EQ(w.list->GetRowCount(), 2) << "nothing in the window changes";
    EXPECT_EQ(w.view->SelectedRows(), std::vector<long>{0});
    EXPECT_EQ(ReadWholeFile(dir.File("not-a-folder")), "a file");
}

namespace
{
/// A key going down in the keys chooser, with its modifiers.
void ChooserKey(wxWindow& chooser, int code, int modifiers = 0)
{
    wxKeyEvent event(wxEVT_CHAR_HOOK);
    event.m_keyCode = code;
    event.SetControlDown(modifiers & wxACCEL_CTRL);
    event.SetRawControlDown(modifiers & wxACCEL_CTRL);
    event.SetAltDown(modifiers & wxACCEL_ALT);
    event.SetShiftDown(modifiers & wxACCEL_SHIFT);
    event.SetEventObject(&chooser);
    chooser.GetEventHandler()->ProcessEvent(event);
}
} // namespace

TEST(GlobalKeysChooser, TakesTheNextKeyRefusesTypingAndAppliesAtOnce)
{
    const GlobalKey startStop{wxACCEL_CTRL | wxACCEL_SHIFT, WXK_F9}, f8{0, WXK_F8};
    std::vector<GlobalKeys> applied;
    int pauses = 0;
    GlobalKeysDlg chooser(nullptr, GlobalKeys{{startStop, GlobalKey()}},
                          [&](const GlobalKeys& keys) { applied.push_back(keys); },
                          [&] { ++pauses; });
    std::vector<wxButton*> buttons; // Choose, Clear for each action, then Close
    for (wxWindow* child : chooser.GetChildren())
        if (auto* button = dynamic_cast<wxButton*>(child))
            buttons.push_back(button);
    ASSERT_GE(buttons.size(), 4u);
    wxButton &chooseStart = *buttons[0], &chooseSplit = *buttons[2], &clearSplit = *buttons[3];
    EXPECT_FALSE(clearSplit.IsEnabled()) << "nothing to clear";

    const struct
    {
        wxButton* click;        // a button pressed first, or none
        int code, modifiers;    // then a key, or none (0)
        std::size_t applies;    // how many times the keys were applied by now
        GlobalKey startStop, split;
        bool message;           // a reason or a prompt under the keys
    } steps[] = {
        {&chooseSplit, 0, 0, 0, startStop, {}, true},
        {nullptr, WXK_SHIFT, wxACCEL_SHIFT, 0, startStop, {}, true},    // waits for its key
        {nullptr, 'A', 0, 0, startStop, {}, true},                      // types: refused
        {nullptr, ' ', wxACCEL_SHIFT, 0, startStop, {}, true},          // Shift+Space too
        {nullptr, WXK_F8, 0, 1, startStop, f8, false},                  // a function key alone
        {&chooseSplit, WXK_F9, wxACCEL_CTRL | wxACCEL_SHIFT, 2, {}, startStop, false}, // moved
        {&chooseStart, WXK_ESCAPE, 0, 3, {}, startStop, false},         // kept as it was
        {&chooseStart, 'K', wxACCEL_ALT, 4, {wxACCEL_ALT, 'K'}, startStop, false},
        {&clearSplit, 0, 0, 5, {wxACCEL_ALT, 'K'}, {}, false},
    };
    int step = 0;
    for (const auto& s : steps)
    {
        SCOPED_TRACE("step " + std::to_string(++step));
        if (s.click)
            Click(*s.click);
        if (s.code)
            ChooserKey(chooser, s.code, s.modifiers);
        ASSERT_EQ(applied.size(), s.applies);
        EXPECT_EQ(chooser.GetKeys()[GlobalAction::StartStop], s.startStop);
        EXPECT_EQ(chooser.GetKeys()[GlobalAction::Split], s.split);
        if (s.applies)
        {
            EXPECT_EQ(applied.back()[GlobalAction::Split], s.split);
        }
        // The message line is the last text, under the keys.
        wxStaticText* message = nullptr;
        for (wxWindow* child : chooser.GetChildren())
            if (auto* text = dynamic_cast<wxStaticText*>(child))
                message = text;
        ASSERT_TRUE(message);
        EXPECT_EQ(!message->GetLabel().empty(), s.message) << message->GetLabel();
    }
    EXPECT_EQ(pauses, 4) << "the keys were given back each time a key was awaited";
    EXPECT_FALSE(clearSplit.IsEnabled());
}
