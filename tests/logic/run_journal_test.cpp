#include "timing/run_journal.h"
#include "timing/run_record.h"
#include "guards.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>

namespace
{
using ms = Milliseconds;

/// A run as a file holds it: the header, then one record per event.
std::string RunBytes(const std::vector<std::pair<RunEvent, std::int64_t>>& events)
{
    std::string bytes = RunFileHeader;
    for (const auto& [event, total] : events)
        bytes += RunFileRecord(event, ms{total});
    return bytes;
}

/// Rows as "Split 1200" words, to compare in one line.
std::vector<std::string> Rows(const KeptRun& run)
{
    std::vector<std::string> rows;
    for (const SplitRecord& row : run.rows)
        rows.push_back((row.action == SplitAction::Split ? "Split " : "Stop ") +
                       std::to_string(row.total.count()));
    return rows;
}

const std::vector<std::pair<RunEvent, std::int64_t>> ThreeSplits = {
    {RunEvent::Start, 0}, {RunEvent::Split, 1200}, {RunEvent::Split, 2500}, {RunEvent::Split, 3000}};
} // namespace

TEST(RunFile, RecordsReadBack)
{
    struct Case
    {
        std::vector<std::pair<RunEvent, std::int64_t>> events;
        std::vector<std::string> rows;
        std::int64_t total, lap;
        bool started;
        std::string after = ""; // bytes after the records
        bool endsEarly = false;
    };
    const Case cases[] = {
        {{}, {}, 0, 0, false},
        // At a split's instant a new lap begins.
        {ThreeSplits, {"Split 1200", "Split 2500", "Split 3000"}, 3000, 0, true},
        // Stopped, resumed and closed while timing: the close comes back as a Stop, the lap runs
        // on from the last split.
        {{{RunEvent::Start, 0}, {RunEvent::Split, 1200}, {RunEvent::Stop, 2000},
          {RunEvent::Start, 2000}, {RunEvent::Close, 4000}},
         {"Split 1200", "Stop 2000", "Stop 4000"}, 4000, 2800, true},
        // Closed while timing before the first split: a run all the same.
        {{{RunEvent::Start, 0}, {RunEvent::Close, 600000}}, {"Stop 600000"}, 600000, 600000, true},
        {{{RunEvent::Start, 0}}, {}, 0, 0, true},
        {{{RunEvent::Start, 0}, {RunEvent::Stop, 36000000000}}, {"Stop 36000000000"}, 36000000000, 36000000000, true},
        // A write failed after the split; a mark cut off is no mark.
        {{{RunEvent::Start, 0}, {RunEvent::Split, 1200}}, {"Split 1200"}, 1200, 0, true, "E\n", true},
        {{{RunEvent::Start, 0}, {RunEvent::Split, 1200}}, {"Split 1200"}, 1200, 0, true, "E", false},
    };
    for (const Case& c : cases)
    {
        const RunFileContents read = ReadRunFile(RunBytes(c.events) + c.after);
        EXPECT_FALSE(read.damaged);
        EXPECT_EQ(Rows(read.run), c.rows);
        EXPECT_EQ(read.run.at.total, ms{c.total});
        EXPECT_EQ(read.run.at.lap, ms{c.lap});
        EXPECT_EQ(read.run.started, c.started);
        EXPECT_EQ(read.run.endsEarly, c.endsEarly);
    }
}

TEST(RunFile, ARecordCutAnywhereLosesNothingBeforeIt)
{
    const std::string whole = RunBytes(ThreeSplits);
    for (std::size_t length = 0; length <= whole.size(); ++length)
    {
        // The records written whole within the cut: the first `whole` of them.
        std::size_t records = 0;
        while (records < ThreeSplits.size() &&
               RunBytes({ThreeSplits.begin(), ThreeSplits.begin() + records + 1}).size() <= length)
            ++records;
        const std::string kept =
            length < std::string(RunFileHeader).size() ? "" : RunBytes({ThreeSplits.begin(), ThreeSplits.begin() + records});
        const RunFileContents read = ReadRunFile(whole.substr(0, length));
        ASSERT_FALSE(read.damaged) << length;
        EXPECT_EQ(read.wholeLength, kept.size()) << length;
        EXPECT_EQ(read.run.rows.size(), records == 0 ? 0 : records - 1) << length;
    }
}

