#pragma once

#include <wx/intl.h>

// The vendor's addresses, each kept here only. The home page, the e-mail address, its
// "mailto:" form and the copyright line are catalog keys too, so a translation may replace them.

/// Opened by the Update command and the About box's picture button; never translated.
inline constexpr char DownloadPageUrl[] = "https://quillora.example/lapmark/download";
/// The home-page link of the About box.
inline constexpr char HomePageUrl[] = wxTRANSLATE("https://quillora.example/");
/// The e-mail link's label in the About box.
inline constexpr char SupportEmail[] = wxTRANSLATE("support@quillora.example");
/// The e-mail link's address in the About box.
inline constexpr char SupportMailto[] = wxTRANSLATE("mailto:support@quillora.example");
/// The copyright line of the About box.
inline constexpr char CopyrightLine[] = wxTRANSLATE("Copyright (C) 2011 Quillora");
