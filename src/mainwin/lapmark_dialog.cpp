#include "mainwin/lapmark_dialog.h"

#include "about/about_dlg.h"
#include "desktop/accessible_name.h"
#include "desktop/global_key_grab.h"
#include "desktop/link_opener.h"
#include "desktop/vendor.h"
#include "l10n/language_dialogs.h"
#include "mainwin/global_keys_dlg.h"
#include "mainwin/text_wrap.h"
#include "timing/split_rows.h"
#include "timing/time_text.h"

#include <wx/accel.h>
#include <wx/app.h>
#include <wx/config.h>
#include <wx/modalhook.h>
#include <wx/log.h>
#include <wx/event.h>
#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>
#include <functional>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace
{
const long ID_STATICTEXT_DISPLAY = wxNewId();
const long ID_STATICTEXT_SMALLDISP = wxNewId();
const long ID_BUTTON_START = wxNewId();
const long ID_BUTTON_RESET = wxNewId();
const long ID_LISTCTRL_SPLIT = wxNewId();
const long ID_BUTTON_LANG = wxNewId();
const long ID_BUTTON_UPDATE = wxNewId();
const long ID_TIMER = wxNewId();

constexpr int TickMilliseconds = 100;
/// The border around every item, in pixels at 96 dpi.
constexpr int Border = 4;

wxFont ReadoutFont(int points, const wxString& face)
{
    return wxFont(points, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD, false, face,
                  wxFONTENCODING_DEFAULT);
}

/// Said once when a run cannot be written down: the window keeps it in memory.
const char* const RunNotKept = wxTRANSLATE(
    "Lapmark cannot write this run down (%s). Timing goes on, but the run will not be brought "
    "back after Lapmark closes: save the laps to keep them.");

/// Tells the user, once, why a run file cannot be used, and what came back of it.
void TellRunProblem(const RunJournal& journal)
{
    const wxString& detail = journal.OpenDetail();
    if (journal.Kept().endsEarly)
        wxLogWarning(_("Lapmark could not write down all of the last run: it may end earlier "
                       "than it did."));
    switch (journal.OpenProblem())
    {
    case RunJournal::Problem::None:
        return;
    case RunJournal::Problem::Damaged:
        if (journal.Kept().started)
            wxLogWarning(_("Part of the run kept from the last time could not be read. Lapmark "
                           "brings back what came before the damage; the whole file was kept as "
                           "\"%s\"."),
                         detail);
        else
            wxLogWarning(_("The run kept from the last time could not be read, so Lapmark starts a "
                           "new one. The unreadable file was kept as \"%s\"."),
                         detail);
        return;
    case RunJournal::Problem::InUse:
        wxLogWarning(_("Another Lapmark window keeps its run in \"%s\". The run of this window "
                       "will not be brought back after it closes: save the laps to keep them."),
                     detail);
        return;
    case RunJournal::Problem::Unwritable:
        wxLogWarning(wxGetTranslation(RunNotKept), detail);
        return;
    }
}

/// Shows `text` in a small window of its own that does not take the keyboard, so the run being
/// timed keeps its keys; its OK button or close box ends it.
void ShowQuietly(wxWindow* parent, const wxString& text)
{
    auto* notice = new wxDialog(parent, wxID_ANY, _("Lapmark Warning"), wxDefaultPosition,
                                wxDefaultSize, wxCAPTION | wxCLOSE_BOX, "notice");
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    auto* message = new wxStaticText(notice, wxID_ANY, wxString());
    message->SetLabel(WrapText(*message, text, notice->FromDIP(360)));
    sizer->Add(message, wxSizerFlags().DoubleBorder());
    sizer->Add(notice->CreateStdDialogButtonSizer(wxOK), wxSizerFlags().Expand().Border());
    notice->SetSizerAndFit(sizer);
    notice->Bind(wxEVT_BUTTON, [notice](wxCommandEvent&) { notice->Destroy(); }, wxID_OK);
    notice->Bind(wxEVT_CLOSE_WINDOW, [notice](wxCloseEvent&) { notice->Destroy(); });
#ifdef __WXGTK__
    // The main window runs modally, and GTK keeps every window of its group from the user
    // meanwhile: the notice, in a group of its own, can be answered.
    GtkWindowGroup* group = gtk_window_group_new();
    gtk_window_group_add_window(group, GTK_WINDOW(notice->GetHandle()));
    g_object_unref(group);
#endif
    notice->ShowWithoutActivating();
}

} // namespace

