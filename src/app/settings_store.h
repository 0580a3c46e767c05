#pragma once

#include <wx/fileconf.h>

#include <memory>

/// The per-user settings file. A file that exists but cannot be read whole is never rewritten
/// behind the user's back: nothing is written to it at exit, and before the first deliberate
/// save a copy of it is kept beside it.
class SettingsStore : public wxFileConfig
{
public:
    /// Opens (without creating) the settings file at `path`, named by application and vendor,
    /// and tells the user once if the file could not be read completely.
    static std::unique_ptr<SettingsStore> Open(const wxString& appName, const wxString& vendorName,
                                               const wxString& path);

    /// Where the settings of `appName` live: <user config dir>/<appName>/<appName>.conf.
    static wxString DefaultPath(const wxString& appName);

    /// Saves what changed, unless the file is damaged or could not be written before.
    ~SettingsStore() override;

    /// Writes the settings atomically (a temporary file renamed over the old one); over a
    /// damaged file it first keeps a copy. False when nothing could be written.
    bool Flush(bool currentOnly = false) override;

    /// True while the file on disk could not be read whole and has not been copied aside yet.
    bool IsDamaged() const { return m_damaged; }
    /// The file this store reads and writes.
    const wxString& GetPath() const { return m_path; }

private:
    SettingsStore(const wxString& appName, const wxString& vendorName, const wxString& path);

    wxString m_path;
    bool m_damaged = false;
    bool m_saveAtExit = true;
};
