#include "l10n/language_choice.h"

#include <gtest/gtest.h>

#include <wx/arrstr.h>
#include <wx/intl.h>

TEST(LanguageChoice, FourRowsInOrderAndTheEndRowHidden)
{
    const auto rows = LanguageChoices();
    const wxArrayString labels = LanguageLabels(rows);
    ASSERT_EQ(labels.size(), 4u);
    EXPECT_EQ(labels[0], "(Use default language)");
    EXPECT_EQ(labels[1], "Chinese (Simplified)");
    EXPECT_EQ(labels[2], "English");
    EXPECT_EQ(labels[3], "Japanese");

    const int expected[] = {wxLANGUAGE_DEFAULT, wxLANGUAGE_CHINESE_SIMPLIFIED, wxLANGUAGE_ENGLISH,
                            wxLANGUAGE_JAPANESE};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(LanguageAt(rows, i), expected[i]);
    EXPECT_EQ(LanguageAt(rows, -1), wxLANGUAGE_UNKNOWN);
    EXPECT_EQ(LanguageAt(rows, 4), wxLANGUAGE_UNKNOWN);
}
