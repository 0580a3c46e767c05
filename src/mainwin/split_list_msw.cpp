#include "mainwin/split_list.h"

#include "desktop/accessible_name.h"

#include <wx/listctrl.h>

// The system's list view, which screen readers read through the system's own accessibility.

SplitList::SplitList(wxWindow* parent, long id, const std::vector<SplitRecord>& rows) : m_records(rows)
{
    ListCtrlSplit = new wxListCtrl(parent, id, wxDefaultPosition, wxSize(-1, parent->FromDIP(SplitListHeight)),
                                   wxLC_REPORT | wxLC_VRULES, wxDefaultValidator, "ID_LISTCTRL_SPLIT");
    ListCtrlSplit->Bind(wxEVT_CONTEXT_MENU, &SplitList::OnContextMenu, this);
}

wxWindow* SplitList::GetWindow() const
{
    return ListCtrlSplit;
}

void SplitList::AppendColumn(const wxString& heading, bool rightAligned, int width)
{
    ListCtrlSplit->InsertColumn(ListCtrlSplit->GetColumnCount(), heading,
                                rightAligned ? wxLIST_FORMAT_RIGHT : wxLIST_FORMAT_LEFT, width);
}

void SplitList::SetAccessibleName(const wxString& name)
{
    ::SetAccessibleName(*ListCtrlSplit, name);
}

void SplitList::SetColumnWidth(int column, int width)
{
    ListCtrlSplit->SetColumnWidth(column, width);
}

int SplitList::HeadingWidth(int column) const
{
    // The header draws its text with the list's font, between margins as wide as a cell's.
    wxListItem item;
    item.SetMask(wxLIST_MASK_TEXT);
    ListCtrlSplit->GetColumn(column, item);
    return ListCtrlSplit->GetTextExtent(item.GetText()).x + CellPadding();
}

int SplitList::CellPadding() const
{
    // The list view's margins on both sides of a cell's text.
    return ListCtrlSplit->FromDIP(14);
}

void SplitList::ShowAddedRow(long row)
{
    const long index = ListCtrlSplit->InsertItem(row, CellText(row, 0));
    for (int column = 1; column < GetColumnCount(); ++column)
        ListCtrlSplit->SetItem(index, column, CellText(row, column), -1);
    if (IsShadedRow(index))
        ListCtrlSplit->SetItemBackgroundColour(index, ShadeColour());
    ListCtrlSplit->EnsureVisible(index);
}

void SplitList::ClearShown()
{
    ListCtrlSplit->DeleteAllItems();
}

std::vector<long> SplitList::GetSelectedRows() const
{
    std::vector<long> rows;
    for (long row = ListCtrlSplit->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); row >= 0;
         row = ListCtrlSplit->GetNextItem(row, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED))
        rows.push_back(row);
    return rows;
}

void SplitList::SelectAll()
{
    ListCtrlSplit->SetItemState(-1, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
}

int SplitList::GetColumnCount() const
{
    return ListCtrlSplit->GetColumnCount();
}

wxPoint SplitList::KeyboardMenuPoint() const
{
    wxRect row;
    const long focused = ListCtrlSplit->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_FOCUSED);
    return focused >= 0 && ListCtrlSplit->GetItemRect(focused, row) ? row.GetBottomLeft() : wxPoint(0, 0);
}
