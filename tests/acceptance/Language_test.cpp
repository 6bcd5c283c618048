// Switching the launcher's language: the main window speaks it at once and after a restart.
#include "acceptance/StagedInstall.h"
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

// Chooses the entries of the Language menu one by one until the window speaks the language.
bool ChooseLanguage(HWND main, const std::string& abbrev)
{
    for (int entry = 0; entry <= IDM_LANG_ITEM_LAST - IDM_LANG_ITEM_FIRST; ++entry) {
        Command(main, IDM_LANG_ITEM_FIRST + entry);
        if (WaitUntil([&] { return SpeaksLanguage(main, abbrev); }, 1000)) return true;
    }
    return false;
}
} // namespace

TEST(Language, GermanAtOnceAndAfterRestart)
{
    StagedInstall install;
    install.WriteSettings("[PROFILES]\r\nLASTACTIVEPROFILE=PROFILE_DEFAULT\r\n[PROFILE_DEFAULT]\r\nVEKOPATH=" +
                          install.GamePath() + "\r\n");
    {
        auto launcher = install.StartLauncher();
        HWND main = launcher->WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return SpeaksLanguage(main, "EN"); }));
        ASSERT_TRUE(ChooseLanguage(main, "DE")) << "no entry of the Language menu switches to German";
        Close(main);
        launcher->AnswerMessageBoxes(IDNO, 2000);
        ASSERT_TRUE(launcher->WaitForExit());
    }
    EXPECT_EQ(install.Setting("OPTIONS", "LANGUAGE"), "DE");
    auto again = install.StartLauncher();
    HWND main = again->WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return SpeaksLanguage(main, "DE"); }));
    Close(main);
    again->AnswerMessageBoxes(IDNO, 2000);
    EXPECT_TRUE(again->WaitForExit());
}
