#pragma once

#include "timing/clock.h"
#include "timing/run_journal.h"
#include "timing/run_keys.h"
#include "timing/run_state.h"
#include "mainwin/split_list.h"
#include "timing/split_rows.h"
#include "timing/stopwatch.h"

#include <wx/dialog.h>
#include <wx/timer.h>

#include <memory>
#include <vector>

class wxBoxSizer;
class wxButton;
class wxActivateEvent;
class wxDPIChangedEvent;
class wxKeyEvent;
class wxStaticText;

/// The program's main window: the two readouts, Start/Stop, Reset/Split, the split list and the
/// Language, Update and About commands.
class LapmarkDialog : public wxDialog
{
public:
    /// Builds every control; the clock is the real system clock unless a test passes its own,
    /// which must outlive the window.
    LapmarkDialog(wxWindow* parent, wxWindowID id, const Clock& clock = s_systemClock);
    ~LapmarkDialog() override;

    /// Brings back the run `journal` kept, stopped, if it has rows, and from now on writes every
    /// Start, Stop, Split and confirmed Reset down there; tells the user once if the run cannot
    /// be kept. The journal must outlive the window.
    void KeepRunIn(RunJournal& journal);

    /// The run state, for tests.
    RunState GetRunState() const { return m_state; }
    /// The tick timer: it runs from construction until the window is first shown, then only
    /// while timing.
    const wxTimer& GetTimer() const { return Timer; }
    /// The split list, the record of the run.
    SplitList& GetSplitList() { return *m_splitList; }

private:
    void OnStartButton(wxCommandEvent& event);
    void OnResetButton(wxCommandEvent& event);
    void OnLanguageButton(wxCommandEvent& event);
    void OnUpdateButton(wxCommandEvent& event);
    void OnAboutButton(wxCommandEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnDialogInit(wxInitDialogEvent& event);
    void OnCopy(wxCommandEvent& event);
    void OnSelectAll(wxCommandEvent& event);
    void OnSave(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnActivate(wxActivateEvent& event);
    void OnDpiChanged(wxDPIChangedEvent& event);
    /// Makes the window at least as large as its content now needs, keeping any larger size.
    void GrowToFit();

    void StartTiming();
    void StopTiming();
    void RecordSplit();
    void ConfirmReset();
    void UpdateButtonLabels(RunState state);
    void RefreshDisplays(RunState state);
    void SetReadout(wxStaticText& readout, const wxString& text);
    void AddSplitRow(SplitAction action, const StopwatchReading& at);
    KeyFocus FocusOf(const wxWindow* window) const;

    static SystemClock s_systemClock;

    RunState m_state = RunState::Idle;
    Stopwatch m_stopwatch;
    wxButton* ButtonUpdate = nullptr;
    wxStaticText* StaticTextSmallDisp = nullptr;
    wxButton* ButtonAbout = nullptr;
    wxStaticText* StaticTextDisplay = nullptr;
    wxButton* ButtonReset = nullptr;
    wxBoxSizer* BoxSizerCommands = nullptr;
    std::unique_ptr<SplitList> m_splitList;
    wxBoxSizer* BoxSizerDisplay = nullptr;
    wxBoxSizer* BoxSizerMain = nullptr;
    wxTimer Timer;
    wxButton* ButtonLang = nullptr;
    wxButton* ButtonStart = nullptr;
    /// Where the run is written down; none when it is kept in memory only.
    RunJournal* m_journal = nullptr;
    /// The keys down now, so a run-control key held down presses its button once.
    HeldKeys m_heldKeys;

    wxDECLARE_EVENT_TABLE();
};
