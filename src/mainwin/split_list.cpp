#include "mainwin/split_list.h"

#include "timing/time_text.h"
#include "resources/atomic_file.h"

#include <wx/clipbrd.h>
#include <wx/datetime.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/stdpaths.h>
#include <wx/window.h>

void SplitList::ShowRows()
{
    const long rows = static_cast<long>(m_records.size());
    if (rows < m_shown)
    {
        ClearShown();
        m_shown = 0;
    }
    while (m_shown < rows)
    {
        const long row = m_shown++;
        FitRow(row);
        ShowAddedRow(row);
    }
}

void SplitList::CreateColumns()
{
    if (GetColumnCount() > 0)
        return; // shown once more: the window has its columns
    const wxWindow& window = *GetWindow();
    for (std::size_t c = 0; c < SplitListColumnCount(); ++c)
    {
        const SplitColumn& column = SplitColumns()[c];
        AppendColumn(wxGetTranslation(column.heading), column.rightAligned,
                     window.FromDIP(column.width));
    }
    FitColumns();
}

void SplitList::FitColumns()
{
    if (GetColumnCount() == 0)
        return;
    const wxWindow& window = *GetWindow();
    std::vector<int> least;
    for (std::size_t c = 0; c < SplitListColumnCount(); ++c)
        least.push_back(window.FromDIP(SplitColumns()[c].width));
    m_widths = SplitColumnWidths(least, CellPadding());
    for (std::size_t c = 0; c < SplitListColumnCount(); ++c)
    {
        m_widths.FitWidth(c, HeadingWidth(static_cast<int>(c)));
        if (const auto* words = SplitColumns()[c].words)
            for (const char* word : *words)
                m_widths.FitText(c, window.GetTextExtent(wxGetTranslation(word)).x);
    }
    for (long row = 0; row < GetRowCount(); ++row)
        FitRow(row);
    for (std::size_t c = 0; c < SplitListColumnCount(); ++c)
        SetColumnWidth(static_cast<int>(c), m_widths.Width(c));
}

void SplitList::ApplyDpi()
{
    GetWindow()->SetMinSize(wxSize(-1, GetWindow()->FromDIP(SplitListHeight)));
    FitColumns();
}

void SplitList::FitRow(long row)
{
    if (GetColumnCount() == 0)
        return; // sized when the columns come
    for (std::size_t c = 0; c < SplitListColumnCount(); ++c)
    {
        if (SplitColumns()[c].words)
            continue; // fitted to every word it can hold
        if (m_widths.FitText(c, GetWindow()->GetTextExtent(CellText(row, static_cast<int>(c))).x))
            SetColumnWidth(static_cast<int>(c), m_widths.Width(c));
    }
}

wxColour SplitList::ShadeColour() const
{
    const wxColour background = GetWindow()->GetBackgroundColour();
    const Rgb shade = RowShade(wxSystemSettings::GetAppearance().IsDark(),
                               {background.Red(), background.Green(), background.Blue()});
    return wxColour(shade.red, shade.green, shade.blue);
}

wxString SplitList::CellText(long row, int column) const
{
    return SplitCellText(SplitColumns()[static_cast<std::size_t>(column)], m_records,
                         static_cast<std::size_t>(row));
}

void SplitList::Copy() const
{
    if (m_records.empty())
        return;
    const wxString text = SplitRowsText(m_records, GetSelectedRows());
    wxClipboardLocker clipboard;
    if (!clipboard)
        return;
    wxTheClipboard->SetData(new wxTextDataObject(text));
    // Hand the text to a clipboard manager, if the desktop runs one, so it outlives the program.
    wxTheClipboard->Flush();
}

void SplitList::Save() const
{
    if (m_records.empty())
        return;
    wxString folder = wxStandardPaths::Get().GetDocumentsDir();
    wxString name = LapsFileName(wxDateTime::Now());
    // A No to the replace question goes back to the chooser, as the chooser's own question does,
    // for another name.
    for (;;)
    {
        wxFileDialog dialog(GetWindow()->GetParent(), _("Save laps"), folder, name,
                            _("CSV files (*.csv)") + "|*.csv", wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
        if (dialog.ShowModal() != wxID_OK)
            return;
        // GTK's dialog answers from its chooser, which knows no path when the dialog was answered
        // without being drawn (as a test answers it); the toolkit's common part keeps the one set.
        const wxString chosen = dialog.GetPath().empty() ? dialog.wxFileDialogBase::GetPath() : dialog.GetPath();
        const wxString path = WithCsvExtension(chosen);
        // The dialog asked about the name as typed; the name with its extension may be taken too.
        if (path != chosen && wxFileName::Exists(path))
        {
            // TRANSLATORS: %s is the file's name.
            const wxString question = wxString::Format(
                _("A file named \"%s\" already exists. Do you want to replace it?"), wxFileName(path).GetFullName());
            if (wxMessageBox(question, _("Save laps"), wxYES_NO | wxNO_DEFAULT | wxICON_WARNING,
                             GetWindow()->GetParent()) != wxYES)
            {
                folder = wxFileName(chosen).GetPath();
                name = wxFileName(chosen).GetFullName();
                continue;
            }
        }
        SaveTo(path);
        return;
    }
}

bool SplitList::SaveTo(const wxString& path) const
{
    const wxString reason = WriteFileAtomically(path, SplitRowsCsv(m_records));
    if (reason.empty())
        return true;
    // TRANSLATORS: the first %s is the file's path, the second the system's reason.
    wxMessageBox(wxString::Format(_("The laps could not be saved to \"%s\": %s."), path, reason),
                 _("Lapmark"), wxOK | wxICON_ERROR, GetWindow()->GetParent());
    return false;
}

std::unique_ptr<wxMenu> SplitList::CreateMenu() const
{
    auto menu = std::make_unique<wxMenu>();
    // Our own catalog's labels: the toolkit's stock texts are untranslated where its catalogs are
    // not installed.
    menu->Append(wxID_COPY, _("&Copy") + "\tCtrl+C");
    menu->Append(wxID_SAVE, _("&Save laps...") + "\tCtrl+S");
    menu->Append(wxID_SELECTALL, _("Select &All") + "\tCtrl+A");
    // The window's keys that also work from other windows are chosen here.
    menu->AppendSeparator();
    menu->Append(wxID_PREFERENCES, _("&Keys in Every Window..."));
    menu->Enable(wxID_COPY, !m_records.empty());
    menu->Enable(wxID_SAVE, !m_records.empty());
    return menu;
}

wxPoint SplitList::MenuPoint(const wxContextMenuEvent& request) const
{
    // From the keyboard (Menu, Shift+F10) there is no pointer position.
    return request.GetPosition() == wxDefaultPosition
               ? KeyboardMenuPoint()
               : GetWindow()->ScreenToClient(request.GetPosition());
}

void SplitList::OnContextMenu(wxContextMenuEvent& event)
{
    const std::unique_ptr<wxMenu> menu = CreateMenu();
    GetWindow()->PopupMenu(menu.get(), MenuPoint(event));
}
