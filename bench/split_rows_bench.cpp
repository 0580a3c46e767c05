// Appends 100,000 split rows to the main window's list under a display and prints the time per
// row for each thousand, to show that adding a row does not get dearer as the list grows; does the
// same, in the same run, with the toolkit's generic wxListCtrl filled as the window once filled
// it, and prints the ratio of the two; then times copying them all (Select All, Copy) and prints
// what a row's record costs in memory. Last, the median cost of one split, from the click to the
// row, in a window that writes its run down against one that does not, in the same run.
//   xvfb-run -a build/bench/split_rows_bench [ROWS]
#include "fake_clock.h"
#include "mainwin/lapmark_dialog.h"
#include "timing/split_rows.h"
#include "timing/time_text.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/init.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/log.h>
#include <wx/utils.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <vector>
#include <cstdio>
#include <cstdlib>

namespace
{
/// The cost of appending rows a thousand at a time, in microseconds per row.
struct AppendCost
{
    double first = 0;
    double last = 0;
    double mean = 0;
};

/// Appends `rows` rows with `appendOne`, letting the list repaint after each thousand as it would
/// between real clicks, and prints the cost of every ten-thousandth.
AppendCost TimeAppends(const char* title, long rows, const std::function<void()>& appendOne)
{
    std::printf("%s:\n   rows   us/row (mean over the last thousand)\n", title);
    AppendCost cost;
    for (long done = 0; done < rows; done += 1000)
    {
        const auto begin = std::chrono::steady_clock::now();
        for (int i = 0; i < 1000; ++i)
            appendOne();
        wxYield();
        const double ms = std::chrono::duration<double, std::milli>(
                              std::chrono::steady_clock::now() - begin).count();
        if (done == 0)
            cost.first = ms;
        cost.last = ms;
        cost.mean += ms / (rows / 1000.0);
        if (done == 0 || (done + 1000) % 10000 == 0)
            std::printf("%7ld   %7.2f\n", done + 1000, ms); // ms per 1000 rows = us per row
    }
    std::printf("first thousand: %.2f us/row, last thousand: %.2f us/row\n", cost.first, cost.last);
    return cost;
}
void Click(wxButton* button)
{
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(event);
}

/// The median time of one split, click to row, over `splits` splits in a fresh window that keeps
/// its run in the file at `path` (none: in memory only), in microseconds.
double MedianSplit(const std::string& path, int splits)
{
    FakeClock clock;
    LapmarkDialog window(nullptr, wxID_ANY, clock);
    if (!path.empty())
        window.KeepRunIn(std::make_unique<RunJournal>(path));
    RunJournal* journal = window.GetRunRecord().Journal();
    window.InitDialog();
    window.Show();
    auto* reset = dynamic_cast<wxButton*>(wxWindow::FindWindowByName("ID_BUTTON_RESET", &window));
    Click(dynamic_cast<wxButton*>(wxWindow::FindWindowByName("ID_BUTTON_START", &window)));
    wxYield();
    std::vector<double> times;
    for (int i = 0; i < splits; ++i)
    {
        clock.Advance(Milliseconds(1300));
        const auto begin = std::chrono::steady_clock::now();
        Click(reset);
        times.push_back(std::chrono::duration<double, std::micro>(
                            std::chrono::steady_clock::now() - begin).count());
        if (i % 50 == 0)
            wxYield(); // the list repaints between clicks, as between a user's
    }
    if (journal)
        journal->Flush();
    window.Hide();
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

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
        const auto click = Click;
        click(start);
        wxYield();

        const AppendCost now = TimeAppends("the window's list", rows, [&] {
            clock.Advance(Milliseconds(37300));
            click(reset);
        });
        std::printf("rows in the list: %ld\n", list.GetRowCount());

        // The generic list the window had before, filled the way it filled it, on the same run.
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
        Milliseconds total{0};
        const AppendCost before = TimeAppends("the generic list", rows, [&] {
            total += Milliseconds(37300);
            const long row = generic->GetItemCount();
            const long index = generic->InsertItem(row, wxString(SplitRowNumber(row)));
            generic->SetItem(index, 1, "Split", -1);
            generic->SetItem(index, 2, FormatTimeText(total), -1);
            if (IsShadedRow(index))
                generic->SetItemBackgroundColour(index, wxColour(242, 242, 242));
            generic->EnsureVisible(index);
        });
        bare.Hide();
        std::printf("the window's list against the generic one: mean %.2f / %.2f us/row = %.2fx, "
                    "last thousand %.2fx\n",
                    now.mean, before.mean, now.mean / before.mean, now.last / before.last);

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
    {
        // Alternating, so that neither side has the machine to itself in a quieter moment.
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() / ("lapmark-bench-" + std::to_string(wxGetProcessId()));
        std::vector<double> with, without;
        for (int round = 0; round < 3; ++round)
        {
            without.push_back(MedianSplit(std::string(), 1000));
            with.push_back(MedianSplit((folder / ("run-" + std::to_string(round) + ".txt")).string(), 1000));
        }
        std::sort(with.begin(), with.end());
        std::sort(without.begin(), without.end());
        std::printf("one split, click to row (median of three rounds of 1000): %.1f us with the run "
                    "file, %.1f us without: %.1f us more, %.2fx\n",
                    with[1], without[1], with[1] - without[1], with[1] / without[1]);
        std::filesystem::remove_all(folder);
    }
    wxEntryCleanup();
    return 0;
}
