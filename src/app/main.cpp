#include "app/command_line.h"
#include "app/lapmark_app.h"

#include <wx/log.h>

#include <cstdio>

// --help and --version are answered before the toolkit opens the display.
int main(int argc, char** argv)
{
    const CommandLineRequest request = ParseCommandLine(argc, argv);
    std::fputs(request.output.c_str(), stdout);
    std::fputs(request.errors.c_str(), stderr);
    if (!request.run)
        return request.exitStatus;
    wxLog::SetVerbose(request.verbose);
    return wxEntry(argc, argv);
}

wxIMPLEMENT_APP_NO_MAIN(LapmarkApp);
