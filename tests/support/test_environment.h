#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

/// Every test binary runs with HOME and XDG_CONFIG_HOME in the build tree, never the real user's.
inline void ExpectThrowawayHome()
{
    for (const char* name : {"HOME", "XDG_CONFIG_HOME"})
    {
        const char* value = std::getenv(name);
        ASSERT_NE(value, nullptr) << name;
        EXPECT_EQ(std::string(value).rfind(LAPMARK_BINARY_DIR "/", 0), 0u) << name << "=" << value;
    }
}
