#include "desktop/global_key_grab.h"

#include <wx/defs.h>
#include <wx/intl.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <gdk/gdk.h>
#include <gio/gio.h>
#ifdef GDK_WINDOWING_X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <gdk/gdkx.h>
#endif

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
/// Set once the session has said it offers no global-shortcuts portal.
bool s_portalMissing = false;

enum class Desktop
{
    X11,
    /// An X11 display with a Wayland session around it: Xwayland.
    Xwayland,
    Wayland,
    Other,
};

Desktop CurrentDesktop()
{
    GdkDisplay* display = gdk_display_get_default();
#ifdef GDK_WINDOWING_X11
    if (display && GDK_IS_X11_DISPLAY(display))
        return wxGetEnv("WAYLAND_DISPLAY", nullptr) ? Desktop::Xwayland : Desktop::X11;
#endif
    if (display && wxGetDisplayInfo().type == wxDisplayWayland)
        return Desktop::Wayland;
    return Desktop::Other;
}

/// The X keysym of the toolkit's key code; 0 for a key X has no name for.
unsigned long KeySymOf(int keyCode)
{
    if (keyCode >= 'A' && keyCode <= 'Z')
        return XK_a + (keyCode - 'A');
    if (keyCode > WXK_SPACE && keyCode < WXK_DELETE)
        return static_cast<unsigned long>(keyCode); // Latin-1 keysyms are the characters' codes
    if (keyCode >= WXK_F1 && keyCode <= WXK_F24)
        return XK_F1 + (keyCode - WXK_F1);
    if (keyCode >= WXK_NUMPAD0 && keyCode <= WXK_NUMPAD9)
        return XK_KP_0 + (keyCode - WXK_NUMPAD0);
    struct Pair
    {
        int wx;
        unsigned long x;
    };
    static const Pair pairs[] = {
        {WXK_SPACE, XK_space},         {WXK_RETURN, XK_Return},
        {WXK_TAB, XK_Tab},             {WXK_BACK, XK_BackSpace},
        {WXK_ESCAPE, XK_Escape},       {WXK_DELETE, XK_Delete},
        {WXK_INSERT, XK_Insert},       {WXK_HOME, XK_Home},
        {WXK_END, XK_End},             {WXK_PAGEUP, XK_Page_Up},
        {WXK_PAGEDOWN, XK_Page_Down},  {WXK_LEFT, XK_Left},
        {WXK_RIGHT, XK_Right},         {WXK_UP, XK_Up},
        {WXK_DOWN, XK_Down},           {WXK_PAUSE, XK_Pause},
        {WXK_PRINT, XK_Print},         {WXK_SNAPSHOT, XK_Print},
        {WXK_NUMPAD_ADD, XK_KP_Add},   {WXK_NUMPAD_SUBTRACT, XK_KP_Subtract},
        {WXK_NUMPAD_MULTIPLY, XK_KP_Multiply}, {WXK_NUMPAD_DIVIDE, XK_KP_Divide},
        {WXK_NUMPAD_DECIMAL, XK_KP_Decimal},   {WXK_NUMPAD_ENTER, XK_KP_Enter},
        {WXK_NUMPAD_SPACE, XK_KP_Space},       {WXK_NUMPAD_TAB, XK_KP_Tab},
        {WXK_NUMPAD_HOME, XK_KP_Home},         {WXK_NUMPAD_END, XK_KP_End},
        {WXK_NUMPAD_LEFT, XK_KP_Left},         {WXK_NUMPAD_RIGHT, XK_KP_Right},
        {WXK_NUMPAD_UP, XK_KP_Up},             {WXK_NUMPAD_DOWN, XK_KP_Down},
        {WXK_NUMPAD_PAGEUP, XK_KP_Page_Up},    {WXK_NUMPAD_PAGEDOWN, XK_KP_Page_Down},
        {WXK_NUMPAD_INSERT, XK_KP_Insert},     {WXK_NUMPAD_DELETE, XK_KP_Delete},
        {WXK_NUMPAD_BEGIN, XK_KP_Begin},       {WXK_NUMPAD_EQUAL, XK_KP_Equal},
    };
    for (const Pair& pair : pairs)
        if (pair.wx == keyCode)
            return pair.x;
    return 0;
}

