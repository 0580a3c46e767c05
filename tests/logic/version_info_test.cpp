#include "about/version_info.h"

#include <gtest/gtest.h>

#include <wx/version.h>

TEST(VersionInfo, VersionLineIsExact)
{
    EXPECT_EQ(VersionLine(), "Version " LAPMARK_VERSION "  (Build 374.08052011)");
}

TEST(VersionInfo, BuildInfoJoinsItsPartsWithoutBlanks)
{
    EXPECT_EQ(BuildInfo(BuildInfoShort), wxVERSION_STRING);
    EXPECT_EQ(BuildInfo(BuildInfoLong), wxString(wxVERSION_STRING) + "-GTK3-Unicode build");
}