class LapmarkDialog::NestedDialogs : public wxModalDialogHook
{
public:
    explicit NestedDialogs(const wxDialog& main) : m_main(main) { Register(); }
    ~NestedDialogs() override { Unregister(); }
    bool Any() const { return m_count > 0; }

protected:
    int Enter(wxDialog* dialog) override
    {
        if (dialog != &m_main)
            ++m_count;
        return wxID_NONE;
    }
    void Exit(wxDialog* dialog) override
    {
        if (dialog != &m_main)
            --m_count;
    }

private:
    const wxDialog& m_main;
    int m_count = 0;
};

SystemClock LapmarkDialog::s_systemClock;

wxBEGIN_EVENT_TABLE(LapmarkDialog, wxDialog)
wxEND_EVENT_TABLE()

LapmarkDialog::LapmarkDialog(wxWindow* parent, wxWindowID id, const Clock& clock)
    : m_stopwatch(clock)
{
    Create(parent, id, _("Lapmark"), wxDefaultPosition, wxDefaultSize,
           wxCAPTION | wxRESIZE_BORDER | wxSYSTEM_MENU | wxCLOSE_BOX | wxMAXIMIZE_BOX |
               wxMINIMIZE_BOX | wxSTAY_ON_TOP,
           "id");

    // Alignment flags that would have no effect (one along a sizer's own direction, or one beside
    // wxEXPAND) are not given: the toolkit reports them as mistakes.
    const int border = FromDIP(Border);
    BoxSizerMain = new wxBoxSizer(wxVERTICAL);
    BoxSizerDisplay = new wxBoxSizer(wxVERTICAL);
    StaticTextDisplay = new wxStaticText(this, ID_STATICTEXT_DISPLAY, _("00:00:00.0"),
                                         wxDefaultPosition, wxDefaultSize, wxST_NO_AUTORESIZE,
                                         "ID_STATICTEXT_DISPLAY");
    StaticTextDisplay->SetFont(ReadoutFont(28, "Tahoma"));
    BoxSizerDisplay->Add(StaticTextDisplay, 0, wxRIGHT | wxEXPAND, border);
    StaticTextSmallDisp = new wxStaticText(this, ID_STATICTEXT_SMALLDISP, _("00:00:00.0"),
                                           wxDefaultPosition, wxDefaultSize, wxST_NO_AUTORESIZE,
                                           "ID_STATICTEXT_SMALLDISP");
    StaticTextSmallDisp->SetFont(ReadoutFont(16, wxEmptyString));
    // A screen reader says what a readout is, not only its digits.
    SetAccessibleName(*StaticTextDisplay, _("Total time"));
    SetAccessibleName(*StaticTextSmallDisp, _("Lap time"));
    BoxSizerDisplay->Add(StaticTextSmallDisp, 0, wxRIGHT | wxALIGN_RIGHT, border);
    BoxSizerMain->Add(BoxSizerDisplay, 0, wxLEFT | wxRIGHT | wxEXPAND, border);

    auto* runRow = new wxBoxSizer(wxHORIZONTAL);
    ButtonStart = new wxButton(this, ID_BUTTON_START, _("&Start"), wxDefaultPosition,
                               wxDefaultSize, 0, wxDefaultValidator, "ID_BUTTON_START");
    ButtonStart->SetDefault();
    runRow->Add(ButtonStart, 1, wxLEFT | wxALIGN_BOTTOM, border);
    ButtonReset = new wxButton(this, ID_BUTTON_RESET, _("Rese&t"), wxDefaultPosition,
                               wxDefaultSize, 0, wxDefaultValidator, "ID_BUTTON_RESET");
    runRow->Add(ButtonReset, 1, wxLEFT | wxRIGHT | wxALIGN_BOTTOM, border);
    BoxSizerMain->Add(runRow, 0, wxEXPAND, border);

    auto* listRow = new wxBoxSizer(wxHORIZONTAL);
    m_splitList = std::make_unique<SplitList>(this, ID_LISTCTRL_SPLIT, m_record.Rows());
    m_splitList->SetAccessibleName(_("Splits"));
    listRow->Add(m_splitList->GetWindow(), 1, wxLEFT | wxRIGHT | wxTOP | wxEXPAND, border);
    BoxSizerMain->Add(listRow, 1, wxEXPAND, border);

    BoxSizerCommands = new wxBoxSizer(wxHORIZONTAL);
    ButtonLang = new wxButton(this, ID_BUTTON_LANG, _("&Language..."), wxDefaultPosition,
                              wxDefaultSize, 0, wxDefaultValidator, "ID_BUTTON_LANG");
    BoxSizerCommands->Add(ButtonLang, 0, wxLEFT | wxTOP | wxBOTTOM | wxALIGN_BOTTOM, border);
    ButtonUpdate = new wxButton(this, ID_BUTTON_UPDATE, _("&Update..."), wxDefaultPosition,
                                wxDefaultSize, 0, wxDefaultValidator, "ID_BUTTON_UPDATE");
    BoxSizerCommands->Add(ButtonUpdate, 0, wxLEFT | wxTOP | wxBOTTOM | wxALIGN_CENTER_VERTICAL,
                          border);
    ButtonAbout = new wxButton(this, wxID_ABOUT, _("&About..."), wxDefaultPosition,
                               wxDefaultSize, 0, wxDefaultValidator, "wxID_ABOUT");
    BoxSizerCommands->Add(ButtonAbout, 0, wxLEFT | wxTOP | wxBOTTOM | wxALIGN_CENTER_VERTICAL,
                          border);
    BoxSizerMain->Add(BoxSizerCommands, 0, wxRIGHT | wxTOP | wxBOTTOM, border);

    SetSizer(BoxSizerMain);
    Timer.SetOwner(this, ID_TIMER);
    Timer.Start(TickMilliseconds, wxTIMER_CONTINUOUS);
    BoxSizerMain->Fit(this);
    BoxSizerMain->SetSizeHints(this);

    Connect(ID_BUTTON_START, wxEVT_COMMAND_BUTTON_CLICKED,
            wxCommandEventHandler(LapmarkDialog::OnStartButton));
    Connect(ID_BUTTON_RESET, wxEVT_COMMAND_BUTTON_CLICKED,
            wxCommandEventHandler(LapmarkDialog::OnResetButton));
    Connect(ID_BUTTON_LANG, wxEVT_COMMAND_BUTTON_CLICKED,
            wxCommandEventHandler(LapmarkDialog::OnLanguageButton));
    Connect(ID_BUTTON_UPDATE, wxEVT_COMMAND_BUTTON_CLICKED,
            wxCommandEventHandler(LapmarkDialog::OnUpdateButton));
    Connect(wxID_ABOUT, wxEVT_COMMAND_BUTTON_CLICKED,
            wxCommandEventHandler(LapmarkDialog::OnAboutButton));
    Connect(ID_TIMER, wxEVT_TIMER, wxTimerEventHandler(LapmarkDialog::OnTimer));
    Connect(wxID_ANY, wxEVT_INIT_DIALOG, wxInitDialogEventHandler(LapmarkDialog::OnDialogInit));
    // On Windows a window moved to a screen of another scale keeps its pixel sizes unless told.
    Bind(wxEVT_DPI_CHANGED, &LapmarkDialog::OnDpiChanged, this);

    // The laps leave the window: Ctrl+A, Ctrl+C and Ctrl+S anywhere in it (it has nothing else to
    // select, copy or save), and the same on the list's menu.
    wxAcceleratorEntry keys[] = {{wxACCEL_CTRL, 'A', wxID_SELECTALL},
                                 {wxACCEL_CTRL, 'C', wxID_COPY},
                                 {wxACCEL_CTRL, 'S', wxID_SAVE}};
    SetAcceleratorTable(wxAcceleratorTable(WXSIZEOF(keys), keys));
    Connect(wxID_COPY, wxEVT_MENU, wxCommandEventHandler(LapmarkDialog::OnCopy));
    Connect(wxID_SELECTALL, wxEVT_MENU, wxCommandEventHandler(LapmarkDialog::OnSelectAll));
    Connect(wxID_SAVE, wxEVT_MENU, wxCommandEventHandler(LapmarkDialog::OnSave));
    Connect(wxID_PREFERENCES, wxEVT_MENU, wxCommandEventHandler(LapmarkDialog::OnChooseGlobalKeys));
    m_nested = std::make_unique<NestedDialogs>(*this);
    m_globalGrab = std::make_unique<GlobalKeyGrab>(
        *this, [this](GlobalAction action) { OnGlobalKey(action); },
        [this](const wxString& message) { Warn(message); });

    // The run-control keys act when they go down: the toolkit would press the button only on its
    // own timer a quarter of a second later, and drop a second press meanwhile. A key's release
    // goes to whichever control has the focus, so every one of them reports it.
    Connect(wxID_ANY, wxEVT_CHAR_HOOK, wxKeyEventHandler(LapmarkDialog::OnCharHook));
    Connect(wxID_ANY, wxEVT_ACTIVATE, wxActivateEventHandler(LapmarkDialog::OnActivate));
    const std::function<void(wxWindow&)> reportKeyUps = [&](wxWindow& window) {
        window.Bind(wxEVT_KEY_UP, &LapmarkDialog::OnKeyUp, this);
        for (wxWindow* child : window.GetChildren())
            reportKeyUps(*child);
    };
    reportKeyUps(*this);
}

