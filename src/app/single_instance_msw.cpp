#include "app/single_instance.h"

#include <wx/defs.h> // before snglinst.h, which tests a setting of the toolkit
#include <wx/snglinst.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <windows.h>

// The lock is the toolkit's single-instance checker (a named object of the user's session); the
// channel is the window itself, marked so that a later start finds it among the desktop's.

namespace
{
const wchar_t WindowMark[] = L"Lapmark.MainWindow";

BOOL CALLBACK BringToFront(HWND window, LPARAM)
{
    if (!GetPropW(window, WindowMark))
        return TRUE;
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
    wxSingleInstanceChecker checker;
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
    if (!m_channel->checker.Create("Lapmark-" + wxGetUserId()) || !m_channel->checker.IsAnotherRunning())
        return false;
    EnumWindows(BringToFront, 0);
    return true;
}

void SingleInstance::Serve(wxTopLevelWindow& window)
{
    m_channel->window = static_cast<HWND>(window.GetHandle());
    SetPropW(m_channel->window, WindowMark, reinterpret_cast<HANDLE>(1));
}
