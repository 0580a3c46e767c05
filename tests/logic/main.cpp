#include <gtest/gtest.h>

#include <wx/init.h>
#include <wx/log.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    wxInitializer toolkit;
    if (!toolkit.IsOk())
        return 1;
    // Toolkit asserts are test failures, not dialogs or aborts.
    wxSetAssertHandler([](const wxString& file, int line, const wxString& func,
                          const wxString& cond, const wxString& msg) {
        ADD_FAILURE_AT(file.utf8_str(), line)
            << func << ": " << cond << " " << msg;
    });
    return RUN_ALL_TESTS();
}
