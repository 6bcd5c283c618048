// New language files: their name, their [FileInfo] values and the abbreviations refused.
#include <gtest/gtest.h>

#include "langeditor/NewLanguage.h"
#include "support/TestFiles.h"

TEST(NewLanguageFile, NamedFromTheAbbreviationStrippedAfterTheExtension)
{
    const struct { std::string Abbrev, Expected; } cases[] = {
        {"de", "C:\\cfg\\LNG_DE.INI"}, {" de", "C:\\cfg\\LNG_DE.INI"}, {"de ", "C:\\cfg\\LNG_DE .INI"},
    };
    for (const auto& c : cases) EXPECT_EQ(NewLanguageFilePath("C:\\cfg", c.Abbrev), c.Expected) << c.Abbrev;
}

TEST(NewLanguageFile, RefusesAbbreviationsThatCannotNameALanguageFile)
{
    for (const char* bad : {"", "   ", "D/E", "DE?", "A:B", "x\"y", "a|b", "a<b", "a*b", "a\\b"}) {
        EXPECT_NE(AbbrevProblem(bad), "") << bad;
    }
    for (const char* good : {"DE", "pt-BR", "de "}) EXPECT_EQ(AbbrevProblem(good), "") << good;
}

TEST(NewLanguageFile, WritesItsFileInfoAndKeepsExistingTranslations)
{
    TempFolder folder;
    const std::string path = folder.Path() + "LNG_DE.INI";
    CreateLanguageFile(path, " Deutsch ", "");
    EXPECT_EQ(ReadTextFile(path), "[FileInfo]\r\nLanguageName=Deutsch\r\nAuthor=\r\n");

    WriteTextFile(path, "[FileInfo]\r\nLanguageName=Old\r\nAuthor=Old\r\n[GLOBAL]\r\nBTN_OK=Gut\r\n");
    CreateLanguageFile(path, "Deutsch", "Anna");
    EXPECT_EQ(ReadTextFile(path), "[FileInfo]\r\nLanguageName=Deutsch\r\nAuthor=Anna\r\n[GLOBAL]\r\nBTN_OK=Gut\r\n");

    const std::string gone = folder.Path() + "gone\\LNG_DE.INI";
    EXPECT_NE(ErrorOf([&] { CreateLanguageFile(gone, "Deutsch", "Anna"); }).Description.find(gone), std::string::npos);
}
