#pragma once

#include "timing/run_journal.h"
#include "timing/split_rows.h"
#include "timing/stopwatch.h"

#include <memory>
#include <optional>
#include <vector>

/// The record of one run: its rows as shown, each with its total and lap, and the journal that
/// writes it down. The window stamps first and hands each event here; the journal takes it to
/// the disk on a thread of its own. Without a journal the run is kept in memory only.
class RunRecord
{
public:
    RunRecord() = default;
    /// Unhooks the journal's failure report (a failure from now on is said on the standard error
    /// only), then ends the journal, which writes what waits.
    ~RunRecord();
    RunRecord(const RunRecord&) = delete;
    RunRecord& operator=(const RunRecord&) = delete;
    /// Writes the run down in `journal` from now on and ends the journal with the record. The
    /// run it kept, if one was started, becomes this record's: its rows are taken and where it
    /// stopped is returned, for the stopwatch to resume from.
    std::optional<StopwatchReading> KeepIn(std::unique_ptr<RunJournal> journal);

    /// The rows, first to last.
    const std::vector<SplitRecord>& Rows() const { return m_rows; }
    /// Where the run is written down; null when it is kept in memory only.
    RunJournal* Journal() const { return m_journal.get(); }

    /// Timing began, or resumed, at `total`.
    void Start(Milliseconds total);
    /// Adds the row of a Split or a Stop at `total`, its lap as the list shows it.
    const SplitRecord& Add(SplitAction action, Milliseconds total);
    /// A confirmed reset: no rows, and the file holds a new, empty run.
    void Reset();
    /// The program closes while timing at `total`: the run comes back stopped there, as if it had
    /// been stopped.
    void Close(Milliseconds total);

private:
    std::vector<SplitRecord> m_rows;
    std::unique_ptr<RunJournal> m_journal;
};
