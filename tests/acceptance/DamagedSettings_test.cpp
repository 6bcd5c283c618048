// A settings file a player or another tool has damaged: the launcher still starts, says what
// is wrong and keeps every line it cannot use.
#include "acceptance/StagedInstall.h"
#include "dialogs/frmLoadProfile_res.h"
#include "mainwindow/frmMain_res.h"

#include <gtest/gtest.h>

#include <sstream>

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
    const std::vector<std::string> warnings = launcher->AnswerMessageBoxes(IDOK, 3000);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_NE(warnings[0].find("\"12x4\" for the key RES_WIDTH of the profile profile_Broken"), std::string::npos)
        << warnings[0];
    EXPECT_NE(warnings[1].find("[profile_Twice]"), std::string::npos) << warnings[1];
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
    launcher->AnswerMessageBoxes(IDNO, 2000);
    ASSERT_TRUE(launcher->WaitForExit());
    EXPECT_EQ(install.Setting("PROFILES", "LASTACTIVEPROFILE"), "profile_Harbour, winter");
    const std::vector<std::string> after = Lines(install.ReadSettings());
    for (const std::string& line : before) {
        if (line.rfind("LASTACTIVEPROFILE=", 0) == 0) continue;
        EXPECT_NE(std::find(after.begin(), after.end(), line), after.end()) << "lost: " << line;
    }
}
