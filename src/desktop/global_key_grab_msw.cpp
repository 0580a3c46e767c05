#include "desktop/global_key_grab.h"

#include <wx/defs.h>
#include <wx/event.h>
#include <wx/timer.h>
#include <wx/window.h>

#include <windows.h>

#include <cstdio>

namespace
{
/// The virtual key of the toolkit's key code; 0 for a key Windows has none for.
int VirtualKeyOf(int keyCode)
{
    if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9'))
        return keyCode;
    if (keyCode >= WXK_F1 && keyCode <= WXK_F24)
        return VK_F1 + (keyCode - WXK_F1);
    if (keyCode >= WXK_NUMPAD0 && keyCode <= WXK_NUMPAD9)
        return VK_NUMPAD0 + (keyCode - WXK_NUMPAD0);
    struct Pair
    {
        int wx;
        int vk;
    };
    static const Pair pairs[] = {
        {WXK_SPACE, VK_SPACE},       {WXK_RETURN, VK_RETURN},       {WXK_TAB, VK_TAB},
        {WXK_BACK, VK_BACK},         {WXK_ESCAPE, VK_ESCAPE},       {WXK_DELETE, VK_DELETE},
        {WXK_INSERT, VK_INSERT},     {WXK_HOME, VK_HOME},           {WXK_END, VK_END},
        {WXK_PAGEUP, VK_PRIOR},      {WXK_PAGEDOWN, VK_NEXT},       {WXK_LEFT, VK_LEFT},
        {WXK_RIGHT, VK_RIGHT},       {WXK_UP, VK_UP},               {WXK_DOWN, VK_DOWN},
        {WXK_PAUSE, VK_PAUSE},       {WXK_SNAPSHOT, VK_SNAPSHOT},   {WXK_PRINT, VK_PRINT},
        {WXK_NUMPAD_ADD, VK_ADD},    {WXK_NUMPAD_SUBTRACT, VK_SUBTRACT},
        {WXK_NUMPAD_MULTIPLY, VK_MULTIPLY}, {WXK_NUMPAD_DIVIDE, VK_DIVIDE},
        {WXK_NUMPAD_DECIMAL, VK_DECIMAL},   {'-', VK_OEM_MINUS}, {'=', VK_OEM_PLUS},
        {',', VK_OEM_COMMA},         {'.', VK_OEM_PERIOD},
    };
    for (const Pair& pair : pairs)
        if (pair.wx == keyCode)
            return pair.vk;
    return 0;
}

int HotKeyModifiers(const GlobalKey& key)
{
    int modifiers = 0;
    if (key.modifiers & wxACCEL_CTRL)
        modifiers |= wxMOD_CONTROL;
    if (key.modifiers & wxACCEL_ALT)
        modifiers |= wxMOD_ALT;
    if (key.modifiers & wxACCEL_SHIFT)
        modifiers |= wxMOD_SHIFT;
    return modifiers;
}

/// Hot key ids of an application lie below 0xC000.
constexpr int FirstHotKeyId = 0x4C00;
} // namespace

struct GlobalKeyGrab::Impl
{
    Impl(wxWindow& window, Pressed pressed, Report report)
        : window(window), pressed(std::move(pressed)), report(std::move(report))
    {
        // Windows repeats a hot key while it is held: it acts again once its key was seen up.
        window.Bind(wxEVT_HOTKEY, &Impl::OnHotKey, this);
        releases.Bind(wxEVT_TIMER, &Impl::OnReleaseCheck, this);
    }
    ~Impl() { window.Unbind(wxEVT_HOTKEY, &Impl::OnHotKey, this); }

    void OnHotKey(wxKeyEvent& event)
    {
        const int index = event.GetId() - FirstHotKeyId;
        if (index < 0 || index >= static_cast<int>(GlobalActions.size()) || !taken[index])
        {
            event.Skip();
            return;
        }
        if (down[index])
            return;
        down[index] = true;
        releases.Start(20);
        pressed(GlobalActions[index]);
    }

    void OnReleaseCheck(wxTimerEvent&)
    {
        bool anyDown = false;
        for (std::size_t i = 0; i < GlobalActions.size(); ++i)
        {
            if (down[i] && !(::GetAsyncKeyState(virtualKeys[i]) & 0x8000))
                down[i] = false;
            anyDown |= down[i];
        }
        if (!anyDown)
            releases.Stop();
    }

    wxWindow& window;
    Pressed pressed;
    Report report;
    wxTimer releases;
    bool taken[GlobalActions.size()] = {};
    bool down[GlobalActions.size()] = {};
    int virtualKeys[GlobalActions.size()] = {};
};

GlobalKeyGrab::GlobalKeyGrab(wxWindow& window, Pressed pressed, Report report)
    : m_impl(std::make_unique<Impl>(window, std::move(pressed), std::move(report)))
{
}

GlobalKeyGrab::~GlobalKeyGrab()
{
    GiveBack();
}

void GlobalKeyGrab::Take(const GlobalKeys& keys)
{
    GiveBack();
    for (std::size_t i = 0; i < GlobalActions.size(); ++i)
    {
        const GlobalKey& key = keys[GlobalActions[i]];
        if (!key.IsSet())
            continue;
        const int virtualKey = VirtualKeyOf(key.keyCode);
        // Refused when another program registered it first, or the system keeps it.
        if (virtualKey &&
            m_impl->window.RegisterHotKey(FirstHotKeyId + static_cast<int>(i),
                                          HotKeyModifiers(key), virtualKey))
        {
            m_impl->taken[i] = true;
            m_impl->virtualKeys[i] = virtualKey;
            continue;
        }
        const wxString message = HeldElsewhereMessage(GlobalActions[i], key);
        std::fprintf(stderr, "lapmark: %s\n", message.utf8_str().data());
        m_impl->report(message);
    }
}

void GlobalKeyGrab::GiveBack()
{
    for (std::size_t i = 0; i < GlobalActions.size(); ++i)
        if (m_impl->taken[i])
        {
            m_impl->window.UnregisterHotKey(FirstHotKeyId + static_cast<int>(i));
            m_impl->taken[i] = false;
            m_impl->down[i] = false;
        }
}

wxString GlobalKeyGrab::Note()
{
    return wxString();
}
