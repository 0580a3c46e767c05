#pragma once

/// Names the settings store (with the application name), and on Windows the run file's folder
/// in the local application data.
inline constexpr char VendorName[] = "Quillora";
/// The program's name for the settings store and the run file's folder.
inline constexpr char ApplicationName[] = "Lapmark";
/// The program's desktop identity: its desktop entry's name, and so its Wayland app_id, which the
/// desktop matches to the entry's icon and name.
inline constexpr char DesktopId[] = "example.quillora.Lapmark";
