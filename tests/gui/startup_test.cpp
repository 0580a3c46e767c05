#include "app/lapmark_app.h"
#include "app/settings_store.h"
#include "gui_test.h"
#include "guards.h"
#include "temp_dir.h"
#include "test_environment.h"

#include <wx/app.h>
#include <wx/config.h>
#include <wx/utils.h>
#ifdef __WXMSW__
#include <wx/msw/registry.h>
#endif

TEST(StartUp, NamesComeBeforeTheStoreWhichRecordsDefaults)
{
    TempDir dir;
    EnvironmentGuard configHome("XDG_CONFIG_HOME", dir.Path().string());
    GlobalConfigGuard noStoreYet;
    AppIdentityGuard identity;

    wxConfigBase& store = PrepareSettingsStore(*wxTheApp);
    EXPECT_EQ(wxTheApp->GetVendorName(), "Quillora");
    EXPECT_EQ(wxTheApp->GetAppName(), "Lapmark");
    EXPECT_EQ(store.GetVendorName(), "Quillora") << "the store was created under the names";
    EXPECT_EQ(store.GetAppName(), "Lapmark");
    EXPECT_TRUE(store.IsRecordingDefaults());
#ifdef __WXMSW__
    // The user's registry branch of the vendor and the application (a Wine prefix's here).
    ASSERT_TRUE(store.Write("startup-test", "written"));
    wxRegKey key(wxRegKey::HKCU, "Software\\Quillora\\Lapmark");
    wxString value;
    EXPECT_TRUE(key.QueryValue("startup-test", value));
    EXPECT_EQ(value, "written");
    key.DeleteValue("startup-test");
#else
    auto* file = dynamic_cast<SettingsStore*>(&store);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->GetPath(), dir.Path().string() + "/Lapmark/Lapmark.conf");
#endif

    EXPECT_EQ(&PrepareSettingsStore(*wxTheApp), &store) << "created once";
}

#ifndef __WXMSW__
TEST(StartUp, TheRunIsKeptInTheStateFolderOrItsDefault)
{
    // A relative XDG_STATE_HOME is to be ignored, as an unset one is.
    for (const char* state : {"/elsewhere/state", "relative/state", ""})
    {
        EnvironmentGuard stateHome("XDG_STATE_HOME", state);
        const wxString folder = *state == '/' ? wxString(state) : wxGetHomeDir() + "/.local/state";
        EXPECT_EQ(RunFilePath(), folder + "/Lapmark/run.txt") << state;
    }
}
#endif

TEST(TestEnvironment, ThrowawayHome)
{
    ExpectThrowawayHome();
}
