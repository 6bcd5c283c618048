// A player's first start: the game path asked for, the game started through the confirmation,
// and what the launcher keeps of it.
#include "acceptance/StagedInstall.h"
#include "mainwindow/frmMain_res.h"
#include "dialogs/frmSave_res.h"
#include "dialogs/frmStartingVekora_res.h"

#include <gtest/gtest.h>

namespace {
bool IsConfirmation(HWND window)
{
    return Control(window, IDC_SV_DONTSHOW) != nullptr;
}
} // namespace

TEST(FirstStart, AsksForTheGameAndStartsItWithTheProfilesCommandLine)
{
    StagedInstall install;
    {
        auto launcher = install.StartLauncher();
        HWND ask = launcher->WaitForWindowTitled(LanguageText("EN", "SELECT_VEKORAFOLDER_DIALOG", "DIALOG_CAPTION"));
        ASSERT_NE(ask, nullptr) << "the game path is not asked for";
        Type(ask, FILE_NAME_FIELD, install.GamePath());
        Click(ask, IDOK);
        HWND main = launcher->WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(TextOf(Control(Control(main, IDC_TXTVEKORAPATH), 4001)), install.GamePath());

        Click(main, IDC_CMDSTART);
        HWND confirm = launcher->WaitForWindow(IsConfirmation);
        ASSERT_NE(confirm, nullptr) << "no start confirmation";
        const std::string shown = TextOf(Control(confirm, IDC_SV_INFO));
        SetChecked(confirm, IDC_SV_DONTSHOW, true);
        Click(confirm, IDOK);
        std::string record;
        ASSERT_TRUE(WaitUntil([&] { return !(record = install.TakeStartRecord()).empty(); })) << "the game did not run";
        EXPECT_EQ(record, ExpectedStartRecord(shown, install.GameDir()));

        Close(main);
        HWND question = launcher->WaitForMessageBox();
        ASSERT_NE(question, nullptr) << "the new game path is not offered for saving";
        Command(question, IDYES);
        HWND save = launcher->WaitForWindowTitled(LanguageText("EN", "SAVE_DIALOG", "DIALOG_CAPTION"));
        ASSERT_NE(save, nullptr);
        Click(save, IDOK);
        ASSERT_TRUE(launcher->WaitForExit());
    }
    EXPECT_EQ(install.Setting("OPTIONS", "STARTVEKORADIALOG"), "0");
    EXPECT_EQ(install.Setting("PROFILES", "LASTACTIVEPROFILE"), "PROFILE_DEFAULT");
    EXPECT_EQ(install.Setting("APPLICATION", "FILEVERSION"), "1.1");
    EXPECT_EQ(install.Setting("APPLICATION", "APPVERSION"), "0.0.24");
    EXPECT_EQ(install.Setting("PROFILE_DEFAULT", "VEKOPATH"), install.GamePath());

    auto again = install.StartLauncher();
    HWND main = again->WaitForMainWindow();
    ASSERT_NE(main, nullptr) << "the saved game path is asked for again";
    Click(main, IDC_CMDSTART);
    std::string record;
    ASSERT_TRUE(WaitUntil([&] { return !(record = install.TakeStartRecord()).empty(); }));
    EXPECT_EQ(again->WaitForWindow(IsConfirmation, 0), nullptr) << "the confirmation came back";
    Close(main);
    EXPECT_TRUE(again->WaitForExit());
}
