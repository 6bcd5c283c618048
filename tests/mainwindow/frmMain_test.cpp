// The main window's profile values, driven with messages: showing a profile, the option
// buttons, lists, key filter, focus loss, the checks and what reaches the profile.
#include "mainwindow/MainWindowTest.h"

#include <algorithm>

#include "LauncherErrors.h"
#include "base/mError.h"

using MainWindowValues = MainWindowTest;

TEST_F(MainWindowValues, LoadDataShowsEveryValueOfTheProfile)
{
    WriteSettings("LOGMESSAGES=0\r\nFREEPLAY=1\r\nUSESTANDARDRESOLUTION=0\r\nRESOLUTION=3\r\nRES_WIDTH=1100\r\n"
                  "RES_HEIGHT=700\r\nSCENARIO=scenarios\\Harbour Run\r\nGRAPICPAK=winter.pak\r\nREFRESH=4\r\n");
    OpenWindow();
    EXPECT_EQ(Form().VekoraPathField().Text(), GamePath());
    EXPECT_FALSE(Checked(IDC_CKLOGMESSAGES));
    EXPECT_TRUE(Checked(IDC_CKFREEPLAY));
    EXPECT_FALSE(Checked(IDC_OPRESOLUTION0));
    EXPECT_TRUE(Checked(IDC_OPRESOLUTION1)) << "the option stays user-defined although the list shows an entry";
    EXPECT_EQ(ListIndex(IDC_LSTRESOLUTION), 2);
    EXPECT_EQ(Text(IDC_TXTRES_WIDTH), "1100");
    EXPECT_EQ(Text(IDC_TXTRES_HEIGHT), "700");
    EXPECT_EQ(Text(IDC_TXTSCENARIO), "scenarios\\Harbour Run");
    EXPECT_EQ(Text(IDC_TXTGRAPHICPACK), "winter.pak");
    EXPECT_EQ(ListIndex(IDC_LSTREFRESH), 3);
    ASSERT_TRUE(Form().Preview().Layout().has_value()) << "the preview draws the list's entry";
    EXPECT_FALSE(Form().Preview().Layout()->ShapesVisible);
    EXPECT_EQ(Form().Preview().Layout()->Image1.Width, 131); // 210 / 1024 * 640
    EXPECT_FALSE(g_cApp->DataChanged()) << "showing a profile changes nothing";
}

TEST_F(MainWindowValues, PagesAreCreatedWhenFirstShownWithTheProfilesValuesAndInTheirOrder)
{
    WriteSettings("FREEPLAY=1\r\nUSESTANDARDRESOLUTION=0\r\nRESOLUTION=3\r\nRES_WIDTH=1100\r\nRES_HEIGHT=700\r\n"
                  "SCENARIO=scenarios\\Harbour Run\r\nREFRESH=4\r\n");
    OpenWindow(false);
    for (int tab = 1; tab < frmMain::TAB_COUNT; ++tab) EXPECT_EQ(Form().Page(tab).Hwnd(), nullptr) << tab;
    const std::string commandLine = Form().GetCmdLineParameters();
    Form().RefreshProfileData();
    EXPECT_FALSE(g_cApp->DataChanged()) << "a page not shown yet gives the profile's own values";

    ClickTab(frmMain::TAB_DISPLAY);
    EXPECT_EQ(Text(IDC_TXTRES_WIDTH), "1100");
    EXPECT_TRUE(Checked(IDC_OPRESOLUTION1));
    EXPECT_EQ(ListIndex(IDC_LSTRESOLUTION), 2);
    EXPECT_TRUE(Form().Preview().Layout().has_value()) << "the preview draws once its page is there";
    for (int tab = 1; tab < frmMain::TAB_COUNT; ++tab) ClickTab(tab);
    EXPECT_EQ(Text(IDC_TXTSCENARIO), "scenarios\\Harbour Run");
    EXPECT_EQ(ListIndex(IDC_LSTREFRESH), 3);
    EXPECT_EQ(Form().GetCmdLineParameters(), commandLine);
    // The keyboard goes through the pages in the order of the tabs, whichever was shown first.
    for (int tab = 0; tab + 1 < frmMain::TAB_COUNT; ++tab) {
        EXPECT_EQ(GetWindow(Form().Page(tab).Hwnd(), GW_HWNDNEXT), Form().Page(tab + 1).Hwnd()) << tab;
    }
    EXPECT_EQ(GetWindow(Form().Page(frmMain::TAB_COUNT - 1).Hwnd(), GW_HWNDNEXT), Form().TabArea().Hwnd());
}

