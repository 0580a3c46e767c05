// Appends 100,000 split rows to the main window's list under a display and prints the time per
// row for each thousand, to show that adding a row does not get dearer as the list grows; does the
// same, in the same run, with the toolkit's generic wxListCtrl filled as the window once filled
// it, and prints the ratio of the two; then times copying them all (Select All, Copy) and prints
// what a row's record costs in memory.
//   xvfb-run -a build/bench/split_rows_bench [ROWS]
#include "fake_clock.h"
#include "mainwin/lapmark_dialog.h"
#include "mainwin/split_rows.h"
#include "mainwin/time_text.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/init.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
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
        SplitList& list = window.GetSplitList();
        const auto click = [](wxButton* button) {
            wxCommandEvent event(wxEVT_BUTTON, button->GetId());
            event.SetEventObject(button);
            button->GetEventHandler()->ProcessEvent(event);
        };
        click(start);
        wxYield();

        std::printf("the window's list:\n   rows   us/row (mean over the last thousand)\n");
        double first = 0, last = 0, sum = 0;
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
            sum += ms;
            if (done == 0 || (done + 1000) % 10000 == 0)
                std::printf("%7ld   %7.2f\n", done + 1000, ms); // ms per 1000 rows = us per row
        }
        std::printf("rows in the list: %ld\n", list.GetRowCount());
        std::printf("first thousand: %.2f us/row, last thousand: %.2f us/row\n", first, last);
        const double mean = sum / (rows / 1000.0);

        // The generic list the window had before, filled the way it filled it, on the same run.
        double oldFirst = 0, oldLast = 0, oldSum = 0;
        {
            wxDialog bare(nullptr, wxID_ANY, "generic list");
            auto* generic = new wxGenericListCtrl(&bare, wxID_ANY, wxDefaultPosition, wxSize(-1, 200),
                                                  wxLC_REPORT | wxLC_VRULES);
            generic->InsertColumn(0, "No.", wxLIST_FORMAT_LEFT, 40);
            generic->InsertColumn(1, "Action", wxLIST_FORMAT_RIGHT, 80);
            generic->InsertColumn(2, "Value", wxLIST_FORMAT_LEFT, 80);
            auto* sizer = new wxBoxSizer(wxVERTICAL);
            sizer->Add(generic, 1, wxEXPAND);
            bare.SetSizerAndFit(sizer);
            bare.Show();
            wxYield();
            std::printf("the generic list:\n   rows   us/row\n");
            Milliseconds total{0};
            for (long done = 0; done < rows; done += 1000)
            {
                const auto begin = std::chrono::steady_clock::now();
                for (int i = 0; i < 1000; ++i)
                {
                    total += Milliseconds(37300);
                    const long row = generic->GetItemCount();
                    const long index = generic->InsertItem(row, wxString(SplitRowNumber(row)));
                    generic->SetItem(index, 1, "Split", -1);
                    generic->SetItem(index, 2, FormatTimeText(total), -1);
                    if (IsShadedRow(index))
                        generic->SetItemBackgroundColour(index, wxColour(242, 242, 242));
                    generic->EnsureVisible(index);
                }
                wxYield();
                const double ms = std::chrono::duration<double, std::milli>(
                                      std::chrono::steady_clock::now() - begin).count();
                if (done == 0)
                    oldFirst = ms;
                oldLast = ms;
                oldSum += ms;
                if (done == 0 || (done + 1000) % 10000 == 0)
                    std::printf("%7ld   %7.2f\n", done + 1000, ms);
            }
            bare.Hide();
        }
        const double oldMean = oldSum / (rows / 1000.0);
        std::printf("first thousand: %.2f us/row, last thousand: %.2f us/row\n", oldFirst, oldLast);
        std::printf("the window's list against the generic one: mean %.2f / %.2f us/row = %.2fx, "
                    "last thousand %.2fx\n",
                    mean, oldMean, mean / oldMean, last / oldLast);

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
            std::printf("copying %ld rows (%s): %.1f ms\n", list.GetRowCount(), how, ms);
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
