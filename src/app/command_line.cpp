#include "app/command_line.h"

#include "about/version_info.h"
#include "desktop/vendor.h"

#include <wx/cmdline.h>
#include <wx/msgout.h>

namespace
{
/// Keeps what the parser would print, instead of needing the toolkit's message output.
class CapturedOutput : public wxMessageOutput
{
public:
    CapturedOutput() : m_previous(wxMessageOutput::Set(this)) {}
    ~CapturedOutput() override { wxMessageOutput::Set(m_previous); }
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

    void Output(const wxString& text) override { m_text += text; }
    const wxString& Text() const { return m_text; }

private:
    wxMessageOutput* m_previous;
    wxString m_text;
};

// The command line is read before any catalog is loaded, so its texts are English only.
const wxCmdLineEntryDesc Options[] = {
    {wxCMD_LINE_SWITCH, "h", "help", "show this help and exit", wxCMD_LINE_VAL_NONE,
     wxCMD_LINE_OPTION_HELP},
    {wxCMD_LINE_SWITCH, nullptr, "version", "show the version and build number and exit",
     wxCMD_LINE_VAL_NONE, 0},
    {wxCMD_LINE_SWITCH, nullptr, "verbose", "show the toolkit's verbose log messages",
     wxCMD_LINE_VAL_NONE, 0},
    wxCMD_LINE_DESC_END,
};
} // namespace

std::string VersionText()
{
    return std::string("Lapmark ") + VersionInfo::FullVersion + " (build " +
           std::to_string(VersionInfo::BuildNumber) + ")\n" + CopyrightLine +
           ". All rights reserved.\n";
}

CommandLineRequest ParseCommandLine(int argc, char** argv)
{
    if (argc <= 1)
        return CommandLineRequest(); // how a desktop starts it: nothing to read, nothing to pay
    wxCmdLineParser parser(Options, argc, argv);
    parser.SetLogo("Lapmark, a lap timer for one person, exact to the tenth of a second.\n"
                   "Without options it opens its window.");
    CommandLineRequest request;
    CapturedOutput captured;
    switch (parser.Parse(false))
    {
    case -1: // --help
        request.run = false;
        request.output = parser.GetUsageString().utf8_string();
        return request;
    case 0:
        break;
    default:
        request.run = false;
        request.exitStatus = 1;
        request.errors = ("lapmark: " + captured.Text().Strip(wxString::both) + "\n\n" +
                          parser.GetUsageString()).utf8_string();
        return request;
    }
    if (parser.Found("version"))
    {
        request.run = false;
        request.output = VersionText();
        return request;
    }
    request.verbose = parser.Found("verbose");
    return request;
}
