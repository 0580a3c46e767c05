#pragma once

#include <wx/string.h>

/// The environment variable that makes a failed check stop the program (the tests set it).
inline constexpr char FatalChecksVariable[] = "LAPMARK_FATAL_ASSERTS";

/// The line a failed check of the toolkit or the program is reported with.
wxString FailedCheckText(const wxString& file, int line, const wxString& function,
                         const wxString& condition, const wxString& message);

/// Makes a failed check a line on the standard error, never the toolkit's debug alert, and lets
/// the program carry on; with FatalChecksVariable set to anything but "" or "0", it then stops
/// the program (abort), so a test notices at once.
void ReportFailedChecks();
