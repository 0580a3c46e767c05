#pragma once

#include <wx/app.h>
#include <wx/intl.h>

class wxConfigBase;
class wxString;

/// The application: sets up names, settings and language, then runs the main window modally.
class LapmarkApp : public wxApp
{
public:
    /// The whole life of the program: start-up, the main window's modal run, tear-down.
    bool OnInit() override;
    /// The main window has already run and closed inside OnInit: a normal end, status 0.
    int OnRun() override;

private:
    wxLocale m_locale;
};

/// Names the application and its vendor, then creates the per-user settings store (a file in the
/// XDG layout; on Windows the registry branch of vendor and application) with recording of
/// defaults on; returns the store.
wxConfigBase& PrepareSettingsStore(wxApp& app);

/// Before the toolkit starts: the program's desktop identity, and on a Wayland session with
/// Xwayland the X11 backend first, so the window can stay above others. Nothing on Windows.
void PrepareDisplay();

/// Where the run is written down as it is recorded: run.txt in the user's state folder
/// ($XDG_STATE_HOME/Lapmark, by default ~/.local/state/Lapmark; on Windows the local application
/// data's Quillora\Lapmark).
wxString RunFilePath();
