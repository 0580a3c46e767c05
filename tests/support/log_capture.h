#pragma once

#include <wx/log.h>

#include <vector>

/// Collects what is logged while it lives, instead of showing or printing it.
class LogCapture : public wxLog
{
public:
    struct Record
    {
        wxLogLevel level;
        wxString message;
    };

    LogCapture() { m_previous = wxLog::SetActiveTarget(this); }
    ~LogCapture() override { wxLog::SetActiveTarget(m_previous); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const std::vector<Record>& Records() const { return m_records; }

    /// How many records of this level or more severe there are.
    int CountAtLeast(wxLogLevel level) const
    {
        int count = 0;
        for (const Record& r : m_records)
            count += r.level <= level ? 1 : 0;
        return count;
    }

protected:
    void DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo&) override
    {
        m_records.push_back({level, msg});
    }

private:
    wxLog* m_previous = nullptr;
    std::vector<Record> m_records;
};
