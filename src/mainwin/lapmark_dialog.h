#pragma once

#include "mainwin/clock.h"
#include "mainwin/run_state.h"
#include "mainwin/stopwatch.h"

#include <wx/dialog.h>
#include <wx/timer.h>

class wxBoxSizer;
class wxButton;
class wxListCtrl;
class wxStaticText;

/// The program's main window: the two readouts, Start/Stop, Reset/Split, the split list and the
/// Language, Update and About commands.
class LapmarkDialog : public wxDialog
{
public:
    /// Builds every control; the clock is the real steady clock unless a test passes its own,
    /// which must outlive the window.
    LapmarkDialog(wxWindow* parent, wxWindowID id, const Clock& clock = s_steadyClock);
    ~LapmarkDialog() override;

    /// The run state, for tests and the start-up code.
    RunState GetRunState() const { return m_state; }
    /// The tick timer; it runs only while timing.
    const wxTimer& GetTimer() const { return Timer; }

private:
    void OnStartButton(wxCommandEvent& event);
    void OnResetButton(wxCommandEvent& event);
    void OnLanguageButton(wxCommandEvent& event);
    void OnUpdateButton(wxCommandEvent& event);
    void OnAboutButton(wxCommandEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnDialogInit(wxInitDialogEvent& event);

    void StartTiming();
    void StopTiming();
    void RecordSplit();
    void ConfirmReset();
    void UpdateButtonLabels(RunState state);
    void RefreshDisplays(RunState state);
    void SetReadout(wxStaticText& readout, const wxString& text);
    void AddSplitRow(const wxString& action, Milliseconds total);

    static SteadyClock s_steadyClock;

    RunState m_state = RunState::Idle;
    Stopwatch m_stopwatch;
    wxButton* ButtonUpdate = nullptr;
    wxStaticText* StaticTextSmallDisp = nullptr;
    wxButton* ButtonAbout = nullptr;
    wxStaticText* StaticTextDisplay = nullptr;
    wxButton* ButtonReset = nullptr;
    wxBoxSizer* BoxSizerCommands = nullptr;
    wxListCtrl* ListCtrlSplit = nullptr;
    wxBoxSizer* BoxSizerDisplay = nullptr;
    wxBoxSizer* BoxSizerMain = nullptr;
    wxTimer Timer;
    wxButton* ButtonLang = nullptr;
    wxButton* ButtonStart = nullptr;

    wxDECLARE_EVENT_TABLE();
};
