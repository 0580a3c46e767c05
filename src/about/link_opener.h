#pragma once

#include <functional>

class wxString;

/// Opens a web page in a new window of the default browser; the result is not examined.
void OpenInBrowser(const wxString& url);

/// Replaces how pages are opened (tests record the address instead); an empty function restores
/// the default browser.
void SetBrowserLauncher(std::function<void(const wxString& url)> launcher);
