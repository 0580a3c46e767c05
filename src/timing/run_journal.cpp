#include "timing/run_journal.h"

#include "resources/data_files.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
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

/// The whole of the file at `path`, read without holding it; false when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
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
        const std::string line = bytes.substr(at, end - at);
        RunEvent event{};
        Milliseconds total{0};
        if (line + '\n' == RunEndsEarlyMark)
            run.endsEarly = true;
        else if (!ReadRecord(line, event, total) || total < run.at.total)
        {
            // Only the record written last can have been cut off; one before it means damage,
            // and the run ends with the whole records before it.
            contents.damaged = end + 1 != bytes.size();
            break;
        }
        else
        {
            run.started = true;
            // A close while timing comes back as the Stop it was.
            if (event != RunEvent::Start)
            {
                const SplitAction action = event == RunEvent::Split ? SplitAction::Split : SplitAction::Stop;
                run.rows.push_back(RowAt(run.rows, action, total));
            }
            // At a split's instant the next lap begins, from zero.
            if (event == RunEvent::Split)
                lapStart = total;
            run.at = {total, total - lapStart};
        }
        at = end + 1;
        contents.wholeLength = at;
    }
    return contents;
}

RunJournal::RunJournal(const wxString& path)
{
    Open(path);
}

bool RunJournal::Held(DurableFile::Opened opened, const wxString& path)
{
    switch (opened)
    {
    case DurableFile::Opened::Ok:
        return true;
    case DurableFile::Opened::InUse:
        m_openProblem = Problem::InUse;
        m_openDetail = path;
        return false;
    case DurableFile::Opened::Failed:
        break;
    }
    m_openProblem = Problem::Unwritable;
    m_openDetail = wxString(m_file.Reason());
    return false;
}

void RunJournal::Open(const wxString& path)
{
    const std::filesystem::path file = FileSystemPath(path);
    if (!Held(m_file.Open(file), path))
    {
        // What can still be read is shown, so it can at least be saved.
        std::string bytes;
        if (m_openProblem == Problem::Unwritable && ReadWholeFile(file, bytes))
            m_kept = ReadRunFile(bytes).run;
        return;
    }
    const std::string bytes = m_file.ReadAll();
    const bool unreadable = !m_file.Reason().empty();
    RunFileContents contents = ReadRunFile(bytes);
    m_kept = std::move(contents.run);
    m_length = contents.wholeLength;
    if (contents.damaged || unreadable)
    {
        // Kept aside as it is, never overwritten: the user may still want what it holds. Moved
        // while still held, so no other Lapmark takes it meanwhile.
        const wxString aside = DamagedCopyPath(path);
        if (!m_file.MoveTo(FileSystemPath(aside)))
        {
            m_file.Close();
            m_openProblem = Problem::Unwritable;
            m_openDetail = wxString(m_file.Reason());
            return;
        }
        if (!Held(m_file.Open(file), path))
            return;
        m_openProblem = Problem::Damaged;
        m_openDetail = aside;
        // The whole records before the damage go on in the new file at once: it is the run now.
        m_length = 0;
        Enqueue({NoCut, contents.wholeLength > 0 ? bytes.substr(0, contents.wholeLength)
                                                 : std::string(RunFileHeader)});
        return;
    }
    // Nothing is written until something is recorded: a start costs no write to the disk. A
    // record cut off at the end is cut away with the next one, so that starts on a line of its
    // own; a file without its first line gets it then.
    if (m_length != bytes.size())
        m_cutBeforeNext = m_length;
    if (m_length == 0)
        m_headBeforeNext = RunFileHeader;
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
    if (!m_failed)
        return;
    // The writer has ended: the file is this thread's now.
    if (!m_marked)
        m_marked = MarkEndsEarly();
    // Said at the end whether or not a window said it: a failure at the close has no window.
    std::fprintf(stderr, "Lapmark: the run could not be written down (%s); %s\n", m_failure.c_str(),
                     m_marked ? "what was written is kept, marked as ending early"
                              : "what was written is kept, but may end before the run did");
}

void RunJournal::Record(RunEvent event, Milliseconds total)
{
    Enqueue({std::exchange(m_cutBeforeNext, NoCut),
             std::exchange(m_headBeforeNext, std::string()) + RunFileRecord(event, total)});
}

void RunJournal::Restart()
{
    m_cutBeforeNext = NoCut;
    m_headBeforeNext.clear();
    Enqueue({0, RunFileHeader});
}

void RunJournal::Enqueue(Write write)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_failed || !m_file.IsOpen())
        return;
    m_queue.push_back(std::move(write));
    if (!m_writer.joinable())
        m_writer = std::thread(&RunJournal::WriteAll, this);
    m_changed.notify_all();
}

void RunJournal::OnWriteFailure(std::function<void(const std::string&)> report)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_report = std::move(report);
    if (m_failed && m_report && !m_reported)
    {
        m_reported = true;
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

bool RunJournal::MarkEndsEarly()
{
    return m_length > 0 && m_file.CutTo(m_length) && m_file.Append(RunEndsEarlyMark);
}

void RunJournal::WriteAll()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;)
    {
        m_changed.wait(lock, [this] { return m_ending || !m_queue.empty(); });
        if (m_queue.empty())
            return;
        // Everything waiting goes in one write and one flush: the last cut, if any, with every
        // addition after it.
        std::size_t cutTo = NoCut;
        std::string bytes;
        for (Write& write : m_queue)
        {
            if (write.cutTo != NoCut)
            {
                cutTo = write.cutTo;
                bytes.clear();
            }
            bytes += write.bytes;
        }
        m_queue.clear();
        m_writing = true;
        lock.unlock();
        bool written = true;
        if (cutTo != NoCut)
        {
            written = m_file.CutTo(cutTo);
            if (written)
                m_length = std::min(m_length, cutTo);
        }
        written = written && m_file.Append(bytes);
        if (written)
            m_length += bytes.size();
        const std::string reason = m_file.Reason();
        // What is on the disk stays: every record before this write is whole there.
        const bool marked = !written && MarkEndsEarly();
        lock.lock();
        m_writing = false;
        if (written)
        {
            m_changed.notify_all();
            continue;
        }
        m_failed = true;
        m_marked = marked;
        m_failure = reason;
        m_queue.clear();
        const auto report = m_report;
        m_reported = static_cast<bool>(report);
        m_changed.notify_all();
        lock.unlock();
        if (report)
            report(reason);
        return;
    }
}
