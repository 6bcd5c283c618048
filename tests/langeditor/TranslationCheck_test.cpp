// Warnings about marks and placeholders a translation loses or adds, and the test text.
#include <gtest/gtest.h>

#include "langeditor/TranslationCheck.h"

TEST(CheckTranslation, WarnsToTheCharacter)
{
    const struct { std::string English, Translation, Warnings; } cases[] = {
        {"&Open", "Offnen", "Your translation doesn't include the string '&'.\r\n\r\n"},
        {"Name", "Name:",
         "Your translation includes the string ':'.The orginal english text doesn't include the string ':'.\r\n\r\n"},
        {"Line one\r\nline two", "Eine Zeile", "Your translation doesn't include a linebreak.\r\n\r\n"},
        {"Save %P10%?", "Speichern %P1%",
         "Your translation doesn't include the string '?'.\r\n\r\n"
         "Your translation includes the string '%P1%'.The orginal english text doesn't include the string "
         "'%P1%'.\r\n\r\n"
         "Your translation doesn't include the string '%P10%'.\r\n\r\n"},
        {"Wait...", "Bitte warten... ...", ""},
        {"&Open", "", ""},
        {"", "&Offnen", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckTranslation(c.English, c.Translation), c.Warnings) << c.English;
}

TEST(GetTestText, ShowsLineBreaksAndTheFirstParameter)
{
    EXPECT_EQ(GetTestText("&Datei %P1%\\n%P2% %P1%"), "&Datei Parameter1\r\n%P2% Parameter1");
}
