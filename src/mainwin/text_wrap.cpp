#include "mainwin/text_wrap.h"

#include <wx/window.h>

namespace
{
/// Chinese and Japanese characters, and their punctuation: a line may break before any of them.
bool BreaksAnywhere(wxUniChar c)
{
    return c.GetValue() >= 0x2E80;
}
} // namespace

wxString WrapText(const wxWindow& window, const wxString& text, int width)
{
    wxString wrapped, line;
    // Where `line` may be broken: at a space (dropped) or before a character that breaks
    // anywhere (kept); npos while it may not.
    size_t breakAt = wxString::npos;
    bool atSpace = false;
    for (const wxUniChar c : text)
    {
        if (c == '\n')
        {
            wrapped << line << '\n';
            line.clear();
            breakAt = wxString::npos;
            continue;
        }
        if (line.empty() && c == ' ')
            continue; // no line starts with the space it was broken at
        if (!line.empty() && window.GetTextExtent(line + c).x > width)
        {
            if (c == ' ' || breakAt == wxString::npos || BreaksAnywhere(c))
            {
                wrapped << line << '\n';
                line.clear();
            }
            else
            {
                wrapped << line.Left(breakAt) << '\n';
                line = line.Mid(breakAt + (atSpace ? 1 : 0));
            }
            breakAt = wxString::npos;
            if (c == ' ')
                continue;
        }
        if (c == ' ' || BreaksAnywhere(c))
        {
            breakAt = line.length();
            atSpace = c == ' ';
        }
        line << c;
    }
    return wrapped << line;
}
