#include "timing/run_state.h"

#include <wx/intl.h>

RunCommand StartButtonCommand(RunState state)
{
    return state == RunState::Running ? RunCommand::StopTiming : RunCommand::StartTiming;
}

RunCommand ResetButtonCommand(RunState state)
{
    return state == RunState::Running ? RunCommand::RecordSplit : RunCommand::ConfirmReset;
}

RunState StateAfter(RunState state, RunCommand command, bool confirmed)
{
    switch (command)
    {
    case RunCommand::StartTiming:
    case RunCommand::RecordSplit:
        return RunState::Running;
    case RunCommand::StopTiming:
        return RunState::Stopped;
    case RunCommand::ConfirmReset:
        return confirmed ? RunState::Idle : state;
    }
    return state;
}

RunLabels LabelsFor(RunState state)
{
    // The mnemonic letter stays the same for both labels of a button.
    if (state == RunState::Running)
        return {wxTRANSLATE("&Stop"), wxTRANSLATE("Spli&t")};
    return {wxTRANSLATE("&Start"), wxTRANSLATE("Rese&t")};
}
