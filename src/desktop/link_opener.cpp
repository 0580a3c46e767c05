#include "desktop/link_opener.h"

#include <wx/mimetype.h>
#include <wx/utils.h>

#include <memory>

namespace
{
/// The default browser, the system's MIME-type database and process launching.
class SystemLinkOpener : public LinkOpener
{
public:
    void Browse(const wxString& url) override { wxLaunchDefaultBrowser(url, wxBROWSER_NEW_WINDOW); }

    wxString OpenCommand(const wxString& mimeType, const wxString& file) override
    {
        std::unique_ptr<wxFileType> type(wxTheMimeTypesManager->GetFileTypeFromMimeType(mimeType));
        wxString command;
        if (!type || !type->GetOpenCommand(&command, wxFileType::MessageParameters(file, "")))
            return wxString();
        return command;
    }

    void Run(const std::vector<wxString>& arguments) override
    {
        if (arguments.empty())
            return;
        std::vector<const wchar_t*> argv;
        for (const wxString& argument : arguments)
            argv.push_back(argument.wc_str());
        argv.push_back(nullptr);
        wxExecute(argv.data(), wxEXEC_ASYNC);
    }
};

SystemLinkOpener s_systemOpener;
LinkOpener* s_opener = &s_systemOpener;
} // namespace

LinkOpener& CurrentLinkOpener()
{
    return *s_opener;
}

void SetLinkOpener(LinkOpener* opener)
{
    s_opener = opener ? opener : &s_systemOpener;
}