/// The key as the desktop's shortcuts portal takes a trigger: "CTRL+SHIFT+F9".
std::string TriggerText(const GlobalKey& key)
{
    std::string text;
    if (key.modifiers & wxACCEL_CTRL)
        text += "CTRL+";
    if (key.modifiers & wxACCEL_ALT)
        text += "ALT+";
    if (key.modifiers & wxACCEL_SHIFT)
        text += "SHIFT+";
    const char* name = XKeysymToString(KeySymOf(key.keyCode));
    return name ? text + name : std::string();
}

void SayOnStderr(const wxString& message)
{
    std::fprintf(stderr, "lapmark: %s\n", message.utf8_str().data());
}

const char* const ActionIds[] = {"start_stop", "split"};
} // namespace

struct GlobalKeyGrab::Impl
{
    Impl(Pressed pressed, Report report)
        : pressed(std::move(pressed)), report(std::move(report)), desktop(CurrentDesktop())
    {
    }

    Pressed pressed;
    Report report;
    Desktop desktop;
    GlobalKeys chosen;

    void Take(const GlobalKeys& keys);
    void GiveBack();

    // X11: a passive grab of each key on the root window, once for each state of the locks.
#ifdef GDK_WINDOWING_X11
    struct Grabbed
    {
        GlobalAction action;
        KeyCode code;
        unsigned int modifiers;
        bool down = false;
    };
    std::vector<Grabbed> grabbed;
    Display* display = nullptr;
    Window root = 0;
    bool filtering = false;

    unsigned int NumLockMask() const;
    bool GrabX11(GlobalAction action, const GlobalKey& key);
    void UngrabX11();
    static GdkFilterReturn FilterX11(GdkXEvent* native, GdkEvent*, gpointer self);
#endif

    // Wayland: the desktop's global-shortcuts portal.
    GDBusConnection* bus = nullptr;
    std::string session;
    guint activated = 0;
    guint response = 0;
    GCancellable* calls = nullptr;
    int tokens = 0;
    bool noted = false;

    void OpenPortalSession();
    void BindPortalShortcuts();
    void ClosePortalSession();
    std::string RequestPathFor(GVariantBuilder& options);
    void PortalMissing();
    /// A request's answer: stops waiting for it, and gives its code (0: granted) and results.
    guint32 TakeResponse(GVariant* parameters, GVariant*& results);
    static void OnSessionCreated(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                 const gchar*, GVariant* parameters, gpointer self);
    static void OnShortcutsBound(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                 const gchar*, GVariant* parameters, gpointer self);
    static void OnActivated(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                            const gchar*, GVariant* parameters, gpointer self);
    static void OnCallDone(GObject* source, GAsyncResult* result, gpointer self);
};

GlobalKeyGrab::GlobalKeyGrab(wxWindow&, Pressed pressed, Report report)
    : m_impl(std::make_unique<Impl>(std::move(pressed), std::move(report)))
{
}

GlobalKeyGrab::~GlobalKeyGrab()
{
    m_impl->GiveBack();
    if (m_impl->bus)
        g_object_unref(m_impl->bus);
}

void GlobalKeyGrab::Take(const GlobalKeys& keys)
{
    m_impl->GiveBack();
    m_impl->Take(keys);
}

void GlobalKeyGrab::GiveBack()
{
    m_impl->GiveBack();
}

wxString GlobalKeyGrab::Note()
{
    switch (CurrentDesktop())
    {
    case Desktop::Xwayland:
        return _("The keys chosen for every window work while an X11 program has the keyboard: "
                 "a Wayland program in front does not pass them on.");
    case Desktop::Wayland:
        if (s_portalMissing)
            return _("This desktop does not let Lapmark take keys in other windows.");
        return wxString();
    case Desktop::X11:
    case Desktop::Other:
        break;
    }
    return wxString();
}

void GlobalKeyGrab::Impl::Take(const GlobalKeys& keys)
{
    chosen = keys;
    if (!keys.AnySet())
        return;
#ifdef GDK_WINDOWING_X11
    if (desktop == Desktop::X11 || desktop == Desktop::Xwayland)
    {
        for (GlobalAction action : GlobalActions)
            if (keys[action].IsSet() && !GrabX11(action, keys[action]))
            {
                const wxString message = HeldElsewhereMessage(action, keys[action]);
                SayOnStderr(message);
                report(message);
            }
        return;
    }
#endif
    if (desktop == Desktop::Wayland)
        OpenPortalSession();
}

void GlobalKeyGrab::Impl::GiveBack()
{
#ifdef GDK_WINDOWING_X11
    UngrabX11();
#endif
    ClosePortalSession();
}