TEST_F(MainWindowValues, ListsOfferTheScenariosAndPaksOfTheGameFolder)
{
    WriteSettings("SCENARIO=scenarios\\My own\r\nGRAPICPAK=mine.pak\r\n");
    OpenWindow();
    HWND scenario = Ctl(IDC_TXTSCENARIO);
    std::vector<std::string> entries;
    for (int i = 0; i < SendMessageA(scenario, CB_GETCOUNT, 0, 0); ++i) {
        char text[MAX_PATH] = {};
        SendMessageA(scenario, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"scenarios\\Alpine Valley", "scenarios\\Harbour Run"}));
    EXPECT_EQ(SendMessageA(Ctl(IDC_TXTGRAPHICPACK), CB_GETCOUNT, 0, 0), 2) << "the folder named .pak is left out";
    EXPECT_EQ(Text(IDC_TXTSCENARIO), "scenarios\\My own") << "filling the list keeps the profile's text";
    EXPECT_EQ(Text(IDC_TXTGRAPHICPACK), "mine.pak");
}

TEST_F(MainWindowValues, RefreshProfileDataWritesTheControlsIntoTheProfile)
{
    WriteSettings();
    OpenWindow();
    Click(IDC_CKLOGMESSAGES);
    Click(IDC_CKFREEPLAY);
    SelectListEntry(IDC_LSTREFRESH, 2);
    SetText(IDC_TXTSCENARIO, "scenarios\\Alpine Valley");
    SetText(IDC_TXTGRAPHICPACK, "classic.pak");
    Click(IDC_OPRESOLUTION1);
    SetText(IDC_TXTRES_WIDTH, "1152");
    SetText(IDC_TXTRES_HEIGHT, "864");
    const bool logBefore = Active().LogMessages();
    Form().RefreshProfileData();
    EXPECT_EQ(Active().LogMessages(), !logBefore);
    EXPECT_EQ(Active().Refresh(), 3);
    EXPECT_FALSE(Active().UsePreDefinedResolution());
    EXPECT_EQ(Active().ResolutionWidth(), 1152);
    EXPECT_EQ(Active().ResolutionHeight(), 864);
    EXPECT_EQ(Active().ScenarioPath(), "scenarios\\Alpine Valley");
    EXPECT_EQ(Active().GraphicPakPath(), "classic.pak");
    EXPECT_TRUE(Active().DataChanged());
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
    EXPECT_TRUE(m_sys->ErrorReports.empty());
}

TEST_F(MainWindowValues, UnchangedInputLeavesTheProfileUnchanged)
{
    WriteSettings("SCENARIO=scenarios\\Alpine Valley\r\n");
    OpenWindow();
    Form().RefreshProfileData();
    EXPECT_FALSE(Active().DataChanged());
    EXPECT_FALSE(g_cApp->DataChanged());
}

TEST_F(MainWindowValues, ClickingAResolutionEntrySelectsStandardAndDrawsIt)
{
    WriteSettings("USESTANDARDRESOLUTION=0\r\n");
    OpenWindow();
    ASSERT_TRUE(Checked(IDC_OPRESOLUTION1));
    SelectListEntry(IDC_LSTRESOLUTION, 4);
    EXPECT_TRUE(Checked(IDC_OPRESOLUTION0));
    ASSERT_TRUE(Form().Preview().Layout().has_value());
    EXPECT_TRUE(Form().Preview().Layout()->ShapesVisible) << "the last entry is the windowed game";
    SelectListEntry(IDC_LSTRESOLUTION, 0);
    EXPECT_FALSE(Form().Preview().Layout()->ShapesVisible);
    EXPECT_EQ(Form().Preview().Layout()->Image1.Width, 210);
    Form().RefreshProfileData();
    EXPECT_TRUE(Active().UsePreDefinedResolution());
    EXPECT_EQ(Active().PreDefinedResolution(), 1);
}

