#pragma once

#include <cstdint>

/// The run state of the main window. The numbers stay as first given (a signed 32-bit value,
/// Running 0, Idle 1, Stopped 2), so a state seen in a debugger or a crash report reads the same in
/// every version; nothing in the program computes with them.
enum class RunState : std::int32_t
{
    Running = 0, ///< timing; every tick refreshes the readouts
    Idle = 1,    ///< initial, and after a confirmed reset
    Stopped = 2, ///< timing stopped; can resume or be reset
};

/// What a click on one of the two run-control buttons does.
enum class RunCommand
{
    StartTiming,  ///< start afresh from Idle, or resume from Stopped
    StopTiming,   ///< stop, and record a "Stop" row
    RecordSplit,  ///< begin a new lap, and record a "Split" row
    ConfirmReset, ///< ask, and only on Yes go back to Idle
};

/// The command of the Start/Stop button in a state.
RunCommand StartButtonCommand(RunState state);
/// The command of the Reset/Split button in a state.
RunCommand ResetButtonCommand(RunState state);
/// The state after a command; a reset that was answered No keeps the state.
RunState StateAfter(RunState state, RunCommand command, bool confirmed = true);

/// The untranslated labels of the two run-control buttons.
struct RunLabels
{
    const char* start;
    const char* reset;
};

/// The labels both buttons carry in a state (catalog keys; translate at the moment of use).
RunLabels LabelsFor(RunState state);