#ifdef GDK_WINDOWING_X11
unsigned int GlobalKeyGrab::Impl::NumLockMask() const
{
    unsigned int mask = 0;
    XModifierKeymap* map = XGetModifierMapping(display);
    if (!map)
        return Mod2Mask;
    const KeyCode numLock = XKeysymToKeycode(display, XK_Num_Lock);
    for (int modifier = 0; modifier < 8; ++modifier)
        for (int i = 0; i < map->max_keypermod; ++i)
            if (numLock && map->modifiermap[modifier * map->max_keypermod + i] == numLock)
                mask = 1u << modifier;
    XFreeModifiermap(map);
    return mask ? mask : Mod2Mask;
}

bool GlobalKeyGrab::Impl::GrabX11(GlobalAction action, const GlobalKey& key)
{
    GdkDisplay* gdk = gdk_display_get_default();
    display = GDK_DISPLAY_XDISPLAY(gdk);
    root = DefaultRootWindow(display);
    const unsigned long sym = KeySymOf(key.keyCode);
    const KeyCode code = sym ? XKeysymToKeycode(display, sym) : 0;
    if (!code)
        return false;
    unsigned int modifiers = 0;
    if (key.modifiers & wxACCEL_CTRL)
        modifiers |= ControlMask;
    if (key.modifiers & wxACCEL_ALT)
        modifiers |= Mod1Mask;
    if (key.modifiers & wxACCEL_SHIFT)
        modifiers |= ShiftMask;
    if (!filtering)
    {
        gdk_window_add_filter(nullptr, &Impl::FilterX11, this);
        filtering = true;
    }
    // The key acts whatever Num Lock and Caps Lock are: a grab for each of their four states.
    const unsigned int numLock = NumLockMask();
    const unsigned int locks[] = {0, LockMask, numLock, LockMask | numLock};
    gdk_x11_display_error_trap_push(gdk);
    for (unsigned int lock : locks)
        XGrabKey(display, code, modifiers | lock, root, False, GrabModeAsync, GrabModeAsync);
    XSync(display, False);
    // BadAccess: another client grabbed one of them first.
    if (gdk_x11_display_error_trap_pop(gdk) != 0)
    {
        gdk_x11_display_error_trap_push(gdk);
        for (unsigned int lock : locks)
            XUngrabKey(display, code, modifiers | lock, root);
        XSync(display, False);
        gdk_x11_display_error_trap_pop_ignored(gdk);
        return false;
    }
    grabbed.push_back({action, code, modifiers});
    return true;
}

void GlobalKeyGrab::Impl::UngrabX11()
{
    if (!display)
        return;
    GdkDisplay* gdk = gdk_display_get_default();
    const unsigned int numLock = NumLockMask();
    gdk_x11_display_error_trap_push(gdk);
    for (const Grabbed& key : grabbed)
        for (unsigned int lock : {0u, static_cast<unsigned int>(LockMask), numLock,
                                  LockMask | numLock})
            XUngrabKey(display, key.code, key.modifiers | lock, root);
    XSync(display, False);
    gdk_x11_display_error_trap_pop_ignored(gdk);
    grabbed.clear();
    if (filtering)
    {
        gdk_window_remove_filter(nullptr, &Impl::FilterX11, this);
        filtering = false;
    }
}

GdkFilterReturn GlobalKeyGrab::Impl::FilterX11(GdkXEvent* native, GdkEvent*, gpointer self)
{
    auto* impl = static_cast<Impl*>(self);
    const XEvent* event = static_cast<XEvent*>(native);
    if ((event->type != KeyPress && event->type != KeyRelease) || event->xkey.window != impl->root)
        return GDK_FILTER_CONTINUE;
    const unsigned int modifiers = event->xkey.state & (ControlMask | Mod1Mask | ShiftMask);
    bool ours = false;
    for (Grabbed& key : impl->grabbed)
    {
        if (key.code != event->xkey.keycode)
            continue;
        // A modifier may come up first: the key's release is its release whatever is held.
        if (event->type == KeyRelease)
        {
            ours |= key.down;
            key.down = false;
            continue;
        }
        if (key.modifiers != modifiers)
            continue;
        // Held down, the key repeats (presses without releases): one act per press.
        if (!key.down)
        {
            key.down = true;
            impl->pressed(key.action);
        }
        return GDK_FILTER_REMOVE;
    }
    return ours ? GDK_FILTER_REMOVE : GDK_FILTER_CONTINUE;
}
#endif

