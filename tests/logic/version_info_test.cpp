#include "about/version_info.h"

#include <gtest/gtest.h>

#include <regex>

TEST(VersionInfo, VersionLineIsExact)
{
    // Two blanks before the parenthesis, and the date as bare digits after the build number.
    EXPECT_TRUE(std::regex_match(VersionLine().utf8_string(),
                                 std::regex(R"(Version \d+\.\d+\.\d+\.\d+  \(Build 374\.08052011\))")))
        << VersionLine();
}

TEST(VersionInfo, BuildInfoJoinsItsPartsWithoutBlanks)
{
    const std::regex toolkit(R"(wxWidgets \d+\.\d+\.\d+)");
    EXPECT_TRUE(std::regex_match(BuildInfo(BuildInfoShort).utf8_string(), toolkit))
        << BuildInfo(BuildInfoShort);
#ifdef __WXMSW__
    const char* platform = "-Windows-Unicode build";
#else
    const char* platform = "-GTK3-Unicode build";
#endif
    EXPECT_EQ(BuildInfo(BuildInfoLong), BuildInfo(BuildInfoShort) + platform);
}
