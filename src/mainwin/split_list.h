#pragma once

#include "timing/split_columns.h"
#include "timing/split_rows.h"
#include "timing/stopwatch.h"

#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include <memory>
#include <vector>

class wxContextMenuEvent;
class wxMenu;
class wxWindow;

// The list is each platform's own list control, which screen readers read row by row: on Windows
// the system's list view (wxListCtrl), elsewhere GTK's tree view (wxDataViewCtrl), which shows
// the records themselves through a model of rows by index.
#ifdef __WXMSW__
class wxListCtrl;
using SplitListControl = wxListCtrl;
#else
class wxDataViewCtrl;
using SplitListControl = wxDataViewCtrl;
#endif

/// The list's height in pixels at 96 dpi.
inline constexpr int SplitListHeight = 200;

/// The split list, which shows the rows of a run's record: one row per split and stop with its
/// number, action and total, every other row shaded. The list, copying and saving all write the
/// records through the column table. Rows can be selected, copied and saved, from the keyboard
/// and from the list's menu.
class SplitList
{
public:
    /// Creates the control in `parent`, with the window name "ID_LISTCTRL_SPLIT", to show `rows`,
    /// which must outlive it.
    SplitList(wxWindow* parent, long id, const std::vector<SplitRecord>& rows);

    /// The control, for the parent's layout.
    wxWindow* GetWindow() const;
    /// The name a screen reader says for the list.
    void SetAccessibleName(const wxString& name);
    /// Adds the list's columns, headed in the current language.
    void CreateColumns();
    /// Sizes every column for the window's DPI and what it holds: its least width, its heading
    /// and every cell.
    void FitColumns();
    /// The list's height and columns again, for a window moved to a screen of another scale.
    void ApplyDpi();
    /// The room a cell takes beside its text, in pixels.
    int CellPadding() const;
    /// Shows the rows as they are now: those added since the last call appended, each numbered,
    /// shaded by its position and scrolled into view; none at all once the rows were cleared.
    void ShowRows();

    long GetRowCount() const { return m_shown; }
    int GetColumnCount() const;
    void SelectAll();

    /// Copies the selected rows, or every row when none is selected, with their laps, to the
    /// clipboard; an empty list copies nothing.
    void Copy() const;
    /// Asks for a file with the standard save dialog and saves every row there.
    void Save() const;
    /// Saves every row to `path` as CSV, whole or not at all; on failure tells the user why, in a
    /// message box, and returns false.
    bool SaveTo(const wxString& path) const;
    /// The list's menu: Copy and Save laps (disabled while the list is empty), Select All and the
    /// keys in every window.
    std::unique_ptr<wxMenu> CreateMenu() const;
    /// Where the list's menu opens for this request, in the list's coordinates: at the pointer,
    /// or from the keyboard (which has no position) below the focused row.
    wxPoint MenuPoint(const wxContextMenuEvent& request) const;

private:
    /// The selected rows, first to last.
    std::vector<long> GetSelectedRows() const;
    void OnContextMenu(wxContextMenuEvent& event);
    /// Where the menu opens from the keyboard: below the focused row, or at the list's top.
    wxPoint KeyboardMenuPoint() const;
    /// The text of `column` for the record of row `row`, translated now where it is a word.
    wxString CellText(long row, int column) const;
    /// Widens the columns, where needed, for the cells of row `row`.
    void FitRow(long row);
    /// The width the heading of `column` needs, in pixels, its padding included.
    int HeadingWidth(int column) const;
    /// Gives `column` this width in pixels.
    void SetColumnWidth(int column, int width);
    /// Shows the record just added as row `row`, shaded by its position, scrolled into view.
    void ShowAddedRow(long row);
    /// Removes every row from the control.
    void ClearShown();
    /// Appends a column to the control.
    void AppendColumn(const wxString& heading, bool rightAligned, int width);
    /// The background of a shaded row, for the theme and the list's own background.
    wxColour ShadeColour() const;

    SplitListControl* ListCtrlSplit = nullptr;
    /// What each row recorded, row for row: the run's record.
    const std::vector<SplitRecord>& m_records;
    /// How many of them the control shows.
    long m_shown = 0;
    /// The columns' widths as their texts need them.
    SplitColumnWidths m_widths{{}, 0};
};
