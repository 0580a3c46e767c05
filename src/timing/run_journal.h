#pragma once

#include "timing/split_rows.h"
#include "timing/stopwatch.h"
#include "resources/durable_file.h"

#include <wx/string.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

/// What a run file brings back: its rows, and both totals at the last moment written down.
struct KeptRun
{
    std::vector<SplitRecord> rows;
    StopwatchReading at{Milliseconds{0}, Milliseconds{0}};
    /// Anything was recorded: a run that was started comes back, with rows or without.
    bool started = false;
    /// A write failed while the run went on: what is kept may end before the run did.
    bool endsEarly = false;
};

/// What a run file holds, read from its bytes.
struct RunFileContents
{
    KeptRun run;
    /// How many bytes from the start hold whole records; a record cut off by a crash in the
    /// middle of writing it lies past them.
    std::size_t wholeLength = 0;
    /// The file is no run file, or a record before the last one is not whole: the run holds the
    /// whole records before the damage, if any.
    bool damaged = false;
};

/// What happens to the run, as written down.
enum class RunEvent : char
{
    Start = 'S', ///< timing began or resumed at this total
    Split = 'L', ///< a Split row
    Stop = 'P',  ///< a Stop row
    Close = 'C', ///< the program closed while timing, at this total: it comes back as a Stop
};

/// The line a failed write leaves after the last whole record, when it can: the records after it
/// never reached the disk. Short, so it fits where a record was cut off.
inline constexpr char RunEndsEarlyMark[] = "E\n";

/// The first line of every run file.
inline constexpr char RunFileHeader[] = "Lapmark run 1\n";
/// One record, a line of its own that says by a checksum whether it was written whole.
std::string RunFileRecord(RunEvent event, Milliseconds total);
/// Reads a run file's bytes.
RunFileContents ReadRunFile(const std::string& bytes);

/// Keeps a run on disk as it is recorded, in a file of its own, and brings it back at the next
/// start: after a close, a crash or a power cut, every record whose write had finished comes back.
/// A record still being written when the power went may not; a write that fails leaves what was
/// written before it, marked as ending early where the disk lets it. Records are written, and
/// flushed to the disk, by a thread of its own in the order they came: recording one never waits
/// for the disk. One process at a time keeps a run in a file; another one's run stays in memory.
class RunJournal
{
public:
    enum class Problem
    {
        None,
        Damaged,    ///< the file was damaged; kept aside, and its whole records kept on
        InUse,      ///< another Lapmark keeps its run in the file; this run stays in memory
        Unwritable, ///< the file could not be opened to write; this run stays in memory, and what
                    ///< it could still read of it is brought back
    };

    /// Opens the run file at `path` (creating it and its folder) and reads what it kept.
    explicit RunJournal(const wxString& path);
    /// Writes down every record still waiting, then lets the file go. A write that failed, at any
    /// time, is said on the standard error.
    ~RunJournal();
    RunJournal(const RunJournal&) = delete;
    RunJournal& operator=(const RunJournal&) = delete;

    /// The run the file kept from an earlier start; nothing to bring back unless it was started.
    const KeptRun& Kept() const { return m_kept; }
    /// What went wrong as the file was opened.
    Problem OpenProblem() const { return m_openProblem; }
    /// Where the damaged file was kept, or why the file could not be used.
    const wxString& OpenDetail() const { return m_openDetail; }

    /// Writes `event` down at `total`, after every record before it.
    void Record(RunEvent event, Milliseconds total);
    /// Starts a new, empty run: the one way the file is emptied.
    void Restart();
    /// Called once when a write fails, with the system's reason, on the writer thread (or on the
    /// caller's, for a failure before this call): from then on nothing more is written, and what
    /// the file held stays. Null unhooks it; the destructor then tells the standard error.
    void OnWriteFailure(std::function<void(const std::string& reason)> report);
    /// Waits until every record so far is on the disk (or writing has failed).
    void Flush();

private:
    /// One step for the writer: cut the file back to `cutTo` bytes (unless none), then add `bytes`.
    struct Write
    {
        std::size_t cutTo;
        std::string bytes;
    };
    static constexpr std::size_t NoCut = static_cast<std::size_t>(-1);

    void Open(const wxString& path);
    /// True when the file at `path` is held; otherwise why not, as the open problem.
    bool Held(DurableFile::Opened opened, const wxString& path);
    void Enqueue(Write write);
    void WriteAll();
    /// After a failed write: the file back to its whole records, then the mark; false when the
    /// disk would not take it.
    bool MarkEndsEarly();

    DurableFile m_file;
    KeptRun m_kept;
    /// Where the file is to be cut back to before the next record, to drop a record cut off by a
    /// crash; NoCut when it is to be added to as it is.
    std::size_t m_cutBeforeNext = NoCut;
    /// What goes before the next record: a new run's first line, for a file without one.
    std::string m_headBeforeNext;
    Problem m_openProblem = Problem::None;
    wxString m_openDetail;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    /// What waits to be written, in order.
    std::deque<Write> m_queue;
    /// The file's length as the writer left it: whole records only.
    std::size_t m_length = 0;
    bool m_writing = false;
    bool m_ending = false;
    bool m_failed = false;
    bool m_reported = false;
    bool m_marked = false;
    std::string m_failure;
    std::function<void(const std::string&)> m_report;
    std::thread m_writer;
};
