// A shortcut to the game with the player's profile: Extra > Create shortcut, the wizard's pages
// through to a folder of the player's choice, and the link as an independent reader sees it.
#include "acceptance/StagedInstall.h"
#include "controls/ucPath.h"
#include "mainwindow/frmMain_res.h"
#include "shortcuts/LnkInfo.h"
#include "shortcuts/frmCreateVekoraShortcut_New_res.h"

#include <gtest/gtest.h>

namespace {
// Next (Enter), then waits for a control of the page it should lead to.
bool NextTo(HWND wizard, int controlOfPage)
{
    Command(wizard, IDOK);
    return WaitUntil([&] { return IsWindowVisible(Control(wizard, controlOfPage)) != FALSE; });
}

// From the page after the settings: a folder of the player's choice, the link's name, Create,
// and the wizard closed once it says it has finished. The messages it showed on the way.
std::vector<std::string> WriteLinkIntoFolder(const DrivenProgram& launcher, HWND wizard, const std::string& folder,
                                             const std::string& linkName)
{
    if (!NextTo(wizard, IDC_CS_OPDEST3)) return {"(no destination page)"};
    Click(wizard, IDC_CS_OPDEST3);
    if (!NextTo(wizard, IDC_CS_TXTDESTFOLDER)) return {"(no folder page)"};
    Type(Control(wizard, IDC_CS_TXTDESTFOLDER), IDC_UCPATH_TXTPATH, folder);
    if (!NextTo(wizard, IDC_CS_TXTLINKNAME)) return {"(no name page)"};
    Type(wizard, IDC_CS_TXTLINKNAME, linkName);
    Command(wizard, IDOK);
    const auto finished = [&] { return IsWindowVisible(Control(wizard, IDC_CS_CKCREATEFURTHERSHORTCUT)) != FALSE; };
    std::vector<std::string> messages = launcher.AnswerMessageBoxesUntil(IDOK, finished);
    if (!WaitUntil(finished)) messages.push_back("(the wizard did not finish)");
    else if (!CommandAndWaitClosed(wizard, IDCANCEL)) messages.push_back("(Close leaves the wizard open)");
    return messages;
}
} // namespace

TEST(Shortcut, WizardWritesTheProfilesLinkToAChosenFolder)
{
    StagedInstall install;
    install.WriteSettings("[OPTIONS]\r\nSTARTVEKORADIALOG=0\r\n[PROFILES]\r\nLASTACTIVEPROFILE=profile_Harbour\r\n"
                          "[profile_Harbour]\r\nVEKOPATH=" + install.GamePath() +
                          "\r\nLOGMESSAGES=1\r\nFREEPLAY=1\r\nREFRESH=2\r\n");
    const std::string folder = install.LauncherDir() + "Links";
    CreateDirectoryA(folder.c_str(), nullptr);

    auto launcher = install.StartLauncher();
    HWND main = launcher->WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    // What the profile gives the game, as the game itself records it.
    Click(main, IDC_CMDSTART);
    std::string record;
    ASSERT_TRUE(WaitUntil([&] { return !(record = install.TakeStartRecord()).empty(); })) << "the game did not run";
    const std::string parameters = record.substr(record.find(": ") + 2, record.find("\r\n") - record.find(": ") - 2);
    ASSERT_NE(parameters, "");

    Command(main, IDM_EXTRA_CREATESHORTCUT);
    HWND wizard = launcher->WaitForWindow([](HWND w) { return Control(w, IDC_CS_NAV) != nullptr; });
    ASSERT_NE(wizard, nullptr) << "Extra > Create shortcut opens no wizard";
    EXPECT_EQ(TextOf(Control(Control(wizard, IDC_CS_TXTDEST), IDC_UCPATH_TXTPATH)), install.GamePath());
    ASSERT_TRUE(NextTo(wizard, IDC_CS_OPMODE1));
    EXPECT_TRUE(IsChecked(wizard, IDC_CS_OPMODE1)) << "the profile's settings are not proposed";
    EXPECT_EQ(WriteLinkIntoFolder(*launcher, wizard, folder, "Harbour"),
              std::vector<std::string>{LanguageText("EN", "CREATE_SHORTCUT_DIALOG_NEW", "MSG_SHORTCUT_CREATED")});

    const std::string report = LnkinfoReport(folder + "\\Harbour.lnk");
    ASSERT_NE(report, "") << "no link, or lnkinfo could not be run";
    EXPECT_EQ(ReportLine(report, "Local path"), install.GamePath());
    EXPECT_EQ(ReportLine(report, "Command line arguments"), parameters);
    EXPECT_EQ(ReportLine(report, "Description"), "ShellLink Sample");
    Close(main);
    launcher->AnswerMessageBoxesUntilExit(IDNO);
    EXPECT_TRUE(launcher->WaitForExit());
}

