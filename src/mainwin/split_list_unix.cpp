#include "mainwin/split_list.h"

#include <wx/dataview.h>
#include <wx/settings.h>

#include <gtk/gtk.h>

#include <algorithm>

// GTK's own list (a tree view), which reaches screen readers as a table of named cells.

namespace
{
/// The list's rows, with every other row shaded by its position.
class ShadedRowsStore : public wxDataViewListStore
{
public:
    explicit ShadedRowsStore(const wxWindow& list) : m_list(list) {}

    bool GetAttrByRow(unsigned int row, unsigned int, wxDataViewItemAttr& attr) const override
    {
        if (!IsShadedRow(row))
            return false;
        const wxColour background = m_list.GetBackgroundColour();
        const Rgb shade = RowShade(wxSystemSettings::GetAppearance().IsDark(),
                                   {background.Red(), background.Green(), background.Blue()});
        attr.SetBackgroundColour(wxColour(shade.red, shade.green, shade.blue));
        return true;
    }

private:
    const wxWindow& m_list;
};
} // namespace

SplitList::SplitList(wxWindow* parent, long id)
{
    ListCtrlSplit = new wxDataViewListCtrl(parent, id, wxDefaultPosition, wxSize(-1, 200),
                                           wxDV_MULTIPLE | wxDV_VERT_RULES);
    ListCtrlSplit->SetName("ID_LISTCTRL_SPLIT");
    auto* store = new ShadedRowsStore(*ListCtrlSplit);
    ListCtrlSplit->AssociateModel(store);
    store->DecRef();
    ListCtrlSplit->Bind(wxEVT_DATAVIEW_ITEM_CONTEXT_MENU, [this](wxDataViewEvent&) {
        // The toolkit takes the click for the menu before the list could take the focus, which
        // a click on it gives it anywhere else.
        ListCtrlSplit->SetFocus();
        wxContextMenuEvent menu(wxEVT_CONTEXT_MENU, ListCtrlSplit->GetId(), wxGetMousePosition());
        OnContextMenu(menu);
    });
    // GTK's tree view keeps its menu keys to itself.
    ListCtrlSplit->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) {
        const bool menuKey = (event.GetKeyCode() == WXK_MENU && !event.HasAnyModifiers()) ||
                             (event.GetKeyCode() == WXK_F10 && event.GetModifiers() == wxMOD_SHIFT);
        if (!menuKey)
        {
            event.Skip();
            return;
        }
        wxContextMenuEvent menu(wxEVT_CONTEXT_MENU, ListCtrlSplit->GetId());
        OnContextMenu(menu);
    });
}

wxWindow* SplitList::GetWindow() const
{
    return ListCtrlSplit;
}

void SplitList::CreateColumns()
{
    if (GetColumnCount() > 0)
        return; // shown once more: the window has its columns
    ListCtrlSplit->AppendTextColumn(_("No."), wxDATAVIEW_CELL_INERT, 40, wxALIGN_LEFT);
    ListCtrlSplit->AppendTextColumn(_("Action"), wxDATAVIEW_CELL_INERT, 80, wxALIGN_RIGHT);
    ListCtrlSplit->AppendTextColumn(_("Value"), wxDATAVIEW_CELL_INERT, 80, wxALIGN_LEFT);
}

void SplitList::AppendToControl(const wxString& number, const wxString& action,
                                const wxString& total, bool)
{
    // Shading comes from the store, by position.
    wxVector<wxVariant> cells;
    cells.reserve(3);
    cells.push_back(number);
    cells.push_back(action);
    cells.push_back(total);
    ListCtrlSplit->AppendItem(cells);
    ListCtrlSplit->EnsureVisible(ListCtrlSplit->RowToItem(ListCtrlSplit->GetItemCount() - 1));
}

void SplitList::Clear()
{
    ListCtrlSplit->DeleteAllItems();
    m_records.clear();
}

wxString SplitList::GetCellText(long row, int column) const
{
    return ListCtrlSplit->GetTextValue(static_cast<unsigned int>(row), static_cast<unsigned int>(column));
}

bool SplitList::IsShaded(long row) const
{
    wxDataViewItemAttr attr;
    const auto* store = static_cast<const wxDataViewListStore*>(ListCtrlSplit->GetModel());
    return store->GetAttrByRow(static_cast<unsigned int>(row), 0, attr) && attr.HasBackgroundColour() &&
           attr.GetBackgroundColour() != ListCtrlSplit->GetBackgroundColour();
}

bool SplitList::IsRowVisible(long row) const
{
    GtkTreePath* first = nullptr;
    GtkTreePath* last = nullptr;
    if (!gtk_tree_view_get_visible_range(GTK_TREE_VIEW(ListCtrlSplit->GtkGetTreeView()), &first, &last))
        return false;
    const long top = gtk_tree_path_get_indices(first)[0];
    const long bottom = gtk_tree_path_get_indices(last)[0];
    gtk_tree_path_free(first);
    gtk_tree_path_free(last);
    return row >= top && row <= bottom;
}

std::vector<long> SplitList::GetSelectedRows() const
{
    wxDataViewItemArray items;
    ListCtrlSplit->GetSelections(items);
    std::vector<long> rows;
    for (const wxDataViewItem& item : items)
        rows.push_back(ListCtrlSplit->ItemToRow(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void SplitList::SelectRows(const std::vector<long>& rows)
{
    ListCtrlSplit->UnselectAll();
    for (long row : rows)
        ListCtrlSplit->SelectRow(static_cast<unsigned int>(row));
}

void SplitList::SelectAll()
{
    ListCtrlSplit->SelectAll();
}

int SplitList::GetColumnCount() const
{
    return static_cast<int>(ListCtrlSplit->GetColumnCount());
}

SplitListColumn SplitList::GetColumn(int column) const
{
    const wxDataViewColumn* shown = ListCtrlSplit->GetColumn(static_cast<unsigned int>(column));
    // The width it was given: GTK reports the drawn width only once the list is on screen.
    const int width = gtk_tree_view_column_get_fixed_width(GTK_TREE_VIEW_COLUMN(shown->GetGtkHandle()));
    return {shown->GetTitle(), (shown->GetAlignment() & wxALIGN_RIGHT) != 0, width};
}

wxPoint SplitList::KeyboardMenuPoint() const
{
    const wxRect row = ListCtrlSplit->GetItemRect(ListCtrlSplit->GetCurrentItem());
    return row.IsEmpty() ? wxPoint(0, 0) : row.GetBottomLeft();
}
