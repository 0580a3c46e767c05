#include "timing/run_journal.h"

#include "resources/data_files.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <utility>

namespace
{
/// FNV-1a: enough to tell a whole record from one cut off or overwritten.
std::uint32_t Checksum(const char* text, std::size_t length)
{
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < length; ++i)
    {
        hash ^= static_cast<unsigned char>(text[i]);
        hash *= 16777619u;
    }
    return hash;
}

bool IsEvent(char letter)
{
    return std::strchr("SLPC", letter) != nullptr && letter != '\0';
}

/// Reads "E TOTAL CHECK" into `event` and `total`; false unless the line is a whole record.
bool ReadRecord(const std::string& line, RunEvent& event, Milliseconds& total)
{
    const std::size_t checkAt = line.rfind(' ');
    if (line.size() < 4 || !IsEvent(line[0]) || line[1] != ' ' || checkAt == std::string::npos ||
        checkAt <= 2 || checkAt > 2 + 18 || line.size() - checkAt - 1 != 8)
        return false;
    std::int64_t value = 0;
    for (std::size_t i = 2; i < checkAt; ++i)
    {
        if (line[i] < '0' || line[i] > '9')
            return false;
        value = value * 10 + (line[i] - '0');
    }
    char check[9] = {0};
    std::snprintf(check, sizeof check, "%08" PRIx32, Checksum(line.data(), checkAt));
    if (line.compare(checkAt + 1, 8, check) != 0)
        return false;
    event = static_cast<RunEvent>(line[0]);
    total = Milliseconds{value};
    return true;
}
} // namespace

std::string RunFileRecord(RunEvent event, Milliseconds total)
{
    char body[32];
    const int length = std::snprintf(body, sizeof body, "%c %" PRId64, static_cast<char>(event),
                                     static_cast<std::int64_t>(total.count()));
    char line[48];
    std::snprintf(line, sizeof line, "%s %08" PRIx32 "\n", body,
                  Checksum(body, static_cast<std::size_t>(length)));
    return line;
}

RunFileContents ReadRunFile(const std::string& bytes)
{
    RunFileContents contents;
    const std::string header = RunFileHeader;
    if (bytes.compare(0, header.size(), header) != 0)
    {
        // Cut off while its first line was written, the file is a new run's: empty.
        contents.damaged = header.compare(0, bytes.size(), bytes) != 0;
        return contents;
    }
    KeptRun& run = contents.run;
    Milliseconds lapStart{0};
    std::size_t at = header.size();
    contents.wholeLength = at;
    while (at < bytes.size())
    {
        const std::size_t end = bytes.find('\n', at);
        if (end == std::string::npos)
            break; // the last record, cut off
        RunEvent event{};
        Milliseconds total{0};
        if (!ReadRecord(bytes.substr(at, end - at), event, total) || total < run.at.total)
        {
            // Only the record written last can have been cut off; one before it means damage.
            if (end + 1 != bytes.size())
                return RunFileContents{{}, 0, true};
            break;
        }
        if (event == RunEvent::Split || event == RunEvent::Stop)
            run.rows.push_back({total, event == RunEvent::Split ? SplitAction::Split : SplitAction::Stop});
        // At a split's instant the next lap begins, from zero.
        if (event == RunEvent::Split)
            lapStart = total;
        run.at = {total, total - lapStart};
        at = end + 1;
        contents.wholeLength = at;
    }
    return contents;
}

RunJournal::RunJournal(const wxString& path)
{
    const std::filesystem::path file = FileSystemPath(path);
    switch (m_file.Open(file))
    {
    case DurableFile::Opened::InUse:
        m_openProblem = Problem::InUse;
        m_openDetail = path;
        return;
    case DurableFile::Opened::Failed:
        m_openProblem = Problem::Unwritable;
        m_openDetail = wxString(m_file.Reason());
        return;
    case DurableFile::Opened::Ok:
        break;
    }
    const std::string bytes = m_file.ReadAll();
    RunFileContents contents = ReadRunFile(bytes);
    if (contents.damaged || !m_file.Reason().empty())
    {
        // Kept aside as it is, never overwritten: the user may still want what it holds.
        m_file.Close();
        const wxString aside = DamagedCopyPath(path);
        std::error_code moved;
        std::filesystem::rename(file, FileSystemPath(aside), moved);
        if (moved || m_file.Open(file) != DurableFile::Opened::Ok)
        {
            m_file.Close();
            m_openProblem = Problem::Unwritable;
            m_openDetail = wxString(moved ? moved.message() : m_file.Reason());
            return;
        }
        m_openProblem = Problem::Damaged;
        m_openDetail = aside;
        m_startOver = RunFileHeader;
        return;
    }
    // Nothing is written until something is recorded: a start costs no write to the disk.
    if (!contents.run.rows.empty())
    {
        m_kept = std::move(contents.run);
        // A record cut off at the end goes, so the next one starts on a line of its own.
        if (contents.wholeLength != bytes.size())
            m_startOver = bytes.substr(0, contents.wholeLength);
    }
    else if (bytes != RunFileHeader)
        m_startOver = RunFileHeader;
}

RunJournal::~RunJournal()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_ending = true;
    }
    m_changed.notify_all();
    if (m_writer.joinable())
        m_writer.join();
}

void RunJournal::Record(RunEvent event, Milliseconds total)
{
    if (m_startOver.empty())
        Enqueue(false, RunFileRecord(event, total));
    else
        Enqueue(true, std::exchange(m_startOver, std::string()) + RunFileRecord(event, total));
}

void RunJournal::Restart()
{
    m_startOver.clear();
    Enqueue(true, RunFileHeader);
}

void RunJournal::Enqueue(bool replace, std::string bytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_failed || !m_file.IsOpen())
        return;
    m_queue.emplace_back(replace, std::move(bytes));
    if (!m_writer.joinable())
        m_writer = std::thread(&RunJournal::WriteAll, this);
    m_changed.notify_all();
}

void RunJournal::OnWriteFailure(std::function<void(const std::string&)> report)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_report = std::move(report);
    if (m_failed && m_report)
    {
        const auto now = m_report;
        const std::string reason = m_failure;
        lock.unlock();
        now(reason);
    }
}

void RunJournal::Flush()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_failed || (m_queue.empty() && !m_writing); });
}

void RunJournal::WriteAll()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;)
    {
        m_changed.wait(lock, [this] { return m_ending || !m_queue.empty(); });
        if (m_queue.empty())
            return;
        // Everything waiting goes in one write and one flush: the last replacement, if any, with
        // every addition after it.
        bool replace = false;
        std::string bytes;
        for (auto& [replaces, part] : m_queue)
        {
            if (replaces)
            {
                replace = true;
                bytes.clear();
            }
            bytes += part;
        }
        m_queue.clear();
        m_writing = true;
        lock.unlock();
        const bool written = replace ? m_file.Replace(bytes) : m_file.Append(bytes);
        const std::string reason = m_file.Reason();
        if (!written)
            m_file.Replace(std::string()); // what is there is no longer the whole run
        lock.lock();
        m_writing = false;
        if (written)
        {
            m_changed.notify_all();
            continue;
        }
        m_failed = true;
        m_failure = reason;
        m_queue.clear();
        const auto report = m_report;
        m_changed.notify_all();
        lock.unlock();
        if (report)
            report(reason);
        return;
    }
}