TEST(RunFile, DamageKeepsTheWholeRecordsBeforeIt)
{
    std::string flipped = RunBytes(ThreeSplits);
    flipped[flipped.find("L 2500") + 2] = '3'; // a record before the last no longer checks out
    const std::string backwards =
        RunBytes({{RunEvent::Start, 0}, {RunEvent::Split, 2000}, {RunEvent::Split, 1000}, {RunEvent::Stop, 3000}});
    const struct
    {
        std::string bytes;
        std::vector<std::string> rows;
        std::size_t wholeLength;
    } cases[] = {
        {"hello\n", {}, 0},
        {"Lapmark run 2\n", {}, 0},
        {flipped, {"Split 1200"}, RunBytes({ThreeSplits.begin(), ThreeSplits.begin() + 2}).size()},
        {backwards, {"Split 2000"}, RunBytes({{RunEvent::Start, 0}, {RunEvent::Split, 2000}}).size()},
    };
    for (const auto& c : cases)
    {
        const RunFileContents read = ReadRunFile(c.bytes);
        EXPECT_TRUE(read.damaged) << c.bytes;
        EXPECT_EQ(Rows(read.run), c.rows) << c.bytes;
        EXPECT_EQ(read.wholeLength, c.wholeLength) << c.bytes;
    }
}

namespace
{
/// A journal's file in a fresh folder, and what opening it again brings back.
struct JournalFolder
{
    TempDir dir;
    std::string path = dir.File("state/Lapmark/run.txt");

    KeptRun Reopened() const { return RunJournal(path).Kept(); }
};
} // namespace

TEST(RunJournal, KeepsARunUntilAReset)
{
    JournalFolder folder;
    {
        RunJournal journal(folder.path);
        EXPECT_EQ(journal.OpenProblem(), RunJournal::Problem::None);
        EXPECT_TRUE(journal.Kept().rows.empty());
        for (const auto& [event, total] : ThreeSplits)
            journal.Record(event, ms{total});
        journal.Flush();
        EXPECT_EQ(ReadWholeFile(folder.path), RunBytes(ThreeSplits)) << "on disk before the close";
    }
    EXPECT_EQ(Rows(folder.Reopened()), (std::vector<std::string>{"Split 1200", "Split 2500", "Split 3000"}));
    {
        RunJournal journal(folder.path);
        journal.Record(RunEvent::Start, ms{3000});
        journal.Restart();
    }
    EXPECT_EQ(ReadWholeFile(folder.path), RunFileHeader) << "a reset leaves a new, empty run";
}

TEST(RunJournal, ACutRecordIsCutAwayAndTheRecordsBeforeItStay)
{
    JournalFolder folder;
    std::filesystem::create_directories(std::filesystem::path(folder.path).parent_path());
    const std::string whole = RunBytes(ThreeSplits);
    for (std::size_t length = 0; length <= whole.size(); ++length)
    {
        const RunFileContents before = ReadRunFile(whole.substr(0, length));
        WriteWholeFile(folder.path, whole.substr(0, length));
        {
            RunJournal journal(folder.path);
            EXPECT_EQ(journal.OpenProblem(), RunJournal::Problem::None) << length;
            journal.Record(RunEvent::Stop, ms{4000});
        }
        const std::string kept = before.wholeLength > 0 ? whole.substr(0, before.wholeLength) : RunFileHeader;
        EXPECT_EQ(ReadWholeFile(folder.path), kept + RunFileRecord(RunEvent::Stop, ms{4000})) << length;
    }
}

