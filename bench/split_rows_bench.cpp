// Appends 100,000 split rows to the main window's list under a display and prints the time per
// row for each thousand, to show that adding a row does not get dearer as the list grows; then
// times copying them all (Select All, Copy) and prints what a row's record costs in memory.
//   xvfb-run -a build/bench/split_rows_bench [ROWS]
#include "fake_clock.h"
#include "mainwin/lapmark_dialog.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/clipbrd.h>
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

        const auto command = [&window](int id) {
            wxCommandEvent event(wxEVT_MENU, id);
            window.GetEventHandler()->ProcessEvent(event);
        };
        for (const char* how : {"every row, none selected", "Select All, then Copy"})
        {
            const bool selectFirst = how[0] == 'S';
            const auto begin = std::chrono::steady_clock::now();
            if (selectFirst)
                command(wxID_SELECTALL);
            command(wxID_COPY);
            const double ms = std::chrono::duration<double, std::milli>(
                                  std::chrono::steady_clock::now() - begin).count();
            std::printf("copying %d rows (%s): %.1f ms\n", list->GetItemCount(), how, ms);
        }
        wxTextDataObject copied;
        if (wxTheClipboard->Open())
        {
            wxTheClipboard->GetData(copied);
            wxTheClipboard->Close();
        }
        std::printf("copied text: %zu characters\n", copied.GetText().length());
        // The records grow in a vector, which keeps at most as much again in reserve.
        std::printf("row record: %zu bytes per row (at most %zu with the vector's reserve)\n",
                    sizeof(SplitRecord), 2 * sizeof(SplitRecord));
        window.Hide();
    }
    wxEntryCleanup();
    return 0;
}
