#include "toolkit_asserts.h"

#include <gtest/gtest.h>

#include <wx/init.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    wxInitializer toolkit;
    if (!toolkit.IsOk())
        return 1;
    ReportToolkitAssertsAsFailures();
    return RUN_ALL_TESTS();
}
