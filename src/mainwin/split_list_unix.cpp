#include "mainwin/split_list.h"

#include <wx/dataview.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <functional>

// GTK's own list (a tree view), which reaches screen readers as a table of named cells. Its rows
// are the records, by index: a row is drawn from its record when it comes into view, so adding
// one costs the same however long the list is.

namespace
{
/// The records as the list's rows, every other row shaded by its position.
class SplitRowsModel : public wxDataViewVirtualListModel
{
public:
    /// `cellText` gives a row's cell from its record, `shade` a shaded row's background.
    SplitRowsModel(std::function<wxString(long, int)> cellText, std::function<wxColour()> shade)
        : wxDataViewVirtualListModel(0), m_cellText(std::move(cellText)), m_shade(std::move(shade))
    {
    }

    unsigned int GetColumnCount() const override { return SplitListColumnCount(); }
    wxString GetColumnType(unsigned int) const override { return "string"; }

    void GetValueByRow(wxVariant& value, unsigned int row, unsigned int column) const override
    {
        if (row < GetCount())
            value = m_cellText(static_cast<long>(row), static_cast<int>(column));
    }

    bool SetValueByRow(const wxVariant&, unsigned int, unsigned int) override { return false; }

    bool GetAttrByRow(unsigned int row, unsigned int, wxDataViewItemAttr& attr) const override
    {
        if (!IsShadedRow(row))
            return false;
        attr.SetBackgroundColour(m_shade());
        return true;
    }

private:
    std::function<wxString(long, int)> m_cellText;
    std::function<wxColour()> m_shade;
};

SplitRowsModel& ModelOf(wxDataViewCtrl& list)
{
    return *static_cast<SplitRowsModel*>(list.GetModel());
}
} // namespace

SplitList::SplitList(wxWindow* parent, long id, const std::vector<SplitRecord>& rows) : m_records(rows)
{
    ListCtrlSplit = new wxDataViewCtrl(parent, id, wxDefaultPosition, wxSize(-1, parent->FromDIP(SplitListHeight)),
                                       wxDV_MULTIPLE | wxDV_VERT_RULES, wxDefaultValidator,
                                       "ID_LISTCTRL_SPLIT");
    auto* model = new SplitRowsModel([this](long row, int column) { return CellText(row, column); },
                                     [this] { return ShadeColour(); });
    ListCtrlSplit->AssociateModel(model);
    model->DecRef();
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

void SplitList::AppendColumn(const wxString& heading, bool rightAligned, int width)
{
    // The model's columns are the shown ones, in order.
    ListCtrlSplit->AppendTextColumn(heading, ListCtrlSplit->GetColumnCount(), wxDATAVIEW_CELL_INERT,
                                    width, rightAligned ? wxALIGN_RIGHT : wxALIGN_LEFT);
}

void SplitList::SetAccessibleName(const wxString& name)
{
    // The table a screen reader reads is the tree view inside the toolkit's control.
    if (AtkObject* accessible = gtk_widget_get_accessible(ListCtrlSplit->GtkGetTreeView()))
        atk_object_set_name(accessible, name.utf8_str());
}

void SplitList::SetColumnWidth(int column, int width)
{
    ListCtrlSplit->GetColumn(static_cast<unsigned int>(column))->SetWidth(width);
}

int SplitList::HeadingWidth(int column) const
{
    // The heading is a button: its label, the theme's padding and border.
    GtkTreeViewColumn* shown =
        GTK_TREE_VIEW_COLUMN(ListCtrlSplit->GetColumn(static_cast<unsigned int>(column))->GetGtkHandle());
    int natural = 0;
    gtk_widget_get_preferred_width(gtk_tree_view_column_get_button(shown), nullptr, &natural);
    return natural;
}

int SplitList::CellPadding() const
{
    // The text renderer pads its text on both sides; the tree view adds its separator, the focus
    // line on both sides, and the vertical rule.
    GtkWidget* view = ListCtrlSplit->GtkGetTreeView();
    int separator = 0;
    int focusLine = 0;
    gtk_widget_style_get(view, "horizontal-separator", &separator, "focus-line-width", &focusLine,
                         nullptr);
    GtkCellRenderer* renderer = gtk_cell_renderer_text_new();
    g_object_ref_sink(renderer);
    int xpad = 0;
    gtk_cell_renderer_get_padding(renderer, &xpad, nullptr);
    g_object_unref(renderer);
    return 2 * xpad + separator + 2 * focusLine + 1;
}

void SplitList::ShowAddedRow(long row)
{
    // The row draws its record when it comes into view; its shade comes with its position.
    ModelOf(*ListCtrlSplit).RowAppended();
    ListCtrlSplit->EnsureVisible(ModelOf(*ListCtrlSplit).GetItem(static_cast<unsigned int>(row)));
}

void SplitList::ClearShown()
{
    ModelOf(*ListCtrlSplit).Reset(0);
}

std::vector<long> SplitList::GetSelectedRows() const
{
    wxDataViewItemArray items;
    ListCtrlSplit->GetSelections(items);
    std::vector<long> rows;
    for (const wxDataViewItem& item : items)
        rows.push_back(ModelOf(*ListCtrlSplit).GetRow(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void SplitList::SelectAll()
{
    ListCtrlSplit->SelectAll();
}

int SplitList::GetColumnCount() const
{
    return static_cast<int>(ListCtrlSplit->GetColumnCount());
}

wxPoint SplitList::KeyboardMenuPoint() const
{
    const wxRect row = ListCtrlSplit->GetItemRect(ListCtrlSplit->GetCurrentItem());
    return row.IsEmpty() ? wxPoint(0, 0) : row.GetBottomLeft();
}
