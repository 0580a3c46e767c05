#include "app/settings_store.h"

#include "resources/data_files.h"

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/stdpaths.h>

namespace
{
/// Counts what the file parser complains about, without showing it.
class ProblemCounter : public wxLog
{
public:
    int problems = 0;

protected:
    void DoLogRecord(wxLogLevel level, const wxString&, const wxLogRecordInfo&) override
    {
        if (level <= wxLOG_Warning)
            ++problems;
    }
};
} // namespace

SettingsStore::SettingsStore(const wxString& appName, const wxString& vendorName,
                             const wxString& path)
    : wxFileConfig(appName, vendorName, path, wxString(), wxCONFIG_USE_LOCAL_FILE), m_path(path)
{
    // The base class would save at exit without our checks; this class saves in its own
    // destructor instead.
    DisableAutoSave();
}

SettingsStore::~SettingsStore()
{
    if (!m_saveAtExit)
        return;
    // At exit there is no window left to show a failure in; the standard error gets it.
    wxLogStderr toStderr;
    wxLog* previous = wxLog::SetActiveTarget(&toStderr);
    Flush();
    wxLog::SetActiveTarget(previous);
}

std::unique_ptr<SettingsStore> SettingsStore::Open(const wxString& appName,
                                                   const wxString& vendorName,
                                                   const wxString& path)
{
    ProblemCounter counter;
    wxLog* previous = wxLog::SetActiveTarget(&counter);
    std::unique_ptr<SettingsStore> store(new SettingsStore(appName, vendorName, path));
    wxLog::SetActiveTarget(previous);

    // Something that is there but is no plain file (a directory, say) is not ours to replace.
    const bool notAFile = wxFileName::Exists(path) && !wxFileName::FileExists(path);
    if (counter.problems > 0 || notAFile)
    {
        store->m_damaged = true;
        store->m_saveAtExit = false;
        wxLogWarning("The settings file \"%s\" could not be read completely. It is left as it "
                     "is; the settings that could be read are used.",
                     path);
    }
    return store;
}

wxString SettingsStore::DefaultPath(const wxString& appName)
{
    wxFileName file(wxStandardPaths::Get().GetUserConfigDir(), appName + ".conf");
    file.AppendDir(appName);
    return file.GetFullPath();
}

bool SettingsStore::Flush(bool currentOnly)
{
    if (m_damaged)
    {
        const wxString backup = DamagedCopyPath(m_path);
        if (!wxFileName::FileExists(m_path) || !wxCopyFile(m_path, backup, false))
        {
            wxLogError("Settings were not saved: \"%s\" could not be read and is kept as it is.",
                       m_path);
            return false;
        }
        wxLogMessage("The unreadable settings file was kept as \"%s\".", backup);
        m_damaged = false;
        m_saveAtExit = true;
    }
    // The parent directory may not exist yet on the very first start.
    const wxFileName file(m_path);
    if (!file.DirExists() && !wxFileName::Mkdir(file.GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL))
    {
        wxLogError("Settings were not saved: the folder \"%s\" could not be created.",
                   file.GetPath());
        m_saveAtExit = false;
        return false;
    }
    if (!wxFileConfig::Flush(currentOnly))
    {
        // The toolkit has said why; trying again at exit would only say it twice.
        m_saveAtExit = false;
        return false;
    }
    return true;
}
