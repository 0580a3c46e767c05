#include "app/single_instance.h"

#include <wx/defs.h> // before snglinst.h, which tests a setting of the toolkit
#include <wx/snglinst.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <windows.h>

#include <cstdio>
#include <memory>

// The lock is the toolkit's single-instance checker (a named object of the user's session); the
// channel is the window itself, marked so that a later start finds it among the desktop's.

namespace
{
const wchar_t WindowMark[] = L"Lapmark.MainWindow";

/// How long a later start waits for a first one that has no window to bring forward.
constexpr DWORD WaitMilliseconds = 10000;

BOOL CALLBACK BringToFront(HWND window, LPARAM found)
{
    // A hidden window is one whose modal run has ended: its program is on its way out.
    if (!GetPropW(window, WindowMark) || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    if (IsIconic(window))
        ShowWindow(window, SW_RESTORE);
    // A program just started by the user may give the foreground to another; the window goes to
    // the top of the others as well (Wine without a window manager raises it only so).
    SetForegroundWindow(window);
    BringWindowToTop(window);
    return FALSE;
}
} // namespace

struct SingleInstance::Channel
{
    std::unique_ptr<wxSingleInstanceChecker> checker;
    HWND window = nullptr;

    ~Channel()
    {
        if (window)
            RemovePropW(window, WindowMark);
    }
};

SingleInstance::SingleInstance() : m_channel(std::make_unique<Channel>()) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::AnotherRuns()
{
    const wxString name = "Lapmark-" + wxGetUserId();
    for (const DWORD started = GetTickCount();;)
    {
        m_channel->checker = std::make_unique<wxSingleInstanceChecker>();
        if (!m_channel->checker->Create(name) || !m_channel->checker->IsAnotherRunning())
            return false;
        bool found = false;
        EnumWindows(BringToFront, reinterpret_cast<LPARAM>(&found));
        if (found)
            return true;
        // A first one without a marked window is ending (or not yet showing one): this one
        // opens once it has gone, and never ends with no window at all.
        if (GetTickCount() - started > WaitMilliseconds)
        {
            std::fprintf(stderr, "Lapmark: another Lapmark runs but shows no window; this one "
                                 "opens a window of its own.\n");
            return false;
        }
        m_channel->checker.reset();
        Sleep(50);
    }
}

void SingleInstance::Serve(wxTopLevelWindow& window)
{
    m_channel->window = static_cast<HWND>(window.GetHandle());
    SetPropW(m_channel->window, WindowMark, reinterpret_cast<HANDLE>(1));
}
