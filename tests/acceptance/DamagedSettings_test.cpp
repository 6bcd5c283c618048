// A settings file a player or another tool has damaged: the launcher still starts, says what
// is wrong and keeps every line it cannot use.
#include "acceptance/StagedInstall.h"
#include "dialogs/frmError_res.h"
#include "dialogs/frmLoadProfile_res.h"
#include "dialogs/frmSave_res.h"
#include "mainwindow/frmMain_res.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/mFunctions.h"

namespace {
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}
} // namespace

TEST(DamagedSettings, StartsWarnsListsTheCommaProfileAndLosesNoLine)
{
    StagedInstall install;
    const std::string game = install.GamePath();
    install.WriteSettings("[PROFILES]\r\nLASTACTIVEPROFILE=profile_Gone\r\n"
                          "[profile_Broken]\r\nVEKOPATH=" + game + "\r\nRES_WIDTH=12x4\r\n"
                          "[profile_Twice]\r\nVEKOPATH=" + game + "\r\nDESCRIPTION=first\r\n"
                          "[profile_Harbour, winter]\r\nVEKOPATH=" + game + "\r\nDESCRIPTION=comma\r\n"
                          "[profile_Twice]\r\nDESCRIPTION=second\r\nFREEPLAY=1\r\n"
                          "; kept by hand\r\n[MYTOOL]\r\nCOLOUR=blue\r\n");
    const std::vector<std::string> before = Lines(install.ReadSettings());

    auto launcher = install.StartLauncher();
    const auto choosing = [&] { return launcher->WaitForWindow([](HWND w) { return Control(w, IDC_LP_PROFILES) != nullptr; }, 0) != nullptr; };
    const std::vector<std::string> warnings = launcher->AnswerMessageBoxesUntil(IDOK, choosing);
    // The file's sections are checked as it is read, a profile's values when the profile is.
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_NE(warnings[0].find("[profile_Twice]"), std::string::npos) << warnings[0];
    EXPECT_NE(warnings[1].find("\"12x4\" for the key RES_WIDTH of the profile profile_Broken"), std::string::npos)
        << warnings[1];
    HWND choose = launcher->WaitForWindow([](HWND w) { return Control(w, IDC_LP_PROFILES) != nullptr; });
    ASSERT_NE(choose, nullptr);
    HWND list = FindDescendant(choose, "SysListView32");
    const std::vector<std::string> names = ListViewColumn(list);
    EXPECT_EQ(names, (std::vector<std::string>{"Broken", "Twice", "Harbour, winter"}));
    SelectListViewRow(list, 2);
    Click(choose, IDOK);
    HWND main = launcher->WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    Close(main);
    launcher->AnswerMessageBoxesUntilExit(IDNO);
    ASSERT_TRUE(launcher->WaitForExit());
    EXPECT_EQ(install.Setting("PROFILES", "LASTACTIVEPROFILE"), "profile_Harbour, winter");
    const std::vector<std::string> after = Lines(install.ReadSettings());
    for (const std::string& line : before) {
        if (line.rfind("LASTACTIVEPROFILE=", 0) == 0) continue;
        EXPECT_NE(std::find(after.begin(), after.end(), line), after.end()) << "lost: " << line;
    }
}

namespace {
bool IsErrorReport(HWND window)
{
    return Control(window, IDC_ERR_DESC) != nullptr;
}

// The error report's description, after which the report is closed.
std::string TakeErrorReport(const DrivenProgram& launcher)
{
    HWND report = launcher.WaitForWindow(IsErrorReport);
    if (!report) return "(no error report)";
    const std::string text = TextOf(Control(report, IDC_ERR_DESC));
    CommandAndWaitClosed(report, IDOK);
    return text;
}
} // namespace

TEST(DamagedSettings, AFolderInPlaceOfTheFileMakesEverySaveSayItFailed)
{
    StagedInstall install;
    ASSERT_TRUE(CreateDirectoryA(install.IniPath().c_str(), nullptr));
    auto launcher = install.StartLauncher();
    HWND ask = launcher->WaitForWindowTitled(LanguageText("EN", "SELECT_VEKORAFOLDER_DIALOG", "DIALOG_CAPTION"));
    ASSERT_NE(ask, nullptr);
    Type(ask, FILE_NAME_FIELD, install.GamePath());
    Click(ask, IDOK);
    HWND main = launcher->WaitForMainWindow();
    ASSERT_NE(main, nullptr);

    Command(main, IDM_FILE_SAVE);
    HWND save = launcher->WaitForWindow([](HWND w) { return Control(w, IDC_SAVE_PROFILES) != nullptr; });
    ASSERT_NE(save, nullptr);
    Click(save, IDOK);
    EXPECT_NE(TakeErrorReport(*launcher).find(install.IniPath()), std::string::npos);
    EXPECT_TRUE(IsWindow(save)) << "the save window closed as if it had saved";
    ASSERT_TRUE(CommandAndWaitClosed(save, IDCANCEL));

    Close(main);
    launcher->AnswerMessageBoxesUntil(IDNO, [&] { return launcher->WaitForWindow(IsErrorReport, 0) != nullptr; });
    EXPECT_NE(TakeErrorReport(*launcher).find(install.IniPath()), std::string::npos) << "closing says nothing";
    ASSERT_TRUE(launcher->WaitForExit());
    EXPECT_TRUE(FolderExists(install.IniPath()));
}

TEST(DamagedSettings, WithoutTheConfigFolderTheLauncherSaysWhereTheTextsAreMissing)
{
    StagedInstall install;
    install.WriteDemoProfileSettings();
    RemoveFolderTree(install.LauncherDir() + "config");
    auto launcher = install.StartLauncher();
    const std::vector<std::string> messages =
        launcher->AnswerMessageBoxesUntil(IDOK, [&] { return launcher->WaitForMainWindow(0) != nullptr; });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(install.LauncherDir() + "config\\"), std::string::npos) << messages[0];
    HWND main = launcher->WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(launcher->WaitForWindow(IsErrorReport, 0), nullptr);
    Close(main);
    launcher->AnswerMessageBoxesUntilExit(IDNO);
    ASSERT_TRUE(launcher->WaitForExit());
    EXPECT_EQ(install.Setting("PROFILES", "LASTACTIVEPROFILE"), "PROFILE_DEFAULT");
    EXPECT_EQ(install.Setting("OPTIONS", "LANGUAGE"), "EN");
}
