#pragma once

// The split list as the toolkit's own list control shows it: its rows' texts, shades and scroll
// position, its columns and its selection, and a selection made as clicks would make it. Read
// through the control, never through the list's records.

#include "mainwin/split_list.h"

#ifdef __WXMSW__
#include <wx/listctrl.h>
#else
#include <wx/dataview.h>

#include <gtk/gtk.h>
#endif

#include <algorithm>
#include <vector>

/// A column of the split list as shown.
struct ShownColumn
{
    wxString heading;
    bool rightAligned;
    int width;
};

class SplitListView
{
public:
    explicit SplitListView(SplitList& list) : m_control(static_cast<SplitListControl&>(*list.GetWindow())) {}

#ifdef __WXMSW__
    wxString Cell(long row, int column) const { return m_control.GetItemText(row, column); }

    bool IsShaded(long row) const { return Differs(m_control.GetItemBackgroundColour(row)); }

    bool IsRowVisible(long row) const
    {
        const long top = m_control.GetTopItem();
        return row >= top && row < top + m_control.GetCountPerPage();
    }

    /// Selects these rows (and no others), the last of them the focused one.
    void Select(const std::vector<long>& rows)
    {
        m_control.SetItemState(-1, 0, wxLIST_STATE_SELECTED);
        for (long row : rows)
            m_control.SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        if (!rows.empty())
            m_control.SetItemState(rows.back(), wxLIST_STATE_FOCUSED, wxLIST_STATE_FOCUSED);
    }

    /// The place of row `row` in the list's coordinates.
    wxRect RowRect(long row) const
    {
        wxRect rect;
        m_control.GetItemRect(row, rect);
        return rect;
    }

    ShownColumn Column(int column) const
    {
        wxListItem item;
        item.SetMask(wxLIST_MASK_TEXT | wxLIST_MASK_FORMAT);
        m_control.GetColumn(column, item);
        return {item.GetText(), item.GetAlign() == wxLIST_FORMAT_RIGHT, m_control.GetColumnWidth(column)};
    }

    /// The selected rows, first to last.
    std::vector<long> SelectedRows() const
    {
        std::vector<long> rows;
        for (long row = m_control.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); row >= 0;
             row = m_control.GetNextItem(row, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED))
            rows.push_back(row);
        return rows;
    }
#else
    wxString Cell(long row, int column) const
    {
        wxVariant value;
        Model().GetValue(value, Item(row), static_cast<unsigned int>(column));
        return value.GetString();
    }

    bool IsShaded(long row) const
    {
        wxDataViewItemAttr attr;
        return Model().GetAttr(Item(row), 0, attr) && attr.HasBackgroundColour() &&
               Differs(attr.GetBackgroundColour());
    }

    bool IsRowVisible(long row) const
    {
        const wxDataViewItem top = m_control.GetTopItem();
        if (!top.IsOk())
            return false;
        const long first = static_cast<long>(Model().GetRow(top));
        return row >= first && row < first + m_control.GetCountPerPage();
    }

    /// Selects these rows (and no others), the last of them the focused one.
    void Select(const std::vector<long>& rows)
    {
        m_control.UnselectAll();
        for (long row : rows)
            m_control.Select(Item(row));
        if (!rows.empty())
            m_control.SetCurrentItem(Item(rows.back()));
    }

    /// The place of row `row` in the list's coordinates.
    wxRect RowRect(long row) const { return m_control.GetItemRect(Item(row)); }

    ShownColumn Column(int column) const
    {
        const wxDataViewColumn* shown = m_control.GetColumn(static_cast<unsigned int>(column));
        // The width it was given: GTK reports the drawn width only once the list is on screen.
        const int width = gtk_tree_view_column_get_fixed_width(GTK_TREE_VIEW_COLUMN(shown->GetGtkHandle()));
        return {shown->GetTitle(), (shown->GetAlignment() & wxALIGN_RIGHT) != 0, width};
    }

    /// The selected rows, first to last.
    std::vector<long> SelectedRows() const
    {
        wxDataViewItemArray items;
        m_control.GetSelections(items);
        std::vector<long> rows;
        for (const wxDataViewItem& item : items)
            rows.push_back(static_cast<long>(Model().GetRow(item)));
        std::sort(rows.begin(), rows.end());
        return rows;
    }
#endif

private:
#ifndef __WXMSW__
    wxDataViewVirtualListModel& Model() const { return *static_cast<wxDataViewVirtualListModel*>(m_control.GetModel()); }
    wxDataViewItem Item(long row) const { return Model().GetItem(static_cast<unsigned int>(row)); }
#endif
    bool Differs(const wxColour& colour) const
    {
        return colour.IsOk() && colour != m_control.GetBackgroundColour();
    }

    SplitListControl& m_control;
};
