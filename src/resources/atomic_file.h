#pragma once

#include <wx/string.h>

#include <string>

/// Writes `bytes` to the file `path` whole or not at all: into a temporary file in the same
/// folder, renamed over `path` once complete. Returns "" on success, otherwise why it failed
/// (the system's words), and then neither `path` nor a temporary file has changed or remains.
wxString WriteFileAtomically(const wxString& path, const std::string& bytes);
