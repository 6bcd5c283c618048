// The word list built from an English file against an edited file.
#include <gtest/gtest.h>

#include "base/mFunctions.h"
#include "langeditor/WordList.h"
#include "support/TestFiles.h"

namespace {

using Entries = std::vector<WordListEntry>;

struct WordListCase {
    const char* Name;
    std::string English;
    std::string Edited;
    bool OnlyNotTranslated;
    Entries Expected;
};

class WordList : public testing::Test {
protected:
    EditedFile Files(const std::string& english, const std::string& edited)
    {
        WriteTextFile(m_folder.Path() + "LNG_EN.INI", english);
        WriteTextFile(m_folder.Path() + "LNG_DE.INI", edited);
        return EditedFile(m_folder.Path() + "LNG_DE.INI", m_folder.Path() + "LNG_EN.INI");
    }
    TempFolder m_folder;
};

} // namespace

TEST_F(WordList, ListsHeadersIdsSeparatorsAndEmptySectionMarks)
{
    const std::string abc = "[A]\r\nA1=one\r\nA2=two\r\n[B]\r\n[C]\r\nC1=three\r\n";
    const WordListCase cases[] = {
        {"sections A, B and C", abc, "", false,
         {{"A", -1}, {"\tA1", 0}, {"\tA2", 0}, {"", -1}, {"B", -1}, {"\t-", -1}, {"", -1}, {"C", -1}, {"\tC1", 7}}},
        {"translated IDs hidden, a fully translated section keeps its header", abc,
         "[a]\r\na1=eins\r\nA2=zwei\r\n[C]\r\nC1=\r\n", true,
         {{"A", -1}, {"\t-", -1}, {"", -1}, {"B", -1}, {"\t-", -1}, {"", -1}, {"C", -1}, {"\tC1", 6}}},
        {"the last section without listed IDs ends in a mark", "[A]\nA1=x\n", "[A]\nA1=y\n", true,
         {{"A", -1}, {"\t-", -1}}},
        {"comments, blanks, a duplicate ID and Unix line ends",
         "; head\n\n  [Main] ; the main window\nBTN_OK  = OK\n   \n  ; indented comment\nBTN_OK=again\nX\tY=z\n",
         "", false,
         {{"Main", -1}, {"\tBTN_OK", 0}, {"\t", 0}, {"\tBTN_OK", 0}, {"\tX", 0}}},
        {"sections only in the edited file are not listed", "[A]\nA1=x\n", "[Z]\nZ1=y\n", false,
         {{"A", -1}, {"\tA1", 0}}},
        {"a header without its bracket", "[Open\nO1=x\n", "", false, {{"Open", -1}, {"\tO1", 0}}},
        {"IDs above the first header belong to no section", "TOP=x\n[A]\n", "", false,
         {{"\tTOP", -1}, {"", -1}, {"A", -1}, {"\t-", -1}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BuildWordList(Files(c.English, c.Edited), c.OnlyNotTranslated), c.Expected) << c.Name;
    }
}

TEST_F(WordList, HidesExactlyWhatReadsAsTranslated)
{
    const std::string values[] = {"x", "", "  ", "\"\"", "''", "\"x\"", "\"", "'a", "\"\" ", "\" \"", "\t"};
    // Blanks around "=" and a value of blanks only: the section read may hand them over as written.
    std::string english = "[S]\n", edited = "[s]\nDUP=\nDUP=x\nNOVALUE\nSPACED = x\nBLANKS =   \n";
    for (size_t i = 0; i < std::size(values); ++i) {
        const std::string number = std::to_string(i);
        english.append("K").append(number).append("=e\n");
        edited.append("k").append(number).append("=").append(values[i]).append("\n");
    }
    english += "DUP=e\nNOVALUE=e\nSPACED=e\nBLANKS=e\nMISSING=e\nLATER=e\n";
    edited += "[S]\nLATER=x\n";
    const EditedFile file = Files(english, edited);
    const auto list = BuildWordList(file, true);
    ASSERT_TRUE(list);
    Entries expected = {{"S", -1}};
    for (const char* id : {"K0", "K1", "K2", "K3", "K4", "K5", "K6", "K7", "K8", "K9", "K10", "DUP", "NOVALUE",
                           "SPACED", "BLANKS", "MISSING", "LATER"}) {
        if (TrimWhiteSpace(file.ReadTranslation("S", id), TabIs::WhiteSpace).empty()) expected.push_back({std::string("\t") + id, 0});
    }
    EXPECT_EQ(*list, expected);
    EXPECT_GT(expected.size(), 4u);
}

TEST_F(WordList, AMissingEnglishFileGivesNoList)
{
    EXPECT_FALSE(BuildWordList(EditedFile(m_folder.Path() + "LNG_DE.INI", m_folder.Path() + "LNG_EN.INI"), false));
}

TEST(WordListKey, IdEntriesNameTheirSectionAndIdOthersNothing)
{
    const Entries list = {{"MAIN", -1}, {"\tBTN_OK", 0}, {"\t", 0}, {"", -1}, {"\t-", -1}};
    const struct { int Index; std::string Section, ID; } cases[] = {
        {1, "MAIN", "BTN_OK"}, {2, "MAIN", ""}, {0, "", ""}, {3, "", ""}, {4, "", ""}, {-1, "", ""}, {5, "", ""},
    };
    for (const auto& c : cases) {
        const WordListKey key = KeyOfEntry(list, c.Index);
        EXPECT_EQ(key.Section, c.Section) << c.Index;
        EXPECT_EQ(key.ID, c.ID) << c.Index;
    }
}