TEST_F(MainWindowValues, KeyFilterTakesDigitsOnlyAndSelectsUserDefined)
{
    WriteSettings("RES_WIDTH=80\r\n");
    OpenWindow();
    ASSERT_TRUE(Checked(IDC_OPRESOLUTION0));
    SendMessageA(Ctl(IDC_TXTRES_WIDTH), EM_SETSEL, 2, 2);
    TypeChar(IDC_TXTRES_WIDTH, 'a');
    EXPECT_TRUE(Checked(IDC_OPRESOLUTION1)) << "any key selects the user-defined resolution";
    EXPECT_EQ(Text(IDC_TXTRES_WIDTH), "80");
    TypeChar(IDC_TXTRES_WIDTH, '0');
    EXPECT_EQ(Text(IDC_TXTRES_WIDTH), "800");
    TypeChar(IDC_TXTRES_WIDTH, '\b');
    EXPECT_EQ(Text(IDC_TXTRES_WIDTH), "80");
    for (char refused : {'-', '.', ' ', '\x16' /* Ctrl+V */, '\x18' /* Ctrl+X */}) TypeChar(IDC_TXTRES_WIDTH, refused);
    EXPECT_EQ(Text(IDC_TXTRES_WIDTH), "80");

    Click(IDC_OPRESOLUTION0);
    TypeChar(IDC_TXTRES_HEIGHT, '5');
    EXPECT_TRUE(Checked(IDC_OPRESOLUTION1)) << "the height field filters the same way";
}

TEST_F(MainWindowValues, ClickIntoAResolutionFieldSelectsUserDefined)
{
    WriteSettings();
    OpenWindow();
    ASSERT_TRUE(Checked(IDC_OPRESOLUTION0));
    SendMessageA(Ctl(IDC_TXTRES_HEIGHT), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(Ctl(IDC_TXTRES_HEIGHT), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(Checked(IDC_OPRESOLUTION1));
}

TEST_F(MainWindowValues, LeavingATooSmallWidthCorrectsItOnTheDisplayPage)
{
    WriteSettings("USESTANDARDRESOLUTION=0\r\n");
    OpenWindow();
    SetText(IDC_TXTRES_WIDTH, "600");
    MoveFocus(IDC_TXTRES_WIDTH, Ctl(IDC_CMDSTART));
    EXPECT_EQ(Text(IDC_TXTRES_WIDTH), "640");
    EXPECT_EQ(Form().ActiveTab(), frmMain::TAB_DISPLAY);
    EXPECT_TRUE(Shown(Form().Page(frmMain::TAB_DISPLAY).Hwnd()));
    EXPECT_EQ(FocusIn(Form().Hwnd()), Ctl(IDC_TXTRES_WIDTH));
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{Translated("MAIN_DIALOG", "MSG_ResolutionWidthChanged")}));
    EXPECT_EQ(Active().ResolutionWidth(), 640) << "correcting writes nothing into the profile";
}

TEST_F(MainWindowValues, SwitchingToAnotherProgramCorrectsNothingYet)
{
    WriteSettings("USESTANDARDRESOLUTION=0\r\n");
    OpenWindow();
    SetText(IDC_TXTRES_WIDTH, "600");
    MoveFocus(IDC_TXTRES_WIDTH, nullptr);
    EXPECT_EQ(Text(IDC_TXTRES_WIDTH), "600");
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
    MoveFocus(IDC_TXTRES_WIDTH, Ctl(IDC_CKFREEPLAY)); // back, then on within the launcher
    EXPECT_EQ(Text(IDC_TXTRES_WIDTH), "640");
    EXPECT_EQ(m_sys->MessageBoxes.size(), 1u);
}

TEST_F(MainWindowValues, BothTooSmallAreCorrectedHeightFirst)
{
    WriteSettings("USESTANDARDRESOLUTION=0\r\n");
    OpenWindow();
    SetText(IDC_TXTRES_WIDTH, "639");
    SetText(IDC_TXTRES_HEIGHT, "399");
    MoveFocus(IDC_TXTRES_HEIGHT, Ctl(IDC_CMDSTART));
    EXPECT_EQ(Text(IDC_TXTRES_WIDTH), "640");
    EXPECT_EQ(Text(IDC_TXTRES_HEIGHT), "400");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{Translated("MAIN_DIALOG", "MSG_ResolutionHeigthChanged"),
                                                    Translated("MAIN_DIALOG", "MSG_ResolutionWidthChanged")}));
}