LapmarkDialog::~LapmarkDialog()
{
    m_globalGrab.reset();
    Timer.Stop();
    // Closed while timing: the run comes back stopped at this moment.
    if (m_state == RunState::Running)
        m_record.Close(m_stopwatch.Read(true).total);
}

void LapmarkDialog::KeepRunIn(std::unique_ptr<RunJournal> journal)
{
    const std::optional<StopwatchReading> kept = m_record.KeepIn(std::move(journal));
    if (!m_record.Journal())
        return;
    RunJournal& keeper = *m_record.Journal();
    TellRunProblem(keeper);
    // The writer's thread may not touch the window: the application hands the report to
    // whichever main window is there when it comes.
    keeper.OnWriteFailure([](const std::string& reason) {
        wxTheApp->CallAfter([reason] {
            if (auto* window = dynamic_cast<LapmarkDialog*>(wxTheApp->GetTopWindow()))
                window->Warn(wxString::Format(wxGetTranslation(RunNotKept), wxString(reason)));
        });
    });
    if (!kept)
        return;
    m_splitList->CreateColumns();
    m_splitList->ShowRows();
    m_stopwatch.Restore(*kept);
    m_state = RunState::Stopped;
    RefreshDisplays(m_state);
    UpdateButtonLabels(m_state);
}

