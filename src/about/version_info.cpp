#include "about/version_info.h"

#include <wx/version.h>

namespace
{
#if defined(__WXGTK3__)
constexpr char PlatformPart[] = "-GTK3";
#elif defined(__WXGTK__)
constexpr char PlatformPart[] = "-GTK";
#elif defined(__WXMSW__)
constexpr char PlatformPart[] = "-Windows";
#else
constexpr char PlatformPart[] = "-Unix";
#endif
} // namespace

wxString VersionLine()
{
    const wxString format = wxString("Version ") + wxString::FromUTF8(VersionInfo::FullVersion) +
                            " " + " (Build %d." + wxString::FromUTF8(VersionInfo::Day) +
                            wxString::FromUTF8(VersionInfo::Month) +
                            wxString::FromUTF8(VersionInfo::Year) + ")";
    return wxString::Format(format, VersionInfo::BuildNumber);
}

wxString BuildInfo(BuildInfoFormat format)
{
    wxString info = wxVERSION_STRING;
    if (format == BuildInfoLong)
        info << PlatformPart << "-Unicode build";
    return info;
}