// The third kind of link starts the profile through the launcher: a change of the profile made
// after the link was written is what the game gets when the link is started.
TEST(Shortcut, ProfileLinkThroughTheLauncherFollowsLaterChanges)
{
    StagedInstall install;
    const std::string settings = "[OPTIONS]\r\nSTARTVEKORADIALOG=0\r\n[PROFILES]\r\nLASTACTIVEPROFILE=profile_Harbour run\r\n"
                                 "[profile_Harbour run]\r\nVEKOPATH=" + install.GamePath() + "\r\nFREEPLAY=1\r\n";
    install.WriteSettings(settings);
    const std::string folder = install.LauncherDir() + "Links";
    CreateDirectoryA(folder.c_str(), nullptr);
    {
        auto launcher = install.StartLauncher();
        HWND main = launcher->WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        Command(main, IDM_EXTRA_CREATESHORTCUT);
        HWND wizard = launcher->WaitForWindow([](HWND w) { return Control(w, IDC_CS_NAV) != nullptr; });
        ASSERT_NE(wizard, nullptr);
        ASSERT_TRUE(NextTo(wizard, IDC_CS_OPMODE2));
        EXPECT_EQ(TextOf(Control(wizard, IDC_CS_OPMODE2)),
                  LanguageText("EN", "CREATE_SHORTCUT_DIALOG_NEW", "LBL_MODE_THROUGHLAUNCHER"));
        SetChecked(wizard, IDC_CS_OPMODE1, false);
        SetChecked(wizard, IDC_CS_OPMODE2, true);
        EXPECT_EQ(WriteLinkIntoFolder(*launcher, wizard, folder, "Harbour run"),
                  std::vector<std::string>{LanguageText("EN", "CREATE_SHORTCUT_DIALOG_NEW", "MSG_SHORTCUT_CREATED")});
        Close(main);
        ASSERT_TRUE(launcher->AnswerMessageBoxesUntilExit(IDNO));
    }
    const std::string report = LnkinfoReport(folder + "\\Harbour run.lnk");
    ASSERT_NE(report, "") << "no link, or lnkinfo could not be run";
    EXPECT_EQ(ReportLine(report, "Local path"), install.LauncherDir() + "Vekolaunch.exe");
    const std::string arguments = ReportLine(report, "Command line arguments");
    EXPECT_EQ(arguments, "/start \"Harbour run\"");
    std::string workingDirectory = ReportLine(report, "Working directory");
    if (!workingDirectory.empty() && workingDirectory.back() != '\\') workingDirectory += '\\';
    EXPECT_EQ(workingDirectory, install.LauncherDir());
    EXPECT_EQ(ReportLine(report, "Icon location"), install.GamePath());
    EXPECT_EQ(ReportLine(report, "Description"), "ShellLink Sample");

    // The profile changes after the link was made; the link's command gives the game the change.
    std::string changed = settings;
    changed.replace(changed.find("FREEPLAY=1"), 10, "FREEPLAY=0\r\nREFRESH=3");
    install.WriteSettings(changed);
    auto started = install.StartLauncher(arguments);
    DWORD exitCode = 999;
    ASSERT_TRUE(started->WaitForExit(WINDOW_WAIT_MS, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    std::string record;
    ASSERT_TRUE(WaitUntil([&] { return !(record = install.TakeStartRecord()).empty(); }));
    EXPECT_EQ(record, ExpectedStartRecord("-log -res 1 -refresh 3", install.GameDir()));
}