TEST(RunJournal, ADamagedFileIsKeptAsideWithTheRunBeforeTheDamageGoingOn)
{
    JournalFolder folder;
    std::filesystem::create_directories(std::filesystem::path(folder.path).parent_path());
    const std::string before = RunBytes({ThreeSplits.begin(), ThreeSplits.begin() + 2});
    const struct
    {
        std::string bytes;
        std::string kept; // the new file once the next record is written
        std::vector<std::string> rows;
    } cases[] = {
        {"not a run\n" + RunBytes(ThreeSplits), RunFileHeader, {}},
        {before + "L 25x0 00000000\n" + RunFileRecord(RunEvent::Split, ms{3000}), before, {"Split 1200"}},
    };
    for (const auto& c : cases)
    {
        std::filesystem::remove(folder.path + ".damaged");
        WriteWholeFile(folder.path, c.bytes);
        {
            RunJournal journal(folder.path);
            EXPECT_EQ(journal.OpenProblem(), RunJournal::Problem::Damaged);
            EXPECT_EQ(journal.OpenDetail(), folder.path + ".damaged");
            EXPECT_EQ(Rows(journal.Kept()), c.rows);
            journal.Flush();
            EXPECT_EQ(ReadWholeFile(folder.path), c.kept) << "the run goes on in the new file at once";
            journal.Record(RunEvent::Stop, ms{5000});
        }
        EXPECT_EQ(ReadWholeFile(folder.path + ".damaged"), c.bytes);
        EXPECT_EQ(ReadWholeFile(folder.path), c.kept + RunFileRecord(RunEvent::Stop, ms{5000}));
    }
}

TEST(RunJournal, OneProcessAtATimeKeepsARunInAFile)
{
    JournalFolder folder;
    RunJournal first(folder.path);
    RunJournal second(folder.path);
    EXPECT_EQ(second.OpenProblem(), RunJournal::Problem::InUse);
    second.OnWriteFailure([](const std::string& reason) { ADD_FAILURE() << "told once is enough: " << reason; });
    first.Record(RunEvent::Start, ms{0});
    second.Record(RunEvent::Start, ms{5000});
    second.Record(RunEvent::Stop, ms{6000});
    first.Record(RunEvent::Split, ms{1000});
    first.Flush();
    second.Flush();
    EXPECT_EQ(ReadWholeFile(folder.path), RunBytes({{RunEvent::Start, 0}, {RunEvent::Split, 1000}}));
}

TEST(RunJournal, AnUnwritableFolderKeepsTheRunInMemory)
{
    JournalFolder folder;
    WriteWholeFile(folder.dir.File("state"), "a file where the folder should be");
    RunJournal journal(folder.path);
    EXPECT_EQ(journal.OpenProblem(), RunJournal::Problem::Unwritable);
    EXPECT_FALSE(journal.OpenDetail().empty());
    journal.Record(RunEvent::Start, ms{0});
    journal.Flush();
}

#ifndef _WIN32
TEST(RunJournal, AFailedWriteLeavesTheRecordsBeforeItMarkedAsEndingEarly)
{
    for (std::size_t written = 1; written <= ThreeSplits.size(); ++written)
    {
        JournalFolder folder;
        const std::vector<std::pair<RunEvent, std::int64_t>> before(ThreeSplits.begin(),
                                                                    ThreeSplits.begin() + written);
        std::atomic<int> reports{0};
        testing::internal::CaptureStderr();
        {
            RunJournal journal(folder.path);
            journal.OnWriteFailure([&](const std::string& reason) {
                ++reports;
                EXPECT_EQ(reason, std::generic_category().message(EFBIG));
            });
            for (const auto& [event, total] : before)
                journal.Record(event, ms{total});
            journal.Flush();
            // The next record fits only in part.
            FileSizeLimitGuard full(ReadWholeFile(folder.path).size() + 10);
            for (long total = 5000; total <= 9000; total += 1000)
            {
                journal.Record(RunEvent::Split, ms{total});
                journal.Flush();
            }
        }
        EXPECT_NE(testing::internal::GetCapturedStderr().find("could not be written down"), std::string::npos)
            << "said at the end too, where the user sees no box";
        EXPECT_EQ(reports, 1) << written;
        EXPECT_EQ(ReadWholeFile(folder.path), RunBytes(before) + RunEndsEarlyMark) << written;
        const KeptRun kept = folder.Reopened();
        EXPECT_EQ(kept.rows.size(), written - 1) << written;
        EXPECT_TRUE(kept.endsEarly) << written;
    }
}
#endif

