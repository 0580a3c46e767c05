#pragma once

#include <string>

/// What the command line asks for; read before the toolkit opens the display, so --help and
/// --version answer on a machine without one.
struct CommandLineRequest
{
    bool run = true;       ///< open the window; otherwise end at once with exitStatus
    int exitStatus = 0;    ///< the process's status when not running
    std::string output;    ///< for the standard output
    std::string errors;    ///< for the standard error
    bool verbose = false;  ///< the toolkit's verbose log messages are shown
};

/// Reads the arguments (argv[0] is the program) with the toolkit's parser: -h/--help prints the
/// usage, --version the version, an unknown option the usage on the standard error and status 1.
CommandLineRequest ParseCommandLine(int argc, char** argv);

/// "Lapmark <version> (build <number>)" and the copyright line, each ended by a newline.
std::string VersionText();
