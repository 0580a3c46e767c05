#include "l10n/language_choice.h"

#include <gtest/gtest.h>

#include <wx/arrstr.h>
#include <wx/intl.h>

// The rows themselves and their order are what the user sees: the GUI tests check them in the
// list the program shows. Here: the end row and the row lookup.
TEST(LanguageChoice, TheListEndsAtTheFirstEmptyLabel)
{
    const std::vector<LanguageChoice> rows = {
        {"First", wxLANGUAGE_FRENCH},
        {"Second", wxLANGUAGE_GERMAN},
        {wxString(), wxLANGUAGE_UNKNOWN},
        {"After the end", wxLANGUAGE_ITALIAN},
    };
    const wxArrayString labels = LanguageLabels(rows);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[1], "Second");
    EXPECT_EQ(LanguageAt(rows, 1), wxLANGUAGE_GERMAN);
    EXPECT_EQ(LanguageAt(rows, -1), wxLANGUAGE_UNKNOWN) << "cancelled";
    EXPECT_EQ(LanguageAt(rows, 3), wxLANGUAGE_UNKNOWN) << "a row past the end is never chosen";
    for (int language : {wxLANGUAGE_UNKNOWN, wxLANGUAGE_ITALIAN})
        EXPECT_EQ(LanguageRow(rows, language), -1) << "nor selected";
    EXPECT_EQ(LanguageRow(rows, wxLANGUAGE_GERMAN), 1);
}