TEST_F(MainWindowValues, NothingIsCorrectedWithTheStandardResolution)
{
    WriteSettings();
    OpenWindow();
    SetText(IDC_TXTRES_WIDTH, "600");
    MoveFocus(IDC_TXTRES_WIDTH, Ctl(IDC_CMDSTART));
    EXPECT_EQ(Text(IDC_TXTRES_WIDTH), "600");
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
    EXPECT_EQ(Form().ActiveTab(), 0);
}

TEST_F(MainWindowValues, EmptyWidthBlocksTheStartWithTheCheckMessage)
{
    WriteSettings();
    OpenWindow();
    SetText(IDC_TXTRES_WIDTH, "");
    Click(IDC_CKFREEPLAY);
    const bool freeplay = Active().Freeplay();
    Click(IDC_CMDSTART);
    EXPECT_TRUE(m_sys->ShellCalls.empty()) << "the game is not started";
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text, Translated("ERROR_MESSAGES", "ERR_InvalidUserDefinedResolution"));
    EXPECT_EQ(m_sys->MessageBoxes[0].Type, static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK));
    EXPECT_EQ(Active().Freeplay(), freeplay) << "nothing is written after a failed check";
}

TEST_F(MainWindowValues, OverlongNumberIsRefusedBeforeAnythingIsWritten)
{
    WriteSettings("USESTANDARDRESOLUTION=0\r\n");
    OpenWindow();
    SetText(IDC_TXTRES_WIDTH, "70000");
    Click(IDC_CKFREEPLAY);
    const bool freeplay = Active().Freeplay();
    try {
        Form().RefreshProfileData();
        FAIL() << "the check must refuse the width";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number, ERR_INPUT_CHECK);
        EXPECT_EQ(e.Description, Translated("ERROR_MESSAGES", "ERR_InvalidUserDefinedResolution"));
    }
    EXPECT_EQ(Active().Freeplay(), freeplay) << "no half-written profile";
    EXPECT_EQ(Active().ResolutionWidth(), 640);
}

TEST_F(MainWindowValues, PastedFractionIsRefusedByTheCheckNotByTheSelfCheck)
{
    WriteSettings("USESTANDARDRESOLUTION=0\r\n");
    OpenWindow();
    SetText(IDC_TXTRES_WIDTH, "800.7"); // only the context menu's paste gets this far
    Click(IDC_CMDSTART);
    EXPECT_TRUE(m_sys->ErrorReports.empty()) << "no self-check report";
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text, Translated("ERROR_MESSAGES", "ERR_InvalidUserDefinedResolution"));
    EXPECT_EQ(Active().ResolutionWidth(), 640);
    EXPECT_TRUE(m_sys->ShellCalls.empty());
}

TEST_F(MainWindowValues, MissingScenarioNamesTheCombinedPath)
{
    WriteSettings();
    OpenWindow();
    SetText(IDC_TXTSCENARIO, "scenarios\\Gone");
    Click(IDC_CMDSTART);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text,
              g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_PathNotFound", GameFolder() + "scenarios\\Gone"));
}

