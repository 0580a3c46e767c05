#include "about/version_info.h"

#include <gtest/gtest.h>

#include <wx/regex.h>

TEST(VersionInfo, VersionLineIsExact)
{
    // Two blanks before the parenthesis, and the date as bare digits after the build number.
    const wxRegEx line(R"(^Version [0-9]+\.[0-9]+\.[0-9]+\.[0-9]+  \(Build 374\.08052011\)$)");
    EXPECT_TRUE(line.Matches(VersionLine())) << VersionLine();
}
