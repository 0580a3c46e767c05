#include "timing/run_record.h"

RunRecord::~RunRecord()
{
    if (m_journal)
        m_journal->OnWriteFailure(nullptr);
}

std::optional<StopwatchReading> RunRecord::KeepIn(std::unique_ptr<RunJournal> journal)
{
    m_journal = std::move(journal);
    if (!m_journal || !m_journal->Kept().started)
        return std::nullopt;
    m_rows = m_journal->Kept().rows;
    return m_journal->Kept().at;
}

void RunRecord::Start(Milliseconds total)
{
    if (m_journal)
        m_journal->Record(RunEvent::Start, total);
}

const SplitRecord& RunRecord::Add(SplitAction action, Milliseconds total)
{
    m_rows.push_back(RowAt(m_rows, action, total));
    if (m_journal)
        m_journal->Record(action == SplitAction::Split ? RunEvent::Split : RunEvent::Stop, total);
    return m_rows.back();
}

void RunRecord::Reset()
{
    m_rows.clear();
    if (m_journal)
        m_journal->Restart();
}

void RunRecord::Close(Milliseconds total)
{
    if (m_journal)
        m_journal->Record(RunEvent::Close, total);
}
