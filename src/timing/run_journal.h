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
};

/// What a run file holds, read from its bytes.
struct RunFileContents
{
    KeptRun run;
    /// How many bytes from the start hold whole records; a record cut off by a crash in the
    /// middle of writing it lies past them.
    std::size_t wholeLength = 0;
    /// The file is no run file, or a record before the last one is not whole: nothing is read.
    bool damaged = false;
};

/// What happens to the run, as written down.
enum class RunEvent : char
{
    Start = 'S', ///< timing began or resumed at this total
    Split = 'L', ///< a Split row
    Stop = 'P',  ///< a Stop row
    Close = 'C', ///< the program closed while timing, at this total
};

/// The first line of every run file.
inline constexpr char RunFileHeader[] = "Lapmark run 1\n";
/// One record, a line of its own that says by a checksum whether it was written whole.
std::string RunFileRecord(RunEvent event, Milliseconds total);
/// Reads a run file's bytes.
RunFileContents ReadRunFile(const std::string& bytes);

/// Keeps the run of the window on disk as it is recorded, in a file of its own, so that neither
/// a close nor a crash nor a power cut loses it, and brings it back at the next start. Records are
/// written, and flushed to the disk, by a thread of its own in the order they came: recording one
/// never waits for the disk. One process at a time keeps a run in a file; another one's run stays
/// in memory.
class RunJournal
{
public:
    enum class Problem
    {
        None,
        Damaged,    ///< the file was no run file; kept aside, and a new one started
        InUse,      ///< another Lapmark keeps its run in the file; this run stays in memory
        Unwritable, ///< the file could not be opened or written; this run stays in memory
    };

    /// Opens the run file at `path` (creating it and its folder) and reads what it kept.
    explicit RunJournal(const wxString& path);
    /// Writes down every record still waiting, then lets the file go.
    ~RunJournal();
    RunJournal(const RunJournal&) = delete;
    RunJournal& operator=(const RunJournal&) = delete;

    /// The run the file kept from an earlier start; without rows there is nothing to bring back.
    const KeptRun& Kept() const { return m_kept; }
    /// What went wrong as the file was opened.
    Problem OpenProblem() const { return m_openProblem; }
    /// Where the damaged file was kept, or why the file could not be used.
    const wxString& OpenDetail() const { return m_openDetail; }

    /// Writes `event` down at `total`, after every record before it.
    void Record(RunEvent event, Milliseconds total);
    /// Starts a new, empty run.
    void Restart();
    /// Called once, on the writer thread, when a write fails, with the system's reason: from then
    /// on nothing more is written, and the file is emptied if it can be, so a part of this run is
    /// never brought back as if it were the whole. A failure before this call is reported here.
    void OnWriteFailure(std::function<void(const std::string& reason)> report);
    /// Waits until every record so far is on the disk (or writing has failed).
    void Flush();

private:
    void Enqueue(bool replace, std::string bytes);
    void WriteAll();

    DurableFile m_file;
    KeptRun m_kept;
    /// What the file is to hold before the next record, when it is not to be added to as it is:
    /// a new run's first line, or the whole records of a file whose last one was cut off.
    std::string m_startOver;
    Problem m_openProblem = Problem::None;
    wxString m_openDetail;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    /// What waits to be written, in order: bytes to add, or to replace the whole file with.
    std::deque<std::pair<bool, std::string>> m_queue;
    bool m_writing = false;
    bool m_ending = false;
    bool m_failed = false;
    std::string m_failure;
    std::function<void(const std::string&)> m_report;
    std::thread m_writer;
};
