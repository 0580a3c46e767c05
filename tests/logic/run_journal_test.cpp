#include "timing/run_journal.h"
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
    };
    const Case cases[] = {
        {{}, {}, 0, 0},
        // At a split's instant a new lap begins.
        {ThreeSplits, {"Split 1200", "Split 2500", "Split 3000"}, 3000, 0},
        // Stopped, resumed and closed while timing: the lap runs on from the last split.
        {{{RunEvent::Start, 0}, {RunEvent::Split, 1200}, {RunEvent::Stop, 2000},
          {RunEvent::Start, 2000}, {RunEvent::Close, 4000}},
         {"Split 1200", "Stop 2000"}, 4000, 2800},
        {{{RunEvent::Start, 0}, {RunEvent::Stop, 36000000000}}, {"Stop 36000000000"}, 36000000000, 36000000000},
    };
    for (const Case& c : cases)
    {
        const RunFileContents read = ReadRunFile(RunBytes(c.events));
        EXPECT_FALSE(read.damaged);
        EXPECT_EQ(Rows(read.run), c.rows);
        EXPECT_EQ(read.run.at.total, ms{c.total});
        EXPECT_EQ(read.run.at.lap, ms{c.lap});
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

TEST(RunFile, DamageIsNoRun)
{
    std::string flipped = RunBytes(ThreeSplits);
    flipped[flipped.find("L 2500") + 2] = '3'; // a record before the last no longer checks out
    const std::string backwards =
        RunBytes({{RunEvent::Start, 0}, {RunEvent::Split, 2000}, {RunEvent::Split, 1000}, {RunEvent::Stop, 3000}});
    for (const std::string& bytes : {std::string("hello\n"), std::string("Lapmark run 2\n"), flipped, backwards})
        EXPECT_TRUE(ReadRunFile(bytes).damaged) << bytes;
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

TEST(RunJournal, ACutRecordGoesBeforeTheNextIsAdded)
{
    JournalFolder folder;
    std::filesystem::create_directories(std::filesystem::path(folder.path).parent_path());
    WriteWholeFile(folder.path, RunBytes(ThreeSplits) + "P 40");
    {
        RunJournal journal(folder.path);
        EXPECT_EQ(journal.Kept().rows.size(), 3u);
        journal.Record(RunEvent::Stop, ms{4000});
    }
    EXPECT_EQ(folder.Reopened().rows.size(), 4u);
}

TEST(RunJournal, ADamagedFileIsKeptAside)
{
    JournalFolder folder;
    std::filesystem::create_directories(std::filesystem::path(folder.path).parent_path());
    WriteWholeFile(folder.path, "not a run\n" + RunBytes(ThreeSplits));
    {
        RunJournal journal(folder.path);
        EXPECT_EQ(journal.OpenProblem(), RunJournal::Problem::Damaged);
        EXPECT_EQ(journal.OpenDetail(), folder.path + ".damaged");
        EXPECT_TRUE(journal.Kept().rows.empty());
        journal.Record(RunEvent::Start, ms{0});
    }
    EXPECT_EQ(ReadWholeFile(folder.path + ".damaged"), "not a run\n" + RunBytes(ThreeSplits));
    EXPECT_EQ(ReadWholeFile(folder.path), RunBytes({{RunEvent::Start, 0}}));
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
TEST(RunJournal, AFullDiskIsReportedOnceAndLeavesNoPartOfTheRun)
{
    JournalFolder folder;
    std::atomic<int> reports{0};
    {
        RunJournal journal(folder.path);
        journal.OnWriteFailure([&](const std::string& reason) {
            ++reports;
            EXPECT_EQ(reason, std::generic_category().message(EFBIG));
        });
        journal.Record(RunEvent::Start, ms{0});
        journal.Flush();
        FileSizeLimitGuard full(ReadWholeFile(folder.path).size() + 10);
        for (long total = 1000; total <= 5000; total += 1000)
        {
            journal.Record(RunEvent::Split, ms{total});
            journal.Flush();
        }
    }
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(ReadWholeFile(folder.path), "") << "a part of the run is never brought back as the whole";
}
#endif
