#pragma once

/// Names the settings store (with the application name).
inline constexpr char VendorName[] = "Quillora";
/// The program's name for the settings store.
inline constexpr char ApplicationName[] = "Lapmark";
