#include "about/hyperlink.h"
#include "gui_test.h"
#include "link_recorder.h"
#include "temp_dir.h"

#include <wx/filefn.h>
#include <wx/frame.h>

#include <memory>

namespace
{
struct Link
{
    std::unique_ptr<wxFrame> frame{new wxFrame(nullptr, wxID_ANY, "links")};
    wxHyperLink* link = nullptr;

    explicit Link(const wxString& label = "https://quillora.example/", long style = 0)
    {
        link = dynamic_cast<wxHyperLink*>(wxCreateDynamicObject("wxHyperLink"));
        link->Create(frame.get(), wxID_ANY, label, wxDefaultPosition, wxDefaultSize, style, "link");
    }
    ~Link() { frame->Destroy(); }

    void Send(wxEventType type)
    {
        wxMouseEvent event(type);
        event.SetEventObject(link);
        link->GetEventHandler()->ProcessEvent(event);
    }
    wxColour Shown() const { return link->GetForegroundColour(); }
};

// Looked up when used: the toolkit's colour database exists only once the toolkit has started.
wxColour Red() { return wxColour("RED"); }
wxColour Blue() { return wxColour("BLUE"); }
wxColour Purple() { return wxColour("PURPLE"); }
} // namespace

TEST(HyperLink, CreatedByNameBorderlessWithFixedBestSize)
{
    wxClassInfo* info = wxClassInfo::FindClass("wxHyperLink");
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->IsKindOf(wxCLASSINFO(wxControl)));

    for (long style : {0L, long(wxBORDER_SIMPLE), long(wxBORDER_SUNKEN)})
    {
        Link l("https://quillora.example/", style);
        EXPECT_EQ(l.link->GetWindowStyleFlag() & wxBORDER_MASK, long(wxNO_BORDER))
            << style << ": no border, and no other border beside it";
    }

    Link l;
    EXPECT_EQ(l.link->GetUrl(), "");
    EXPECT_FALSE(l.link->IsVisited());
    EXPECT_EQ(l.Shown(), Blue());
    EXPECT_TRUE(l.link->GetFont().GetUnderlined());
    EXPECT_TRUE(l.link->GetHoverCursor().IsOk());
    const wxSize best = l.link->GetBestSize();
    EXPECT_GT(best.x, 0);
    EXPECT_GT(best.y, 0);
    l.link->SetLabel("a much, much longer label than the one it was created with");
    l.link->InvalidateBestSize();
    EXPECT_EQ(l.link->GetBestSize(), best) << "measured once, at creation";
}

TEST(HyperLink, ColoursThroughHoverLeaveAndActivation)
{
    LinkRecorder opener;
    const struct
    {
        const char* name;
        std::vector<std::pair<wxEventType, wxColour>> steps;
    } orders[] = {
        {"hover, leave", {{wxEVT_ENTER_WINDOW, Red()}, {wxEVT_LEAVE_WINDOW, Blue()}}},
        {"hover, click, leave, hover",
         {{wxEVT_ENTER_WINDOW, Red()},
          {wxEVT_LEFT_DOWN, Purple()}, // the last event decides, even under the pointer
          {wxEVT_LEAVE_WINDOW, Purple()},
          {wxEVT_ENTER_WINDOW, Red()},
          {wxEVT_LEAVE_WINDOW, Purple()}}},
        {"click without hover", {{wxEVT_LEFT_DOWN, Purple()}, {wxEVT_LEAVE_WINDOW, Purple()}}},
        {"double-click", {{wxEVT_LEFT_DCLICK, Purple()}, {wxEVT_ENTER_WINDOW, Red()}}},
    };
    for (const auto& order : orders)
    {
        SCOPED_TRACE(order.name);
        Link l;
        for (const auto& [event, colour] : order.steps)
        {
            l.Send(event);
            EXPECT_EQ(l.Shown(), colour);
        }
    }
}

TEST(HyperLink, ColourSettersApplyOnlyToTheCurrentState)
{
    LinkRecorder opener;
    Link l;
    l.link->SetVisitedColour(*wxGREEN);
    EXPECT_EQ(l.Shown(), Blue()) << "not visited yet";
    l.link->SetLinkColour(*wxCYAN);
    EXPECT_EQ(l.Shown(), *wxCYAN);
    l.Send(wxEVT_LEFT_DOWN);
    EXPECT_EQ(l.Shown(), *wxGREEN);
    l.link->SetLinkColour(*wxBLUE);
    EXPECT_EQ(l.Shown(), *wxGREEN) << "visited";
    l.link->SetVisitedColour(*wxBLACK);
    EXPECT_EQ(l.Shown(), *wxBLACK);
    l.link->SetHoverColour(*wxYELLOW);
    l.Send(wxEVT_ENTER_WINDOW);
    EXPECT_EQ(l.Shown(), *wxYELLOW);
}

TEST(HyperLink, BothMouseEventsOpenTheLabelOrTheUrl)
{
    LinkRecorder opener;
    Link l("https://quillora.example/");
    l.Send(wxEVT_LEFT_DOWN);
    l.Send(wxEVT_LEFT_DCLICK);
    ASSERT_EQ(opener.runs.size(), 2u);
    EXPECT_EQ(opener.runs[0], (std::vector<wxString>{"browser", "--new", "https://quillora.example/"}))
        << "every file:// is removed";
    l.link->SetUrl("mailto:support@quillora.example");
    l.Send(wxEVT_LEFT_DOWN);
    ASSERT_EQ(opener.runs.size(), 3u);
    EXPECT_EQ(opener.mimeTypes.back(), "message/rfc822");
    EXPECT_EQ(opener.runs[2].back(), "mailto:support@quillora.example");
}

TEST(HyperLink, OpenUrlRunsTheOpenCommandOnlyForSafeKnownAddresses)
{
    // The prefix table and the address checks are covered without a display; this is the wiring.
    LinkRecorder opener;
    Link l;
    l.link->OpenUrl("ftp://q.example/");
    l.link->OpenUrl("HTTPS://q.example/");
    l.link->OpenUrl("file:///etc/passwd");
    l.link->OpenUrl("http://q.example/\" ; rm -rf ~ ; \"");
    l.link->OpenUrl("http://q/$(id)';id;'");
    ASSERT_EQ(opener.mimeTypes, (std::vector<wxString>{"text/html", "text/html"}));
    ASSERT_EQ(opener.runs.size(), 2u);
    EXPECT_EQ(opener.runs[0], (std::vector<wxString>{"browser", "--new", "ftp://q.example/"}));
    EXPECT_EQ(opener.runs[1], (std::vector<wxString>{"browser", "--new", "http://q/$(id)';id;'"}))
        << "shell syntax is passed on as one plain argument";
}

#ifdef __UNIX__
// The system's opener starts the program and returns at once: the window never waits for the
// browser or mailer it started.
TEST(LinkOpener, TheSystemOpenerDoesNotWaitForWhatItStarts)
{
    TempDir dir;
    const std::string go = dir.File("go");
    const std::string done = dir.File("done");
    // It waits for "go", written only once Run has returned (giving up after 20 s, so that an
    // opener that waits does not hang the test).
    CurrentLinkOpener().Run({"/bin/sh", "-c",
                             "i=0; while [ ! -e '" + go + "' ] && [ $i -lt 2000 ]; do sleep 0.01; "
                             "i=$((i+1)); done; touch '" + done + "'"});
    EXPECT_FALSE(wxFileExists(done)) << "Run waited for the program to end";
    WriteWholeFile(go, "");
    EXPECT_TRUE(RunEventsUntil([&] { return wxFileExists(done); })) << "the program ran";
}
#endif