// The portal: CreateSession, then BindShortcuts, each answered by a Response signal on a request
// object whose path the caller's token decides; Activated says a shortcut went down.
namespace
{
constexpr const char* PortalName = "org.freedesktop.portal.Desktop";
constexpr const char* PortalPath = "/org/freedesktop/portal/desktop";
constexpr const char* ShortcutsInterface = "org.freedesktop.portal.GlobalShortcuts";
} // namespace

std::string GlobalKeyGrab::Impl::RequestPathFor(GVariantBuilder& options)
{
    const std::string token = "lapmark" + std::to_string(++tokens);
    g_variant_builder_add(&options, "{sv}", "handle_token", g_variant_new_string(token.c_str()));
    std::string sender = g_dbus_connection_get_unique_name(bus) + 1; // without its ':'
    for (char& c : sender)
        if (c == '.')
            c = '_';
    return std::string(PortalPath) + "/request/" + sender + "/" + token;
}

void GlobalKeyGrab::Impl::PortalMissing()
{
    s_portalMissing = true;
    if (noted)
        return;
    noted = true;
    // As for staying on top: said on stderr, and in the About box, never in a box of its own.
    SayOnStderr(GlobalKeyGrab::Note());
}

void GlobalKeyGrab::Impl::OpenPortalSession()
{
    if (!bus)
        bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (!bus || !g_dbus_connection_get_unique_name(bus))
    {
        PortalMissing();
        return;
    }
    calls = g_cancellable_new();
    GVariantBuilder options;
    g_variant_builder_init(&options, G_VARIANT_TYPE_VARDICT);
    const std::string request = RequestPathFor(options);
    g_variant_builder_add(&options, "{sv}", "session_handle_token", g_variant_new_string("lapmark"));
    response = g_dbus_connection_signal_subscribe(bus, nullptr, "org.freedesktop.portal.Request",
                                                  "Response", request.c_str(), nullptr,
                                                  G_DBUS_SIGNAL_FLAGS_NONE,
                                                  &Impl::OnSessionCreated, this, nullptr);
    g_dbus_connection_call(bus, PortalName, PortalPath, ShortcutsInterface, "CreateSession",
                           g_variant_new("(a{sv})", &options), G_VARIANT_TYPE("(o)"),
                           G_DBUS_CALL_FLAGS_NONE, -1, calls, &Impl::OnCallDone, this);
}

void GlobalKeyGrab::Impl::OnCallDone(GObject* source, GAsyncResult* result, gpointer self)
{
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, &error);
    if (reply)
    {
        g_variant_unref(reply);
        return;
    }
    // No portal, or one without global shortcuts. A call cancelled as the keys were given back
    // may come after its Impl has gone: it touches nothing.
    const bool cancelled = g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED);
    g_error_free(error);
    if (!cancelled)
        static_cast<Impl*>(self)->PortalMissing();
}

guint32 GlobalKeyGrab::Impl::TakeResponse(GVariant* parameters, GVariant*& results)
{
    g_dbus_connection_signal_unsubscribe(bus, response);
    response = 0;
    guint32 code = 2;
    g_variant_get(parameters, "(u@a{sv})", &code, &results);
    return code;
}

void GlobalKeyGrab::Impl::OnSessionCreated(GDBusConnection*, const gchar*, const gchar*,
                                           const gchar*, const gchar*, GVariant* parameters,
                                           gpointer self)
{
    auto* impl = static_cast<Impl*>(self);
    GVariant* results = nullptr;
    const guint32 code = impl->TakeResponse(parameters, results);
    const gchar* handle = nullptr;
    if (code == 0 && (g_variant_lookup(results, "session_handle", "&s", &handle) ||
                      g_variant_lookup(results, "session_handle", "&o", &handle)))
        impl->session = handle;
    g_variant_unref(results);
    if (impl->session.empty())
    {
        impl->PortalMissing();
        return;
    }
    impl->activated = g_dbus_connection_signal_subscribe(
        impl->bus, nullptr, ShortcutsInterface, "Activated", PortalPath, nullptr,
        G_DBUS_SIGNAL_FLAGS_NONE, &Impl::OnActivated, impl, nullptr);
    impl->BindPortalShortcuts();
}

