#pragma once

#include <wx/string.h>

#include <vector>

/// How the program opens an address: the default browser for a page, the system's open
/// command for a link. The one seam where tests put in a recorder instead.
class LinkOpener
{
public:
    virtual ~LinkOpener() = default;
    /// Opens a web page in a new window of the default browser; the result is not examined.
    virtual void Browse(const wxString& url) = 0;
    /// The open command for a MIME type with `file` as its file, or "" when there is none.
    virtual wxString OpenCommand(const wxString& mimeType, const wxString& file) = 0;
    /// Starts a program with these arguments, without a shell, and does not wait for it.
    virtual void Run(const std::vector<wxString>& arguments) = 0;
};

/// The opener in use: the system's, unless SetLinkOpener put in another.
LinkOpener& CurrentLinkOpener();
/// Replaces the opener; null restores the system's.
void SetLinkOpener(LinkOpener* opener);

/// Opens a web page in a new window of the default browser.
inline void OpenInBrowser(const wxString& url)
{
    CurrentLinkOpener().Browse(url);
}