TEST_F(MainWindowValues, BrowseButtonTakesTheNewGameAndRefillsTheLists)
{
    WriteSettings();
    OpenWindow();
    TempFolder other;
    CopyFileA(DemoGamePath().c_str(), (other.Path() + "vekora.exe").c_str(), FALSE);
    WriteTextFile(other.Path() + "other.pak", "pak");
    m_sys->OpenFileAnswers.push_back(other.Path() + "vekora.exe");
    Click(IDC_CMDSELECTVEKOPATH);
    EXPECT_EQ(Active().VekoraPath(), other.Path() + "vekora.exe");
    EXPECT_EQ(Form().VekoraPathField().Text(), other.Path() + "vekora.exe");
    EXPECT_EQ(m_sys->OpenFileCalls.back().Owner, Form().Hwnd()) << "the window that asks owns the prompt";
    EXPECT_EQ(SendMessageA(Ctl(IDC_TXTGRAPHICPACK), CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageA(Ctl(IDC_TXTSCENARIO), CB_GETCOUNT, 0, 0), 0);

    m_sys->OpenFileAnswers.push_back(std::nullopt); // cancelled: nothing changes
    Click(IDC_CMDSELECTVEKOPATH);
    EXPECT_EQ(Active().VekoraPath(), other.Path() + "vekora.exe");
}

TEST_F(MainWindowValues, BrowsingToAFolderWithoutTheScenarioKeepsTheOldPath)
{
    WriteSettings("SCENARIO=scenarios\\Alpine Valley\r\n");
    OpenWindow();
    TempFolder other;
    CopyFileA(DemoGamePath().c_str(), (other.Path() + "vekora.exe").c_str(), FALSE);
    m_sys->OpenFileAnswers.push_back(other.Path() + "vekora.exe");
    Click(IDC_CMDSELECTVEKOPATH);
    EXPECT_EQ(Form().VekoraPathField().Text(), other.Path() + "vekora.exe");
    EXPECT_EQ(Active().VekoraPath(), GamePath());
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text, g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_PathNotFound",
                                                                      other.Path() + "scenarios\\Alpine Valley"));
}

TEST_F(MainWindowValues, ProfileWithoutGameAsksForItAndGoesOnWithoutOne)
{
    WriteIni("[OPTIONS]\r\nLANGUAGE=EN\r\n[PROFILES]\r\nLASTACTIVEPROFILE=profile_Test\r\n[profile_Test]\r\nFREEPLAY=0\r\n");
    m_sys->OpenFileAnswers.push_back(std::nullopt);
    OpenWindow();
    EXPECT_EQ(m_sys->OpenFileCalls.size(), 1u);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{Translated("ERROR_MESSAGES", "ERR_VekoraFolderNotDefined")}));
    EXPECT_EQ(Form().VekoraPathField().Text(), "");
    Click(IDC_CMDSTART);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 2u);
    EXPECT_EQ(m_sys->MessageBoxes[1].Text, Translated("ERROR_MESSAGES", "ERR_VekoraFolderNotDefined"));
}

TEST_F(MainWindowValues, ProfileWithoutGameTakesTheChosenOne)
{
    WriteIni("[OPTIONS]\r\nLANGUAGE=EN\r\n[PROFILES]\r\nLASTACTIVEPROFILE=profile_Test\r\n[profile_Test]\r\nFREEPLAY=0\r\n");
    m_sys->OpenFileAnswers.push_back(GamePath());
    OpenWindow();
    EXPECT_EQ(Active().VekoraPath(), GamePath());
    EXPECT_EQ(Form().VekoraPathField().Text(), GamePath());
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
}

TEST_F(MainWindowValues, StoredValuesTheListsCannotShowAreShownSafely)
{
    WriteSettings("RESOLUTION=9\r\nREFRESH=0\r\n");
    OpenWindow();
    EXPECT_EQ(ListIndex(IDC_LSTRESOLUTION), 0);
    EXPECT_EQ(ListIndex(IDC_LSTREFRESH), -1);
    Form().RefreshProfileData(); // the window's and the profile's command lines still agree
    EXPECT_TRUE(m_sys->ErrorReports.empty());
    EXPECT_EQ(Active().PreDefinedResolution(), 1);
    EXPECT_EQ(Active().Refresh(), 0);
}

TEST_F(MainWindowValues, WindowCommandLineFollowsTheControls)
{
    WriteSettings("LOGMESSAGES=1\r\nFREEPLAY=0\r\nRESOLUTION=2\r\nREFRESH=1\r\n");
    OpenWindow();
    EXPECT_EQ(Form().GetCmdLineParameters(), " -log -res 2 -refresh 1 ");
    Click(IDC_OPRESOLUTION1);
    SetText(IDC_TXTRES_WIDTH, "1024");
    SetText(IDC_TXTRES_HEIGHT, "768");
    SetText(IDC_TXTGRAPHICPACK, "winter.pak");
    EXPECT_EQ(Form().GetCmdLineParameters(), " -log -screensize 1024x768 -refresh 1 -graphicpack winter.pak");
}
