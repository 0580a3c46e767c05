#pragma once

#include <wx/string.h>

/// The build's version record, compiled in; the About box is its only reader.
struct VersionInfo
{
    static constexpr const char* FullVersion = "1.1.119.671";
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

/// "Version 1.1.119.671  (Build 374.08052011)": two blanks, the date as bare digits.
wxString VersionLine();

/// The toolkit's version text; the long form adds the platform and "-Unicode build".
wxString BuildInfo(BuildInfoFormat format);
