// Switching the launcher's language: the main window speaks it at once and after a restart; a
// language made in Lingobench is offered.
#include "acceptance/StagedInstall.h"
#include "langeditor/frmEditLang_res.h"
#include "langeditor/frmLingobench_res.h"
#include "langeditor/frmNewLanguage_res.h"
#include "mainwindow/frmMain_res.h"

#include <gtest/gtest.h>

namespace {
// The texts a player sees first, each with its language-file ID.
struct Shown {
    int Id;
    const char* TextId;
};
constexpr Shown MAIN_TEXTS[] = {
    {IDC_CMDSTART, "BTN_START_VEKORA"}, {IDC_MAIN_TAB0, "TAB_GAMESETTINGS"}, {IDC_MAIN_TAB0 + 4, "TAB_EXTRA"},
    {IDC_CKFREEPLAY, "CHK_FREEPLAY"},   {IDC_LBLVEKOPATH, "LBL_VEKOPATH"},
};

bool SpeaksLanguage(HWND main, const std::string& abbrev)
{
    for (const Shown& shown : MAIN_TEXTS) {
        if (TextOf(Control(main, shown.Id)) != LanguageText(abbrev, "MAIN_DIALOG", shown.TextId)) return false;
    }
    return true;
}

// Chooses the entries of the Language menu one by one until the window shows what is asked for.
bool ChooseLanguage(HWND main, const std::function<bool()>& shown)
{
    for (int entry = 0; entry <= IDM_LANG_ITEM_LAST - IDM_LANG_ITEM_FIRST; ++entry) {
        if (CommandHandled(main, IDM_LANG_ITEM_FIRST + entry) && shown()) return true;
    }
    return false;
}

// The index of a text in a list, -1 when it is not there.
int IndexOf(const std::vector<std::string>& texts, const std::string& text, size_t from = 0)
{
    for (size_t i = from; i < texts.size(); ++i) {
        if (texts[i] == text) return static_cast<int>(i);
    }
    return -1;
}

// The language files a Lingobench list shows, without the share translated behind each name.
std::vector<std::string> LanguageFileNames(HWND list)
{
    std::vector<std::string> names = ListBoxTexts(list);
    for (std::string& name : names) name = name.substr(0, name.find('\t'));
    return names;
}
} // namespace

TEST(Language, GermanAtOnceAndAfterRestart)
{
    StagedInstall install;
    install.WriteDemoProfileSettings();
    {
        auto launcher = install.StartLauncher();
        HWND main = launcher->WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return SpeaksLanguage(main, "EN"); }));
        ASSERT_TRUE(ChooseLanguage(main, [&] { return SpeaksLanguage(main, "DE"); })) << "no entry of the Language menu switches to German";
        Close(main);
        launcher->AnswerMessageBoxesUntilExit(IDNO);
        ASSERT_TRUE(launcher->WaitForExit());
    }
    EXPECT_EQ(install.Setting("OPTIONS", "LANGUAGE"), "DE");
    auto again = install.StartLauncher();
    HWND main = again->WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return SpeaksLanguage(main, "DE"); }));
    Close(main);
    again->AnswerMessageBoxesUntilExit(IDNO);
    EXPECT_TRUE(again->WaitForExit());
}

TEST(Language, NewLanguageFromLingobenchIsOfferedAfterARestart)
{
    StagedInstall install;
    install.WriteDemoProfileSettings();
    const std::string translation = "Losfohrn";
    {
        auto launcher = install.StartLauncher();
        HWND main = launcher->WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        Command(main, IDM_EXTRA_ACCESSORIES_LINGOBENCH);
        HWND window = WaitForProgramWindow("Lingobench", install.LauncherDir());
        ASSERT_NE(window, nullptr) << "Extra > Accessories starts no Lingobench";
        DrivenProgram lingobench(window);

        Click(window, IDC_LB_NEW);
        HWND create = lingobench.WaitForWindowTitled("New language");
        ASSERT_NE(create, nullptr);
        Type(create, IDC_NL_LANGNAME, "Plattdeutsch");
        Type(create, IDC_NL_USERNAME, "Hein");
        Type(create, IDC_NL_ABBREV, "nds");
        Click(create, IDOK);
        int file = -1;
        const auto listed = [&] { return (file = IndexOf(LanguageFileNames(Control(window, IDC_LB_LANG)), "LNG_NDS.INI")) >= 0; };
        EXPECT_EQ(lingobench.AnswerMessageBoxesUntil(IDOK, [&] { return listed() && !IsWindowVisible(create); }).size(), 1u);
        ASSERT_TRUE(WaitUntil(listed));
        SelectListItem(window, IDC_LB_LANG, file);
        Click(window, IDC_LB_EDIT);
        HWND edit = lingobench.WaitForWindowTitled("LNG_NDS.INI - Edit language file");
        ASSERT_NE(edit, nullptr);
        const std::vector<std::string> words = ListBoxTexts(Control(edit, IDC_EL_LIST));
        const int word = IndexOf(words, "\tBTN_START_VEKORA", static_cast<size_t>(IndexOf(words, "MAIN_DIALOG") + 1));
        ASSERT_GT(word, 0);
        SelectListItem(edit, IDC_EL_LIST, word);
        ASSERT_TRUE(WaitUntil([&] { return TextOf(Control(edit, IDC_EL_ID)) == "BTN_START_VEKORA"; }));
        Type(edit, IDC_EL_TRANSLATION, translation);
        Click(edit, IDC_EL_SAVE);
        Close(edit);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(edit); }));
        Close(window);
        EXPECT_TRUE(lingobench.WaitForExit());
        Close(main);
        launcher->AnswerMessageBoxesUntilExit(IDNO);
        ASSERT_TRUE(launcher->WaitForExit());
    }
    auto again = install.StartLauncher();
    HWND main = again->WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(ChooseLanguage(main, [&] { return TextOf(Control(main, IDC_CMDSTART)) == translation; }))
        << "the Language menu does not offer the new language";
    Close(main);
    again->AnswerMessageBoxesUntilExit(IDNO);
    ASSERT_TRUE(again->WaitForExit());
    EXPECT_EQ(install.Setting("OPTIONS", "LANGUAGE"), "NDS");
}
