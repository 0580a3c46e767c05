#pragma once

#include "desktop/global_keys.h"
#include "timing/clock.h"
#include "timing/run_keys.h"
#include "timing/run_record.h"
#include "timing/run_state.h"
#include "mainwin/split_list.h"
#include "timing/split_rows.h"
#include "timing/stopwatch.h"

#include <wx/dialog.h>
#include <wx/timer.h>

#include <memory>
#include <vector>

class GlobalKeyGrab;
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

    /// Brings back the run `journal` kept, stopped, if it was started, and from now on writes
    /// every Start, Stop, Split and confirmed Reset down there; tells the user once if the run
    /// cannot be kept, or may end early. The journal ends with the window.
    void KeepRunIn(std::unique_ptr<RunJournal> journal);
    /// Tells the user `text`: in a box, or, while a run is timed, in a window that leaves the
    /// keyboard to the timer.
    void Warn(const wxString& text);
    /// Takes `keys` from every window for Start/Stop and Reset/Split, giving back those taken
    /// before; they are given back when the window ends.
    void UseGlobalKeys(const GlobalKeys& keys);

    /// The run state, for tests.
    RunState GetRunState() const { return m_state; }
    /// The tick timer: it runs from construction until the window is first shown, then only
    /// while timing.
    const wxTimer& GetTimer() const { return Timer; }
    /// The split list, which shows the run's record.
    SplitList& GetSplitList() { return *m_splitList; }
    /// The run's record.
    const RunRecord& GetRunRecord() const { return m_record; }

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
    void OnChooseGlobalKeys(wxCommandEvent& event);
    /// A key pressed in another window: what its button does, unless a box of this window is
    /// waiting for an answer.
    void OnGlobalKey(GlobalAction action);
    void OnKeyUp(wxKeyEvent& event);
    void OnActivate(wxActivateEvent& event);
    void OnDpiChanged(wxDPIChangedEvent& event);
    /// Makes the window at least as large as its content now needs, keeping any larger size.
    void GrowToFit();

    /// What Start/Stop does now, from its button or its key.
    void StartOrStop();
    /// What Reset/Split does now, from its button or its key.
    void SplitOrReset();
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
    /// The run's rows and where they are written down.
    RunRecord m_record;
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
    /// The keys down now, so a run-control key held down presses its button once.
    HeldKeys m_heldKeys;
    /// The keys in every window, as chosen, and their grab.
    GlobalKeys m_globalKeys;
    std::unique_ptr<GlobalKeyGrab> m_globalGrab;
    /// Counts the boxes shown over this window, which the keys in every window leave alone.
    class NestedDialogs;
    std::unique_ptr<NestedDialogs> m_nested;

    wxDECLARE_EVENT_TABLE();
};
