#include "about/version_info.h"

#include <gtest/gtest.h>

#include <wx/regex.h>

TEST(VersionInfo, VersionLineIsExact)
{
    // Two blanks before the parenthesis, and the date as bare digits after the build number.
    const wxRegEx line(R"(^Version [0-9]+\.[0-9]+\.[0-9]+\.[0-9]+  \(Build 374\.08052011\)$)");
    EXPECT_TRUE(line.Matches(VersionLine())) << VersionLine();
}

TEST(VersionInfo, BuildInfoJoinsItsPartsWithoutBlanks)
{
    const wxRegEx toolkit(R"(^wxWidgets [0-9]+\.[0-9]+\.[0-9]+$)");
    EXPECT_TRUE(toolkit.Matches(BuildInfo(BuildInfoShort))) << BuildInfo(BuildInfoShort);
#ifdef __WXMSW__
    const char* platform = "-Windows-Unicode build";
#else
    const char* platform = "-GTK3-Unicode build";
#endif
    EXPECT_EQ(BuildInfo(BuildInfoLong), BuildInfo(BuildInfoShort) + platform);
}
