// The floor Lapmark's start-up, memory and CPU are measured against: a bare wxWidgets dialog with
// the main window's controls, fonts and sizers and a 100 ms timer that rewrites two static texts
// while it runs (Start starts and stops it), and nothing else: no settings store, no locale, no
// catalogs, no pictures. Not part of the product.
#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/dataview.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/timer.h>
#include <wx/utils.h>

namespace
{
class FloorDialog : public wxDialog
{
public:
    FloorDialog()
        : wxDialog(nullptr, wxID_ANY, "Lapmark floor", wxDefaultPosition, wxDefaultSize,
                   wxCAPTION | wxRESIZE_BORDER | wxSYSTEM_MENU | wxCLOSE_BOX | wxMAXIMIZE_BOX |
                       wxMINIMIZE_BOX | wxSTAY_ON_TOP)
    {
        const auto font = [](int points, const wxString& face) {
            return wxFont(points, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD, false,
                          face);
        };
        auto* main = new wxBoxSizer(wxVERTICAL);
        auto* display = new wxBoxSizer(wxVERTICAL);
        m_total = new wxStaticText(this, wxID_ANY, "00:00:00.0");
        m_total->SetFont(font(28, "Tahoma"));
        display->Add(m_total, 0, wxRIGHT | wxEXPAND, 4);
        m_lap = new wxStaticText(this, wxID_ANY, "00:00:00.0");
        m_lap->SetFont(font(16, wxEmptyString));
        display->Add(m_lap, 0, wxRIGHT | wxALIGN_RIGHT, 4);
        main->Add(display, 0, wxLEFT | wxRIGHT | wxEXPAND, 4);

        auto* run = new wxBoxSizer(wxHORIZONTAL);
        auto* start = new wxButton(this, wxID_ANY, "&Start");
        start->SetDefault();
        run->Add(start, 1, wxLEFT | wxALIGN_BOTTOM, 4);
        run->Add(new wxButton(this, wxID_ANY, "Rese&t"), 1, wxLEFT | wxRIGHT | wxALIGN_BOTTOM, 4);
        main->Add(run, 0, wxEXPAND, 4);

        auto* listRow = new wxBoxSizer(wxHORIZONTAL);
        // The same list kind as the program's on this platform: GTK's own.
        auto* list = new wxDataViewListCtrl(this, wxID_ANY, wxDefaultPosition, wxSize(-1, 200),
                                            wxDV_MULTIPLE | wxDV_VERT_RULES);
        list->AppendTextColumn("No.", wxDATAVIEW_CELL_INERT, 40, wxALIGN_LEFT);
        list->AppendTextColumn("Action", wxDATAVIEW_CELL_INERT, 80, wxALIGN_RIGHT);
        list->AppendTextColumn("Value", wxDATAVIEW_CELL_INERT, 80, wxALIGN_LEFT);
        listRow->Add(list, 1, wxLEFT | wxRIGHT | wxTOP | wxEXPAND, 4);
        main->Add(listRow, 1, wxEXPAND, 4);

        auto* commands = new wxBoxSizer(wxHORIZONTAL);
        for (const char* label : {"&Language...", "&Update...", "&About..."})
            commands->Add(new wxButton(this, wxID_ANY, label), 0, wxLEFT | wxTOP | wxBOTTOM, 4);
        main->Add(commands, 0, wxRIGHT | wxTOP | wxBOTTOM, 4);
        SetSizerAndFit(main);

        m_timer.SetOwner(this);
        Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
            const wxLongLong elapsed = wxGetLocalTimeMillis() - m_started;
            const wxString text = wxString::Format("00:00:%02d.%d", int(elapsed.GetLo() / 1000 % 60),
                                                   int(elapsed.GetLo() / 100 % 10));
            m_total->SetLabel(text);
            m_lap->SetLabel(text);
        });
        start->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
            if (m_timer.IsRunning())
                return m_timer.Stop();
            m_started = wxGetLocalTimeMillis();
            m_timer.Start(100);
        });
    }

private:
    wxStaticText* m_total;
    wxStaticText* m_lap;
    wxTimer m_timer;
    wxLongLong m_started;
};

class FloorApp : public wxApp
{
public:
    bool OnInit() override
    {
        FloorDialog dialog;
        dialog.ShowModal();
        return true;
    }
    int OnRun() override { return 0; }
};
} // namespace

wxIMPLEMENT_APP(FloorApp);
