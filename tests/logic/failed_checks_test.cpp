#include "app/failed_checks.h"
#include "guards.h"

#include <gtest/gtest.h>

#include <wx/debug.h>

TEST(FailedChecks, TheLineSaysWhereAndWhat)
{
    EXPECT_EQ(FailedCheckText("dcclient.cpp", 12, "DrawBitmap", "bmp.IsOk()", "invalid bitmap"),
              "Lapmark: internal check failed at dcclient.cpp:12 in DrawBitmap(): bmp.IsOk() "
              "(invalid bitmap)");
    EXPECT_EQ(FailedCheckText("a.cpp", 1, "F", "x", ""), "Lapmark: internal check failed at a.cpp:1 in F(): x");
}

TEST(FailedChecks, AUsersProgramCarriesOn)
{
    for (const char* setting : {"", "0"})
    {
        SCOPED_TRACE(setting);
        AssertHandlerGuard handler;
        EnvironmentGuard variable(FatalChecksVariable, setting);
        ReportFailedChecks();
        testing::internal::CaptureStderr();
        wxFAIL_MSG("a check that fails");
        const std::string printed = testing::internal::GetCapturedStderr();
        EXPECT_NE(printed.find("Lapmark: internal check failed at"), std::string::npos) << printed;
        EXPECT_NE(printed.find("(a check that fails)"), std::string::npos) << printed;
    }
}

#ifndef _WIN32 // death tests start a process of their own, which Wine does not do the same way
TEST(FailedChecksDeathTest, ATestRunStopsAtOnce)
{
    AssertHandlerGuard handler;
    EnvironmentGuard variable(FatalChecksVariable, "1");
    ReportFailedChecks();
    EXPECT_DEATH(wxFAIL_MSG("a check that fails"), "internal check failed.*a check that fails");
}
#endif