TEST(RunRecord, RowsAsShownAndWhatTheFileHolds)
{
    // Each step: an event at a total; a Split or a Stop adds a row with its lap as shown (the
    // difference of two shown totals), and the file receives the same event.
    const struct
    {
        RunEvent event;
        std::int64_t total;
        std::int64_t lap; // of the row it adds
    } steps[] = {
        {RunEvent::Start, 0, 0},     {RunEvent::Split, 1250, 1200}, {RunEvent::Split, 2390, 1100},
        {RunEvent::Stop, 3010, 700}, {RunEvent::Start, 3010, 0},    {RunEvent::Split, 4420, 1400},
    };
    JournalFolder folder;
    RunRecord record;
    EXPECT_FALSE(record.KeepIn(std::make_unique<RunJournal>(folder.path)));
    std::vector<std::pair<RunEvent, std::int64_t>> written;
    std::size_t rows = 0;
    for (const auto& step : steps)
    {
        written.emplace_back(step.event, step.total);
        if (step.event == RunEvent::Start)
        {
            record.Start(ms{step.total});
            continue;
        }
        const SplitAction action = step.event == RunEvent::Split ? SplitAction::Split : SplitAction::Stop;
        const SplitRecord& row = record.Add(action, ms{step.total});
        EXPECT_EQ(row.lap, ms{step.lap}) << step.total;
        EXPECT_EQ(row.action, action);
        EXPECT_EQ(record.Rows().size(), ++rows);
    }
    record.Close(ms{5000});
    record.Journal()->Flush();
    written.emplace_back(RunEvent::Close, 5000);
    EXPECT_EQ(ReadWholeFile(folder.path), RunBytes(written));
    record.Reset();
    EXPECT_TRUE(record.Rows().empty());
    record.Journal()->Flush();
    EXPECT_EQ(ReadWholeFile(folder.path), RunFileHeader) << "a reset leaves a new, empty run";
}

TEST(RunRecord, ARunComesBackStoppedWithOrWithoutRows)
{
    const struct
    {
        std::vector<std::pair<RunEvent, std::int64_t>> events;
        bool back;
        std::vector<std::string> rows;
        std::int64_t total;
    } cases[] = {
        {{}, false, {}, 0},
        {{{RunEvent::Start, 0}, {RunEvent::Close, 600000}}, true, {"Stop 600000"}, 600000},
        {{{RunEvent::Start, 0}}, true, {}, 0},
        {ThreeSplits, true, {"Split 1200", "Split 2500", "Split 3000"}, 3000},
    };
    for (const auto& c : cases)
    {
        JournalFolder folder;
        std::filesystem::create_directories(std::filesystem::path(folder.path).parent_path());
        WriteWholeFile(folder.path, RunBytes(c.events));
        RunRecord record;
        const std::optional<StopwatchReading> at = record.KeepIn(std::make_unique<RunJournal>(folder.path));
        EXPECT_EQ(at.has_value(), c.back);
        EXPECT_EQ(at ? at->total : ms{0}, ms{c.total});
        KeptRun shown;
        shown.rows = record.Rows();
        EXPECT_EQ(Rows(shown), c.rows);
    }
}
