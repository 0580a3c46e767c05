#include "app/lapmark_app.h"
#include "app/settings_store.h"
#include "gui_test.h"
#include "guards.h"
#include "temp_dir.h"
#include "test_environment.h"

#include <wx/app.h>
#include <wx/config.h>
#include <wx/utils.h>

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
    auto* file = dynamic_cast<SettingsStore*>(&store);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->GetPath(), dir.Path().string() + "/Lapmark/Lapmark.conf");

    EXPECT_EQ(&PrepareSettingsStore(*wxTheApp), &store) << "created once";
}

TEST(TestEnvironment, ThrowawayHome)
{
    ExpectThrowawayHome();
}
