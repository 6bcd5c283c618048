// Storing translations and reading them back through the language file.
#include <gtest/gtest.h>

#include "langeditor/EditedFile.h"
#include "langeditor/WordList.h"
#include "support/TestFiles.h"

namespace {
class EditedLanguageFile : public testing::Test {
protected:
    std::string Path(const char* name) const { return m_folder.Path() + name; }
    TempFolder m_folder;
};
} // namespace

TEST_F(EditedLanguageFile, SavedTextsComeBackAsTheyWereTyped)
{
    WriteTextFile(Path("LNG_EN.INI"), "[MAIN]\nMSG_A=Line one\\nline two\nMSG_B=Save\n");
    WriteTextFile(Path("LNG_DE.INI"), "[MAIN]\nMSG_B=Speichern\n");
    const EditedFile file(Path("LNG_DE.INI"), Path("LNG_EN.INI"));

    EXPECT_EQ(file.ReadEnglishText("main", "msg_a"), "Line one\r\nline two");
    file.SaveTranslation("MAIN", "MSG_A", "\r\n\t \r\nZeile eins\r\nZeile zwei\r\n\r\n ");
    EXPECT_NE(ReadTextFile(Path("LNG_DE.INI")).find("MSG_A=Zeile eins\\nZeile zwei"), std::string::npos);
    EXPECT_EQ(file.ReadTranslation("MAIN", "MSG_A"), "Zeile eins\r\nZeile zwei");

    // A pasted lone line feed must not start a line of its own in the file.
    file.SaveTranslation("MAIN", "MSG_A", "eins\ndrei");
    EXPECT_EQ(file.ReadTranslation("MAIN", "MSG_A"), "eins\r\ndrei");

    // Emptied and saved, the ID stays with no value and counts as not translated again.
    file.SaveTranslation("MAIN", "MSG_B", "  ");
    EXPECT_NE(ReadTextFile(Path("LNG_DE.INI")).find("MSG_B=\r\n"), std::string::npos);
    EXPECT_EQ(BuildWordList(file, true), (std::vector<WordListEntry>{{"MAIN", -1}, {"\tMSG_B", 0}}));
}

TEST_F(EditedLanguageFile, AWriteTheSystemRefusesRaisesAnErrorNamingTheFile)
{
    const EditedFile file(Path("gone\\LNG_DE.INI"), Path("LNG_EN.INI"));
    const AppError error = ErrorOf([&] { file.SaveTranslation("MAIN", "MSG_A", "x"); });
    EXPECT_NE(error.Description.find(Path("gone\\LNG_DE.INI")), std::string::npos);
}

TEST(EditedFileKind, TheEnglishFileIsKnownByItsNameInAnyCase)
{
    EXPECT_TRUE(EditedFile("C:\\x\\config\\lng_en.ini", "").IsEnglish());
    EXPECT_FALSE(EditedFile("C:\\x\\config\\LNG_ENG.INI", "").IsEnglish());
    EXPECT_FALSE(EditedFile("EN.INI", "").IsEnglish());
}
