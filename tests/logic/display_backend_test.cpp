#include "app/display_backend.h"

#include <gtest/gtest.h>

TEST(DisplayBackend, XwaylandFirstOnlyWhereBothDisplaysAreThereAndTheUserChoseNone)
{
    struct Case
    {
        const char* gdkBackend;
        const char* waylandDisplay;
        const char* display;
        const char* preferred;
    };
    const Case cases[] = {
        {nullptr, "wayland-0", ":0", "x11,wayland"},
        {"", "wayland-0", ":0", "x11,wayland"},  // set but empty is not a choice
        {"wayland", "wayland-0", ":0", ""},      // the user's choice wins
        {nullptr, "wayland-0", nullptr, ""},     // Wayland alone
        {nullptr, "wayland-0", "", ""},
        {nullptr, nullptr, ":0", ""},            // an X11 session
        {nullptr, "", ":0", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PreferredDisplayBackends(c.gdkBackend, c.waylandDisplay, c.display), c.preferred)
            << (c.gdkBackend ? c.gdkBackend : "-") << " " << (c.waylandDisplay ? c.waylandDisplay : "-")
            << " " << (c.display ? c.display : "-");
}
