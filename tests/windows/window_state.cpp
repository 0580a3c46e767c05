// Reads the state of another program's windows from the Windows side, for the whole-program test
// under Wine: what the X server cannot tell (a button's label, how many rows a list holds).
//   window_state TIMEOUT TITLE CONDITION...
// Waits up to TIMEOUT seconds for a top-level window titled TITLE (UTF-8, exactly) for which
// every CONDITION holds, then prints the texts of all the windows inside it, one a line:
//   has=TEXT     a window inside it has the text TEXT
//   rows=N       a list view inside it holds N rows
//   foreground   it is the foreground window
//   windows=N    N visible top-level windows have the title
//   heard=TEXT   a window inside it is what a screen reader hears as TEXT: the name the system's
//                accessibility interface gives it, then ": " and its value if it has one (these
//                are printed too, "heard: TEXT" a line)
// Status 0 when they held, 1 when the time ran out (the texts it had then are printed), 2 for bad
// usage.
//   window_state TIMEOUT hotkey=MODIFIERS:VK
// Takes the system's hot key VK (with MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4), as another program
// would, says "held" (status 3 if the system refused it) and keeps it for TIMEOUT seconds.
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace
{
std::string Narrow(const std::wstring& wide)
{
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length > 0 ? length - 1 : 0), '\0');
    if (length > 1)
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[1024] = {0};
    GetWindowTextW(window, text, 1024);
    return text;
}

struct Search
{
    std::wstring title;
    HWND found = nullptr;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    if (IsWindowVisible(window) && TextOf(window) == search->title)
    {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

/// What the window holds now.
struct Contents
{
    std::vector<std::wstring> texts;
    std::vector<std::wstring> heard;
    std::vector<long> listRows;
    bool foreground = false;
    long windows = 0;
};

BOOL CALLBACK CountTopLevel(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<std::pair<std::wstring, long>*>(parameter);
    if (IsWindowVisible(window) && TextOf(window) == search->first)
        ++search->second;
    return TRUE;
}

bool g_hearing = false;

std::wstring Take(BSTR text)
{
    std::wstring taken = text ? text : L"";
    SysFreeString(text);
    return taken;
}

/// What a screen reader hears of the window, through the object the window gives for its client
/// area: its name, and its value if it has one.
std::wstring Heard(HWND window)
{
    IAccessible* accessible = nullptr;
    if (AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible,
                                   reinterpret_cast<void**>(&accessible)) != S_OK ||
        !accessible)
        return L"";
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr, value = nullptr;
    std::wstring heard = accessible->get_accName(self, &name) == S_OK ? Take(name) : L"";
    if (accessible->get_accValue(self, &value) == S_OK)
    {
        const std::wstring shown = Take(value);
        if (!shown.empty())
            heard += L": " + shown;
    }
    accessible->Release();
    return heard;
}

BOOL CALLBACK Collect(HWND window, LPARAM parameter)
{
    auto* contents = reinterpret_cast<Contents*>(parameter);
    contents->texts.push_back(TextOf(window));
    wchar_t kind[64] = {0};
    GetClassNameW(window, kind, 64);
    if (std::wstring(kind) == WC_LISTVIEWW)
        contents->listRows.push_back(static_cast<long>(SendMessageW(window, LVM_GETITEMCOUNT, 0, 0)));
    if (g_hearing)
        contents->heard.push_back(Heard(window));
    return TRUE;
}

template <typename T>
bool Among(const std::vector<T>& found, const T& wanted)
{
    return std::find(found.begin(), found.end(), wanted) != found.end();
}

bool Holds(const Contents& contents, const std::wstring& condition)
{
    if (condition.rfind(L"has=", 0) == 0)
        return Among(contents.texts, condition.substr(4));
    if (condition.rfind(L"rows=", 0) == 0)
        return Among(contents.listRows, std::wcstol(condition.c_str() + 5, nullptr, 10));
    if (condition.rfind(L"heard=", 0) == 0)
        return Among(contents.heard, condition.substr(6));
    if (condition == L"foreground")
        return contents.foreground;
    if (condition.rfind(L"windows=", 0) == 0)
        return contents.windows == std::wcstol(condition.c_str() + 8, nullptr, 10);
    std::fprintf(stderr, "window_state: unknown condition \"%s\"\n", Narrow(condition).c_str());
    std::exit(2);
}
} // namespace

int main()
{
    _setmode(_fileno(stdout), _O_BINARY); // lines end in \n, as the shell reading them expects
    // The arguments as the system has them, in UTF-16: the narrow ones hold only the code page.
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 3)
    {
        std::fprintf(stderr, "usage: window_state TIMEOUT TITLE CONDITION...\n");
        return 2;
    }
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::seconds(std::wcstol(argv[1], nullptr, 10));
    if (std::wstring(argv[2]).rfind(L"hotkey=", 0) == 0)
    {
        wchar_t* vk = nullptr;
        const long modifiers = std::wcstol(argv[2] + 7, &vk, 10);
        if (!RegisterHotKey(nullptr, 1, static_cast<UINT>(modifiers),
                            static_cast<UINT>(std::wcstol(vk + 1, nullptr, 16))))
            return 3;
        std::printf("held\n");
        std::fflush(stdout);
        std::this_thread::sleep_until(deadline);
        return 0;
    }
    for (int i = 3; i < argc; ++i)
        g_hearing = g_hearing || std::wstring(argv[i]).rfind(L"heard=", 0) == 0;
    if (g_hearing)
        CoInitialize(nullptr);
    Search search{argv[2]};
    Contents contents;
    for (;;)
    {
        search.found = nullptr;
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
        contents = Contents{};
        bool all = search.found != nullptr;
        if (all)
        {
            EnumChildWindows(search.found, Collect, reinterpret_cast<LPARAM>(&contents));
            contents.foreground = GetForegroundWindow() == search.found;
            std::pair<std::wstring, long> count{search.title, 0};
            EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
            contents.windows = count.second;
            for (int i = 3; i < argc && all; ++i)
                all = Holds(contents, argv[i]);
        }
        if (all || std::chrono::steady_clock::now() >= deadline)
        {
            for (const std::wstring& text : contents.texts)
                if (!text.empty())
                    std::printf("%s\n", Narrow(text).c_str());
            for (const std::wstring& heard : contents.heard)
                if (!heard.empty())
                    std::printf("heard: %s\n", Narrow(heard).c_str());
            if (!all)
                std::fprintf(stderr, "window_state: \"%s\" did not come to that state\n",
                             Narrow(argv[2]).c_str());
            return all ? 0 : 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}
