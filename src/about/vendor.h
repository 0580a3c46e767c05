#pragma once

#include <wx/intl.h>

// The vendor's names and addresses, each kept here only. The home page, the e-mail address, its
// "mailto:" form and the copyright line are catalog keys too, so a translation may replace them.

/// Names the settings store (with the application name).
inline constexpr char VendorName[] = "Quillora";
/// The program's name for the settings store.
inline constexpr char ApplicationName[] = "Lapmark";

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