void LapmarkDialog::Warn(const wxString& text)
{
    if (m_state == RunState::Running)
        ShowQuietly(this, text);
    else
        wxLogWarning("%s", text);
}

void LapmarkDialog::UseGlobalKeys(const GlobalKeys& keys)
{
    m_globalKeys = keys;
    m_globalGrab->Take(keys);
}

void LapmarkDialog::OnChooseGlobalKeys(wxCommandEvent&)
{
    GlobalKeysDlg chooser(
        this, m_globalKeys,
        [this](const GlobalKeys& keys) {
            wxConfigBase& store = *wxConfigBase::Get();
            for (GlobalAction action : GlobalActions)
                WriteGlobalKey(store, action, keys[action]);
            store.Flush();
            UseGlobalKeys(keys);
        },
        [this] { m_globalGrab->GiveBack(); });
    // Keys still held when it closes stay held: taking them again would leave a moment in which
    // a press goes astray.
    chooser.ShowModal();
}

void LapmarkDialog::OnGlobalKey(GlobalAction action)
{
    // The Reset question, the About box or a file chooser waits for its answer first.
    if (m_nested->Any())
        return;
    if (action == GlobalAction::StartStop)
        StartOrStop();
    else if (ResetButtonCommand(m_state) == RunCommand::RecordSplit)
        RecordSplit();
    else
        // The question is a box of its own loop: asked once the key's event has been handled.
        CallAfter([this] {
            if (!m_nested->Any())
                SplitOrReset();
        });
}

