#include "test_environment.h"

TEST(TestEnvironment, ThrowawayHomeAndNoDisplay)
{
    ExpectThrowawayHome();
    const char* display = std::getenv("DISPLAY");
    EXPECT_TRUE(display == nullptr || *display == '\0') << "these tests need no display";
}