void GlobalKeyGrab::Impl::BindPortalShortcuts()
{
    GVariantBuilder shortcuts;
    g_variant_builder_init(&shortcuts, G_VARIANT_TYPE("a(sa{sv})"));
    for (GlobalAction action : GlobalActions)
    {
        const GlobalKey& key = chosen[action];
        if (!key.IsSet())
            continue;
        GVariantBuilder properties;
        g_variant_builder_init(&properties, G_VARIANT_TYPE_VARDICT);
        wxString description = ActionName(action);
        description.Replace(":", "");
        g_variant_builder_add(&properties, "{sv}", "description",
                              g_variant_new_string(description.utf8_str().data()));
        g_variant_builder_add(&properties, "{sv}", "preferred_trigger",
                              g_variant_new_string(TriggerText(key).c_str()));
        g_variant_builder_add(&shortcuts, "(s@a{sv})", ActionIds[static_cast<int>(action)],
                              g_variant_builder_end(&properties));
    }
    GVariantBuilder options;
    g_variant_builder_init(&options, G_VARIANT_TYPE_VARDICT);
    const std::string request = RequestPathFor(options);
    response = g_dbus_connection_signal_subscribe(bus, nullptr, "org.freedesktop.portal.Request",
                                                  "Response", request.c_str(), nullptr,
                                                  G_DBUS_SIGNAL_FLAGS_NONE,
                                                  &Impl::OnShortcutsBound, this, nullptr);
    g_dbus_connection_call(bus, PortalName, PortalPath, ShortcutsInterface, "BindShortcuts",
                           g_variant_new("(o@a(sa{sv})sa{sv})", session.c_str(),
                                         g_variant_builder_end(&shortcuts), "", &options),
                           G_VARIANT_TYPE("(o)"), G_DBUS_CALL_FLAGS_NONE, -1, calls,
                           &Impl::OnCallDone, this);
}

void GlobalKeyGrab::Impl::OnShortcutsBound(GDBusConnection*, const gchar*, const gchar*,
                                           const gchar*, const gchar*, GVariant* parameters,
                                           gpointer self)
{
    auto* impl = static_cast<Impl*>(self);
    GVariant* results = nullptr;
    const guint32 code = impl->TakeResponse(parameters, results);
    std::vector<std::string> bound;
    GVariant* shortcuts = g_variant_lookup_value(results, "shortcuts", G_VARIANT_TYPE("a(sa{sv})"));
    if (shortcuts)
    {
        GVariantIter iter;
        g_variant_iter_init(&iter, shortcuts);
        const gchar* id = nullptr;
        GVariant* properties = nullptr;
        while (g_variant_iter_next(&iter, "(&s@a{sv})", &id, &properties))
        {
            bound.push_back(id);
            g_variant_unref(properties);
        }
        g_variant_unref(shortcuts);
    }
    g_variant_unref(results);
    // A key the desktop did not bind is one it keeps, or another program holds.
    for (GlobalAction action : GlobalActions)
    {
        const std::string id = ActionIds[static_cast<int>(action)];
        if (impl->chosen[action].IsSet() &&
            (code != 0 || std::find(bound.begin(), bound.end(), id) == bound.end()))
        {
            const wxString message = HeldElsewhereMessage(action, impl->chosen[action]);
            SayOnStderr(message);
            impl->report(message);
        }
    }
}

void GlobalKeyGrab::Impl::OnActivated(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                      const gchar*, GVariant* parameters, gpointer self)
{
    auto* impl = static_cast<Impl*>(self);
    const gchar* session = nullptr;
    const gchar* id = nullptr;
    guint64 stamp = 0;
    g_variant_get(parameters, "(&o&st@a{sv})", &session, &id, &stamp, nullptr);
    if (impl->session != session)
        return;
    for (GlobalAction action : GlobalActions)
        if (impl->chosen[action].IsSet() && std::string(id) == ActionIds[static_cast<int>(action)])
            impl->pressed(action);
}

void GlobalKeyGrab::Impl::ClosePortalSession()
{
    if (!bus)
        return;
    if (response)
        g_dbus_connection_signal_unsubscribe(bus, response);
    if (activated)
        g_dbus_connection_signal_unsubscribe(bus, activated);
    response = activated = 0;
    if (calls)
    {
        g_cancellable_cancel(calls);
        g_object_unref(calls);
        calls = nullptr;
    }
    if (!session.empty())
        g_dbus_connection_call_sync(bus, PortalName, session.c_str(),
                                    "org.freedesktop.portal.Session", "Close", nullptr, nullptr,
                                    G_DBUS_CALL_FLAGS_NONE, 1000, nullptr, nullptr);
    session.clear();
}
