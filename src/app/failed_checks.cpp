#include "app/failed_checks.h"

#include <wx/debug.h>
#include <wx/msgout.h>
#include <wx/utils.h>

#include <cstdlib>

namespace
{
void OnFailedCheck(const wxString& file, int line, const wxString& function,
                   const wxString& condition, const wxString& message)
{
    wxMessageOutputStderr().Output(FailedCheckText(file, line, function, condition, message));
    wxString fatal;
    if (wxGetEnv(FatalChecksVariable, &fatal) && !fatal.empty() && fatal != "0")
        std::abort();
}
} // namespace

wxString FailedCheckText(const wxString& file, int line, const wxString& function,
                         const wxString& condition, const wxString& message)
{
    wxString text = wxString::Format("Lapmark: internal check failed at %s:%d in %s(): %s", file,
                                     line, function, condition);
    if (!message.empty())
        text << " (" << message << ")";
    return text;
}

void ReportFailedChecks()
{
    wxSetAssertHandler(OnFailedCheck);
}
