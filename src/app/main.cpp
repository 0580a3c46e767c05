#include "app/command_line.h"
#include "app/failed_checks.h"
#include "app/lapmark_app.h"

#include <wx/log.h>

#include <cstdio>

#ifdef __WXMSW__
#include <windows.h>
#endif

namespace
{
/// Prints what the command line answered. A Windows program of the GUI kind starts without a
/// console, so there the answer goes to the console of the command that started it, if any.
void Answer(const CommandLineRequest& request)
{
#ifdef __WXMSW__
    if (!request.output.empty() || !request.errors.empty())
    {
        // Redirected output already has somewhere to go; a console window is attached to.
        if (GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) == FILE_TYPE_UNKNOWN &&
            AttachConsole(ATTACH_PARENT_PROCESS))
        {
            std::freopen("CONOUT$", "w", stdout);
            std::freopen("CONOUT$", "w", stderr);
        }
    }
#endif
    std::fputs(request.output.c_str(), stdout);
    std::fputs(request.errors.c_str(), stderr);
    std::fflush(stdout);
    std::fflush(stderr);
}

/// Hands over to the toolkit, which creates the application and runs it.
int RunToolkit(int argc, char** argv)
{
#ifdef __WXMSW__
    // The toolkit's Windows entry, with what the system gave this process: its instance, its
    // command line and how its window is to be shown.
    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
    (void)argc;
    (void)argv;
    return wxEntry(GetModuleHandleW(nullptr), nullptr, GetCommandLineA(), show);
#else
    return wxEntry(argc, argv);
#endif
}
} // namespace

// --help and --version are answered before the toolkit opens the display.
int main(int argc, char** argv)
{
    const CommandLineRequest request = ParseCommandLine(argc, argv);
    Answer(request);
    if (!request.run)
        return request.exitStatus;
    wxLog::SetVerbose(request.verbose);
    ReportFailedChecks();
    PrepareDisplay();
    return RunToolkit(argc, argv);
}

wxIMPLEMENT_APP_NO_MAIN(LapmarkApp);
