#include "mainwin/run_state.h"

#include <gtest/gtest.h>

#include <string>

TEST(RunState, EveryStateAndButton)
{
    const struct
    {
        RunState state;
        RunCommand start;
        RunCommand reset;
        RunState afterStart;
        const char* startLabel;
        const char* resetLabel;
    } cases[] = {
        {RunState::Idle, RunCommand::StartTiming, RunCommand::ConfirmReset, RunState::Running,
         "&Start", "Rese&t"},
        {RunState::Running, RunCommand::StopTiming, RunCommand::RecordSplit, RunState::Stopped,
         "&Stop", "Spli&t"},
        {RunState::Stopped, RunCommand::StartTiming, RunCommand::ConfirmReset, RunState::Running,
         "&Start", "Rese&t"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(static_cast<int>(c.state));
        EXPECT_EQ(StartButtonCommand(c.state), c.start);
        EXPECT_EQ(ResetButtonCommand(c.state), c.reset);
        EXPECT_EQ(StateAfter(c.state, c.start), c.afterStart);
        EXPECT_EQ(std::string(LabelsFor(c.state).start), c.startLabel);
        EXPECT_EQ(std::string(LabelsFor(c.state).reset), c.resetLabel);
    }
    EXPECT_EQ(StateAfter(RunState::Running, RunCommand::RecordSplit), RunState::Running);
    EXPECT_EQ(StateAfter(RunState::Stopped, RunCommand::ConfirmReset, true), RunState::Idle);
    EXPECT_EQ(StateAfter(RunState::Stopped, RunCommand::ConfirmReset, false), RunState::Stopped);
    EXPECT_EQ(StateAfter(RunState::Idle, RunCommand::ConfirmReset, false), RunState::Idle);
}
