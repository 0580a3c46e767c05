#include "gui_test.h"
#include "toolkit_asserts.h"

#include <wx/app.h>
#include <wx/config.h>
#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/modalhook.h>
#include <wx/utils.h>

#include <cstdio>

namespace
{
/// Fails and cancels any modal dialog shown outside wxTEST_DIALOG.
class UnexpectedDialogGuard : public wxModalDialogHook
{
protected:
    int Enter(wxDialog* dialog) override
    {
        ADD_FAILURE() << "unexpected modal dialog \"" << dialog->GetTitle() << "\"";
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};
} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv))
    {
        std::fprintf(stderr, "cannot start the toolkit: is there a display?\n");
        return 1;
    }
    ReportToolkitAssertsAsFailures();
    // Logged errors are printed, never shown in a box; tests that look at them capture them.
    delete wxLog::SetActiveTarget(new wxLogStderr());
    // The real user's settings are never touched; HOME points into the build tree.
    wxFileName::Mkdir(wxGetHomeDir(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    wxConfigBase::Set(new wxFileConfig("Lapmark", "Quillora", wxGetHomeDir() + "/gui-tests.conf", wxString(),
                                       wxCONFIG_USE_LOCAL_FILE));
    wxConfigBase::Get()->DeleteAll();
    wxLocale::AddCatalogLookupPathPrefix("locales");
    wxInitAllImageHandlers();

    UnexpectedDialogGuard guard;
    guard.Register();
    const int result = RUN_ALL_TESTS();
    guard.Unregister();

    delete wxConfigBase::Set(nullptr);
    wxEntryCleanup();
    return result;
}
