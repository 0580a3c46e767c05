#include "app/command_line.h"
#include "about/version_number.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
CommandLineRequest Parse(std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "/usr/bin/lapmark");
    return ParseCommandLine(static_cast<int>(arguments.size()), const_cast<char**>(arguments.data()));
}
} // namespace

TEST(CommandLine, EachOptionAndWhatItPrints)
{
    const struct
    {
        std::vector<const char*> arguments;
        bool run;
        int status;
        const char* output;  // found in the standard output ("" for none)
        const char* errors;  // found in the standard error ("" for none)
        bool verbose;
    } cases[] = {
        {{}, true, 0, "", "", false},
        {{"--verbose"}, true, 0, "", "", true},
#ifdef __WXMSW__
        {{"--help"}, false, 0, "Usage: lapmark [/h] [--version] [--verbose]", "", false},
#else
        {{"--help"}, false, 0, "Usage: lapmark [-h] [--version] [--verbose]", "", false},
#endif
        {{"-h"}, false, 0, "--version", "", false},
        {{"--version"}, false, 0, "Lapmark " LAPMARK_VERSION " (build 374)\n", "", false},
        {{"--nonsense"}, false, 1, "", "Usage: lapmark", false},
        {{"stray"}, false, 1, "", "Usage: lapmark", false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.arguments.empty() ? "no arguments" : c.arguments[0]);
        const CommandLineRequest request = Parse(c.arguments);
        EXPECT_EQ(request.run, c.run);
        EXPECT_EQ(request.exitStatus, c.status);
        EXPECT_EQ(request.verbose, c.verbose);
        EXPECT_NE(request.output.find(c.output), std::string::npos) << request.output;
        EXPECT_EQ(request.output.empty(), !*c.output) << request.output;
        EXPECT_NE(request.errors.find(c.errors), std::string::npos) << request.errors;
        EXPECT_EQ(request.errors.empty(), !*c.errors) << request.errors;
    }
}

TEST(CommandLine, TheExactVersionAndOneErrorLineBeforeTheUsage)
{
    EXPECT_EQ(Parse({"--version"}).output,
              "Lapmark " LAPMARK_VERSION " (build 374)\nCopyright (C) 2011 Quillora. All rights reserved.\n");
    const struct
    {
        const char* argument;
        const char* firstLine;
    } cases[] = {
        {"--nonsense", "lapmark: Unknown long option 'nonsense'\n"},
        {"stray", "lapmark: Unexpected parameter 'stray'\n"},
    };
    for (const auto& c : cases)
    {
        const std::string errors = Parse({c.argument}).errors;
        EXPECT_EQ(errors.substr(0, errors.find('\n') + 1), c.firstLine);
        EXPECT_EQ(errors.find("Usage:"), errors.rfind("Usage:")) << "the usage once:\n" << errors;
    }
}
