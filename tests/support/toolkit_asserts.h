#pragma once

#include <gtest/gtest.h>

#include <wx/debug.h>
#include <wx/string.h>

/// From now on a failed check of the toolkit is a failure of the running test, never a dialog or
/// an abort.
inline void ReportToolkitAssertsAsFailures()
{
    wxSetAssertHandler([](const wxString& file, int line, const wxString& func, const wxString& cond,
                          const wxString& msg) {
        ADD_FAILURE_AT(file.utf8_str(), line) << func << ": " << cond << " " << msg;
    });
}
