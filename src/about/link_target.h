#pragma once

#include <wx/string.h>

#include <vector>

/// The MIME type whose open command opens this address: "text/html" for web and ftp addresses,
/// "message/rfc822" for mail, empty for anything else. The prefixes are case-sensitive.
wxString LinkMimeType(const wxString& url);

/// False for an empty address or one with white space or a control character, which no
/// well-formed link has and which could split into several arguments.
bool IsSafeLinkAddress(const wxString& url);

/// The address a link opens when its catalog gives `translated` for `written`: the translation
/// when it is a safe address of the same scheme (https:, mailto:), else the address as written, so
/// a damaged catalog cannot point a link anywhere else.
wxString CheckedLinkAddress(const wxString& translated, const wxString& written);

/// Stands for the address while the system's open command is split into arguments.
inline constexpr char LinkPlaceholder[] = "LAPMARK-LINK-ADDRESS";

/// Splits an open command (built with LinkPlaceholder as its file) into program arguments the
/// way the system's shell would (a Unix shell, or Windows' rules), but without running one;
/// removes every "file://" of the command; and
/// then puts the address, unchanged, where the placeholder stood, always inside a single argument.
std::vector<wxString> OpenArguments(const wxString& command, const wxString& url);
