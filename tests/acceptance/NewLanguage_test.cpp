// A new language over an existing one in Lingobench: the translator's file is opened or keeps
// everything but its two names.
#include "acceptance/StagedInstall.h"
#include "langeditor/frmLingobench_res.h"
#include "langeditor/frmNewLanguage_res.h"

#include <gtest/gtest.h>

namespace {
// The file name of the chosen entry, without the share translated behind it.
std::string SelectedEntry(HWND lingobench)
{
    const int selected = SelectedListItem(lingobench, IDC_LB_LANG);
    const std::vector<std::string> entries = ListBoxTexts(Control(lingobench, IDC_LB_LANG));
    if (selected < 0 || selected >= static_cast<int>(entries.size())) return "";
    const std::string& entry = entries[static_cast<size_t>(selected)];
    return entry.substr(0, entry.find('\t'));
}

// The lines of the file with the two names replaced.
std::vector<std::string> WithNames(std::vector<std::string> lines, const std::string& name, const std::string& author)
{
    for (std::string& line : lines) {
        if (line.rfind("LanguageName=", 0) == 0) line = "LanguageName=" + name;
        if (line.rfind("Author=", 0) == 0) line = "Author=" + author;
    }
    return lines;
}
} // namespace

TEST(NewLanguage, AnExistingFileIsOpenedOrKeepsAllButItsTwoNames)
{
    StagedInstall install;
    const std::string german = install.LanguageFilePath("LNG_DE.ini");
    const std::vector<std::string> before = IniLines(ReadTextFile(german));
    auto lingobench = install.StartLingobench();
    HWND main = lingobench->WaitForWindowTitled("Lingobench");
    ASSERT_NE(main, nullptr);

    // The abbreviation of a file that exists, and no names.
    Click(main, IDC_LB_NEW);
    HWND create = lingobench->WaitForWindowTitled("New language");
    ASSERT_NE(create, nullptr);
    Type(create, IDC_NL_ABBREV, "de");
    Click(create, IDOK);
    const std::optional<std::string> question = lingobench->AnswerMessageBox(IDNO);
    ASSERT_TRUE(question);
    EXPECT_NE(question->find("already exists"), std::string::npos) << *question;
    const std::optional<std::string> refusal = lingobench->AnswerMessageBox(IDOK);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->find("created"), std::string::npos) << *refusal;
    EXPECT_TRUE(IsWindowVisible(create)) << "the window keeps the input";
    EXPECT_EQ(IniLines(ReadTextFile(german)), before);

    // Opened instead: the editing window names the file, and the list stays on it afterwards.
    Click(create, IDOK);
    EXPECT_TRUE(lingobench->AnswerMessageBox(IDYES));
    HWND edit = lingobench->WaitForWindowTitled("LNG_DE.ini - Edit language file");
    ASSERT_NE(edit, nullptr);
    Close(edit);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(edit); }));
    EXPECT_EQ(SelectedEntry(main), "LNG_DE.ini");
    EXPECT_EQ(IniLines(ReadTextFile(german)), before);

    // Replaced names: nothing else of the file changes.
    Click(main, IDC_LB_NEW);
    create = lingobench->WaitForWindowTitled("New language");
    ASSERT_NE(create, nullptr);
    Type(create, IDC_NL_LANGNAME, "Deutsch (Schweiz)");
    Type(create, IDC_NL_USERNAME, "Anna");
    Type(create, IDC_NL_ABBREV, "DE");
    Click(create, IDOK);
    EXPECT_TRUE(lingobench->AnswerMessageBox(IDNO));
    EXPECT_TRUE(lingobench->AnswerMessageBox(IDOK));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(create); }));
    EXPECT_EQ(IniLines(ReadTextFile(german)), WithNames(before, "Deutsch (Schweiz)", "Anna"));
    EXPECT_EQ(SelectedEntry(main), "LNG_DE.ini");
    Close(main);
    EXPECT_TRUE(lingobench->WaitForExit());
}
