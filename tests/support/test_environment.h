#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

/// Every test binary runs with HOME, XDG_CONFIG_HOME and XDG_STATE_HOME in the build tree, never the real user's;
/// under Wine, with a Wine prefix (and so a registry) of its own there.
inline void ExpectThrowawayHome()
{
#ifdef _WIN32
    const char* names[] = {"WINEPREFIX"};
#else
    const char* names[] = {"HOME", "XDG_CONFIG_HOME", "XDG_STATE_HOME"};
#endif
    for (const char* name : names)
    {
        const char* value = std::getenv(name);
        ASSERT_NE(value, nullptr) << name;
        EXPECT_EQ(std::string(value).rfind(LAPMARK_BINARY_DIR "/", 0), 0u) << name << "=" << value;
    }
}
