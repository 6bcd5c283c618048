// A player's own profile: made, set, saved, left and taken up again, and kept over a restart.
#include "acceptance/StagedInstall.h"
#include "dialogs/frmEditProfile_res.h"
#include "dialogs/frmSave_res.h"
#include "mainwindow/frmMain_res.h"

#include <gtest/gtest.h>

namespace {
struct MainValues {
    bool Freeplay, Log, UserResolution;
    std::string Width, Height, Scenario, GraphicPak;
    int Refresh;
    bool operator==(const MainValues&) const = default;
};

MainValues ReadValues(HWND main)
{
    return {IsChecked(main, IDC_CKFREEPLAY), IsChecked(main, IDC_CKLOGMESSAGES), IsChecked(main, IDC_OPRESOLUTION1),
            TextOf(Control(main, IDC_TXTRES_WIDTH)), TextOf(Control(main, IDC_TXTRES_HEIGHT)),
            TextOf(Control(main, IDC_TXTSCENARIO)), TextOf(Control(main, IDC_TXTGRAPHICPACK)),
            SelectedListItem(main, IDC_LSTREFRESH)};
}

std::ostream& operator<<(std::ostream& out, const MainValues& v)
{
    return out << "freeplay " << v.Freeplay << ", log " << v.Log << ", own resolution " << v.UserResolution << " "
               << v.Width << "x" << v.Height << ", scenario '" << v.Scenario << "', pak '" << v.GraphicPak
               << "', refresh " << v.Refresh;
}
} // namespace

TEST(ProfileRoundTrip, NewProfileKeepsEveryValueOverSwitchesAndRestart)
{
    StagedInstall install;
    install.WriteSettings("[PROFILES]\r\nLASTACTIVEPROFILE=PROFILE_DEFAULT\r\n[PROFILE_DEFAULT]\r\nVEKOPATH=" +
                          install.GamePath() + "\r\n");
    MainValues set;
    {
        auto launcher = install.StartLauncher();
        HWND main = launcher->WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        const MainValues standard = ReadValues(main);

        Command(main, IDM_PROFILE_NEW);
        HWND edit = launcher->WaitForWindow([](HWND w) { return Control(w, IDC_EP_NAME) != nullptr; });
        ASSERT_NE(edit, nullptr);
        Type(edit, IDC_EP_NAME, "Winter, long run");
        Type(edit, IDC_EP_DESCRIPTION, "Harbour in winter");
        Click(edit, IDOK);
        // A new profile has no game of its own yet.
        HWND ask = launcher->WaitForWindowTitled(LanguageText("EN", "SELECT_VEKORAFOLDER_DIALOG", "DIALOG_CAPTION"));
        ASSERT_NE(ask, nullptr);
        Type(ask, FILE_NAME_FIELD, install.GamePath());
        Click(ask, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(ask) && !IsWindow(edit); }));

        SetChecked(main, IDC_CKFREEPLAY, true);
        SetChecked(main, IDC_CKLOGMESSAGES, true);
        SetChecked(main, IDC_OPRESOLUTION1, true);
        SetChecked(main, IDC_OPRESOLUTION0, false);
        Type(main, IDC_TXTRES_WIDTH, "1024");
        Type(main, IDC_TXTRES_HEIGHT, "768");
        SelectComboItem(main, IDC_TXTSCENARIO, 1);
        SelectComboItem(main, IDC_TXTGRAPHICPACK, 1);
        SelectListItem(main, IDC_LSTREFRESH, 2);
        set = ReadValues(main);
        ASSERT_FALSE(set == standard);

        Command(main, IDM_FILE_SAVE);
        HWND save = launcher->WaitForWindow([](HWND w) { return Control(w, IDC_SAVE_PROFILES) != nullptr; });
        ASSERT_NE(save, nullptr);
        Click(save, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(save); }));

        Command(main, IDM_PROFILE_LIST_FIRST);
        EXPECT_TRUE(WaitUntil([&] { return ReadValues(main) == standard; })) << ReadValues(main);
        Command(main, IDM_PROFILE_LIST_FIRST + 1);
        EXPECT_TRUE(WaitUntil([&] { return ReadValues(main) == set; })) << ReadValues(main);
        Close(main);
        launcher->AnswerMessageBoxes(IDNO, 2000); // saved already
        ASSERT_TRUE(launcher->WaitForExit());
    }
    EXPECT_EQ(install.Setting("profile_Winter, long run", "DESCRIPTION"), "Harbour in winter");
    auto again = install.StartLauncher();
    HWND main = again->WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return ReadValues(main) == set; })) << ReadValues(main);
    Close(main);
    EXPECT_TRUE(again->WaitForExit());
}
