#pragma once

#include "about/version_number.h"

#include <wx/string.h>

/// The build's version record, compiled in; read by the About box and by --version.
struct VersionInfo
{
    static constexpr const char* FullVersion = LAPMARK_VERSION;
    static constexpr int BuildNumber = 374;
    static constexpr const char* Day = "08";
    static constexpr const char* Month = "05";
    static constexpr const char* Year = "2011";
};

/// How much toolkit build information to give.
enum BuildInfoFormat
{
    BuildInfoShort = 0,
    BuildInfoLong = 1,
};

/// "Version <version>  (Build 374.08052011)": two blanks, the date as bare digits.
wxString VersionLine();

/// The toolkit's version text; the long form adds the platform and "-Unicode build".
wxString BuildInfo(BuildInfoFormat format);
