#include "about/browser.h"

#include <wx/string.h>
#include <wx/utils.h>

namespace
{
std::function<void(const wxString&)> s_launcher;
} // namespace

void OpenInBrowser(const wxString& url)
{
    if (s_launcher)
        s_launcher(url);
    else
        wxLaunchDefaultBrowser(url, wxBROWSER_NEW_WINDOW);
}

void SetBrowserLauncher(std::function<void(const wxString& url)> launcher)
{
    s_launcher = std::move(launcher);
}
