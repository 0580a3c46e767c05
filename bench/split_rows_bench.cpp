// Appends 100,000 split rows to the main window's list under a display and prints the time per
// row for each thousand, to show that adding a row does not get dearer as the list grows.
//   xvfb-run -a build/bench/split_rows_bench [ROWS]
#include "fake_clock.h"
#include "mainwin/lapmark_dialog.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/init.h>
#include <wx/listctrl.h>
#include <wx/log.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const long rows = argc > 1 ? std::atol(argv[1]) : 100000;
    wxApp::SetInstance(new wxApp());
    int wxArgc = 1;
    if (!wxEntryStart(wxArgc, argv))
        return 1;
    delete wxLog::SetActiveTarget(new wxLogStderr());
    {
        FakeClock clock;
        LapmarkDialog window(nullptr, wxID_ANY, clock);
        window.InitDialog();
        window.Show();
        auto* reset = dynamic_cast<wxButton*>(wxWindow::FindWindowByName("ID_BUTTON_RESET", &window));
        auto* start = dynamic_cast<wxButton*>(wxWindow::FindWindowByName("ID_BUTTON_START", &window));
        auto* list = dynamic_cast<wxListCtrl*>(wxWindow::FindWindowByName("ID_LISTCTRL_SPLIT", &window));
        const auto click = [](wxButton* button) {
            wxCommandEvent event(wxEVT_BUTTON, button->GetId());
            event.SetEventObject(button);
            button->GetEventHandler()->ProcessEvent(event);
        };
        click(start);
        wxYield();

        std::printf("   rows   us/row (mean over the last thousand)\n");
        double first = 0, last = 0;
        for (long done = 0; done < rows; done += 1000)
        {
            const auto begin = std::chrono::steady_clock::now();
            for (int i = 0; i < 1000; ++i)
            {
                clock.Advance(Milliseconds(37300));
                click(reset);
            }
            wxYield(); // let the list repaint, as it would between real clicks
            const double ms = std::chrono::duration<double, std::milli>(
                                  std::chrono::steady_clock::now() - begin).count();
            if (done == 0)
                first = ms;
            last = ms;
            if (done == 0 || (done + 1000) % 10000 == 0)
                std::printf("%7ld   %7.2f\n", done + 1000, ms); // ms per 1000 rows = us per row
        }
        std::printf("rows in the list: %d\n", list->GetItemCount());
        std::printf("first thousand: %.2f us/row, last thousand: %.2f us/row\n", first, last);
        window.Hide();
    }
    wxEntryCleanup();
    return 0;
}
