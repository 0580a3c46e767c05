#pragma once

#include "desktop/link_opener.h"

/// Records what would have been opened, instead of opening it, while it lives.
class LinkRecorder : public LinkOpener
{
public:
    LinkRecorder() { SetLinkOpener(this); }
    ~LinkRecorder() override { SetLinkOpener(nullptr); }

    void Browse(const wxString& url) override { browsed.push_back(url); }
    wxString OpenCommand(const wxString& mimeType, const wxString& file) override
    {
        mimeTypes.push_back(mimeType);
        return mimeType == "text/html" ? "browser --new file://" + file
                                       : "mailer --compose \"" + file + "\"";
    }
    void Run(const std::vector<wxString>& arguments) override { runs.push_back(arguments); }

    std::vector<wxString> browsed;
    std::vector<wxString> mimeTypes;
    std::vector<std::vector<wxString>> runs;
};