void LapmarkDialog::OnDpiChanged(wxDPIChangedEvent& event)
{
    const int border = FromDIP(Border);
    const std::function<void(wxSizer&)> setBorders = [&](wxSizer& sizer) {
        for (wxSizerItem* item : sizer.GetChildren())
        {
            item->SetBorder(border);
            if (wxSizer* inner = item->GetSizer())
                setBorders(*inner);
        }
    };
    setBorders(*BoxSizerMain);
    m_splitList->ApplyDpi();
    StaticTextDisplay->InvalidateBestSize();
    StaticTextSmallDisp->InvalidateBestSize();
    GrowToFit();
    event.Skip();
}

void LapmarkDialog::GrowToFit()
{
    // Never smaller than the content, as at start; but never shrunk either, the user's size kept.
    const wxSize least = BoxSizerMain->ComputeFittingClientSize(this);
    SetMinClientSize(least);
    const wxSize now = GetClientSize();
    if (now.x < least.x || now.y < least.y)
        SetClientSize(wxSize(std::max(now.x, least.x), std::max(now.y, least.y)));
    Layout();
}

void LapmarkDialog::OnDialogInit(wxInitDialogEvent&)
{
    // Nothing is timed before the first Start, so nothing needs to tick.
    Timer.Stop();
    m_splitList->CreateColumns();
}

void LapmarkDialog::OnStartButton(wxCommandEvent&)
{
    StartOrStop();
}

void LapmarkDialog::StartOrStop()
{
    if (StartButtonCommand(m_state) == RunCommand::StopTiming)
        StopTiming();
    else
        StartTiming();
    UpdateButtonLabels(m_state);
}

void LapmarkDialog::OnResetButton(wxCommandEvent&)
{
    SplitOrReset();
}

void LapmarkDialog::SplitOrReset()
{
    if (ResetButtonCommand(m_state) == RunCommand::RecordSplit)
        RecordSplit();
    else
        ConfirmReset();
}

void LapmarkDialog::OnLanguageButton(wxCommandEvent&)
{
    ChangeLanguage();
}

void LapmarkDialog::OnUpdateButton(wxCommandEvent&)
{
    OpenInBrowser(DownloadPageUrl);
}

void LapmarkDialog::OnAboutButton(wxCommandEvent&)
{
    AboutDlg about(this, wxID_ANY);
    about.ShowModal();
}

void LapmarkDialog::OnTimer(wxTimerEvent&)
{
    if (m_state != RunState::Idle)
        RefreshDisplays(RunState::Running);
}

void LapmarkDialog::StartTiming()
{
    m_stopwatch.Start();
    m_record.Start(m_stopwatch.Read(false).total);
    m_state = StateAfter(m_state, RunCommand::StartTiming);
    Timer.Start(TickMilliseconds, wxTIMER_CONTINUOUS);
}

void LapmarkDialog::StopTiming()
{
    const StopwatchReading stopped = m_stopwatch.Stop();
    m_state = StateAfter(m_state, RunCommand::StopTiming);
    Timer.Stop();
    // The readouts show exactly the stopped values, the same total as the Stop row.
    RefreshDisplays(m_state);
    AddSplitRow(SplitAction::Stop, stopped);
}

void LapmarkDialog::RecordSplit()
{
    AddSplitRow(SplitAction::Split, m_stopwatch.Split());
}

