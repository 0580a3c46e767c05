#include "app/display_backend.h"

std::string PreferredDisplayBackends(const char* gdkBackend, const char* waylandDisplay,
                                     const char* display)
{
    const auto set = [](const char* value) { return value != nullptr && *value != '\0'; };
    if (set(gdkBackend) || !set(waylandDisplay) || !set(display))
        return std::string();
    return "x11,wayland";
}
