#include "about/link_target.h"

#include <wx/cmdline.h>

wxString LinkMimeType(const wxString& url)
{
    if (url.StartsWith("http://") || url.StartsWith("https://") || url.StartsWith("ftp://"))
        return "text/html";
    if (url.StartsWith("mailto:"))
        return "message/rfc822";
    return wxString();
}

bool IsSafeLinkAddress(const wxString& url)
{
    if (url.empty())
        return false;
    for (const wxUniChar ch : url)
    {
        const wxUint32 code = ch.GetValue();
        // C0 and C1 controls, DEL, and every kind of blank or line break.
        if (code < 0x21 || (code >= 0x7f && code <= 0xa0) || code == 0x1680 ||
            (code >= 0x2000 && code <= 0x200b) || code == 0x2028 || code == 0x2029 ||
            code == 0x202f || code == 0x205f || code == 0x3000 || code == 0xfeff)
            return false;
    }
    return true;
}

std::vector<wxString> OpenArguments(const wxString& command, const wxString& url)
{
    std::vector<wxString> arguments;
#ifdef __WXMSW__
    const wxCmdLineSplitType split = wxCMD_LINE_SPLIT_DOS; // "C:\Program Files\..." "%1"
#else
    const wxCmdLineSplitType split = wxCMD_LINE_SPLIT_UNIX;
#endif
    for (wxString argument : wxCmdLineParser::ConvertStringToArgs(command, split))
    {
        // The command's own "file://" goes first, so an address that holds one keeps it.
        argument.Replace("file://", "");
        argument.Replace(LinkPlaceholder, url);
        arguments.push_back(argument);
    }
    return arguments;
}

wxString CheckedLinkAddress(const wxString& translated, const wxString& written)
{
    const wxString scheme = written.BeforeFirst(':') + ":";
    return IsSafeLinkAddress(translated) && translated.StartsWith(scheme) && translated.length() > scheme.length()
               ? translated
               : written;
}