void LapmarkDialog::ConfirmReset()
{
    const wxString caption = _("Confirm");
    const wxString message = _("Do you want to reset?\t");
    // Only an explicit Yes clears the laps: Escape, the close box and Return (No is the default,
    // and has the focus) keep everything.
    const bool confirmed = wxMessageBox(message, caption, wxYES_NO | wxNO_DEFAULT, this) == wxYES;
    // The question had the keyboard: a key that opened it came up there, unseen by this window.
    m_heldKeys.Clear();
    if (!confirmed)
        return;
    m_stopwatch.Reset();
    m_state = StateAfter(m_state, RunCommand::ConfirmReset, confirmed);
    RefreshDisplays(m_state);
    m_record.Reset();
    m_splitList->ShowRows();
}

void LapmarkDialog::UpdateButtonLabels(RunState state)
{
    const RunLabels labels = LabelsFor(state);
    ButtonStart->SetLabel(wxGetTranslation(labels.start));
    ButtonReset->SetLabel(wxGetTranslation(labels.reset));
}

void LapmarkDialog::RefreshDisplays(RunState state)
{
    // Idle shows zero. Otherwise the stopwatch's values: read now while the window is timing,
    // frozen once it stopped; total and lap from the same instant.
    if (state == RunState::Idle)
    {
        SetReadout(*StaticTextDisplay, ZeroTimeText);
        SetReadout(*StaticTextSmallDisp, ZeroTimeText);
        return;
    }
    const StopwatchReading reading = m_stopwatch.Read(m_state == RunState::Running);
    SetReadout(*StaticTextDisplay, FormatTimeText(reading.total));
    SetReadout(*StaticTextSmallDisp, FormatTimeText(reading.lap));
}

void LapmarkDialog::SetReadout(wxStaticText& readout, const wxString& text)
{
    const wxString previous = readout.GetLabel();
    if (previous == text)
        return;
    readout.SetLabel(text);
    // The readouts do not resize themselves: ten relayouts of the whole window a second would be
    // most of the program's work. Their size changes only with the number of characters.
    if (previous.length() != text.length())
    {
        readout.InvalidateBestSize();
        GrowToFit();
    }
}

void LapmarkDialog::AddSplitRow(SplitAction action, const StopwatchReading& at)
{
    // Stamped and handed over; the journal's own thread takes it to the disk.
    m_record.Add(action, at.total);
    m_splitList->ShowRows();
}

void LapmarkDialog::OnSelectAll(wxCommandEvent&)
{
    m_splitList->SelectAll();
}

void LapmarkDialog::OnCopy(wxCommandEvent&)
{
    m_splitList->Copy();
}

void LapmarkDialog::OnSave(wxCommandEvent&)
{
    m_splitList->Save();
}

KeyFocus LapmarkDialog::FocusOf(const wxWindow* window) const
{
    if (window == ButtonStart)
        return KeyFocus::StartButton;
    if (window == ButtonReset)
        return KeyFocus::ResetButton;
    if (window == ButtonLang || window == ButtonUpdate || window == ButtonAbout)
        return KeyFocus::OtherButton;
    return KeyFocus::Elsewhere;
}

void LapmarkDialog::OnCharHook(wxKeyEvent& event)
{
    KeyPress key;
    key.keyCode = event.GetKeyCode();
    key.alt = event.AltDown();
    key.control = event.RawControlDown();
    key.shift = event.ShiftDown();
    key.meta = event.MetaDown();
    key.focus = FocusOf(wxDynamicCast(event.GetEventObject(), wxWindow));
    const RunKey pressed = RunKeyFor(key, ButtonStart->GetLabel(), ButtonReset->GetLabel());
    if (pressed == RunKey::None)
    {
        event.Skip();
        return;
    }
    // Held down, the key repeats: it pressed its button once, when it went down. (The toolkit's
    // own repeat flag is not set on every platform.)
    if (!m_heldKeys.Press(key.keyCode))
        return;
    if (pressed == RunKey::StartButton)
        StartOrStop();
    else
        SplitOrReset();
}

void LapmarkDialog::OnKeyUp(wxKeyEvent& event)
{
    m_heldKeys.Release(event.GetKeyCode());
    event.Skip();
}

void LapmarkDialog::OnActivate(wxActivateEvent& event)
{
    // Keys released while another window had the keyboard were never reported here.
    m_heldKeys.Clear();
    event.Skip();
}
