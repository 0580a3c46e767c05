#pragma once

// Tests that change a process-wide setting hold one of these, so the setting comes back in the
// destructor even when an ASSERT ends the test early.

#include <wx/app.h>
#include <wx/config.h>
#include <wx/filefn.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

/// Changes the working directory, and goes back to the previous one.
class WorkingDirectoryGuard
{
public:
    explicit WorkingDirectoryGuard(const wxString& dir) : m_previous(wxGetCwd())
    {
        m_changed = wxSetWorkingDirectory(dir);
    }
    ~WorkingDirectoryGuard() { wxSetWorkingDirectory(m_previous); }
    WorkingDirectoryGuard(const WorkingDirectoryGuard&) = delete;
    WorkingDirectoryGuard& operator=(const WorkingDirectoryGuard&) = delete;
    /// False when the directory could not be entered.
    bool Changed() const { return m_changed; }

private:
    wxString m_previous;
    bool m_changed = false;
};

/// Puts back the assert handler that was there before.
class AssertHandlerGuard
{
public:
    AssertHandlerGuard() : m_previous(wxSetAssertHandler(nullptr)) { wxSetAssertHandler(m_previous); }
    ~AssertHandlerGuard() { wxSetAssertHandler(m_previous); }
    AssertHandlerGuard(const AssertHandlerGuard&) = delete;
    AssertHandlerGuard& operator=(const AssertHandlerGuard&) = delete;

private:
    wxAssertHandler_t m_previous;
};

/// Sets an environment variable, and restores or removes it.
class EnvironmentGuard
{
public:
    EnvironmentGuard(const wxString& name, const wxString& value)
        : m_name(name), m_had(wxGetEnv(name, &m_previous))
    {
        wxSetEnv(name, value);
    }
    ~EnvironmentGuard()
    {
        if (m_had)
            wxSetEnv(m_name, m_previous);
        else
            wxUnsetEnv(m_name);
    }
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

private:
    wxString m_name;
    wxString m_previous;
    bool m_had;
};

/// Puts `replacement` (or nothing) in place of the global settings store; at the end deletes
/// whatever store is global then and puts the previous one back.
class GlobalConfigGuard
{
public:
    explicit GlobalConfigGuard(wxConfigBase* replacement = nullptr)
        : m_previous(wxConfigBase::Set(replacement))
    {
    }
    ~GlobalConfigGuard() { delete wxConfigBase::Set(m_previous); }
    GlobalConfigGuard(const GlobalConfigGuard&) = delete;
    GlobalConfigGuard& operator=(const GlobalConfigGuard&) = delete;

private:
    wxConfigBase* m_previous;
};

/// Restores the application's and vendor's names and the standard paths' file layout.
class AppIdentityGuard
{
public:
    AppIdentityGuard()
        : m_appName(wxTheApp->GetAppName()), m_vendorName(wxTheApp->GetVendorName()),
          m_layout(wxStandardPaths::Get().GetFileLayout())
    {
    }
    ~AppIdentityGuard()
    {
        wxTheApp->SetAppName(m_appName);
        wxTheApp->SetVendorName(m_vendorName);
        wxStandardPaths::Get().SetFileLayout(m_layout);
    }
    AppIdentityGuard(const AppIdentityGuard&) = delete;
    AppIdentityGuard& operator=(const AppIdentityGuard&) = delete;

private:
    wxString m_appName;
    wxString m_vendorName;
    wxStandardPaths::FileLayout m_layout;
};

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>

/// Lets no file grow past `bytes` (as a full disk would), and puts the limit back.
class FileSizeLimitGuard
{
public:
    explicit FileSizeLimitGuard(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousSignal = std::signal(SIGXFSZ, SIG_IGN); // a write past it fails instead
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimitGuard()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousSignal);
    }
    FileSizeLimitGuard(const FileSizeLimitGuard&) = delete;
    FileSizeLimitGuard& operator=(const FileSizeLimitGuard&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousSignal)(int) = nullptr;
};
#endif
