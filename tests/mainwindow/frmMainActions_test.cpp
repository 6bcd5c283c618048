// The main window's buttons and its closing: the start, the log file, the game folder, saving,
// the close question with each answer and the settings file afterwards.
#include "mainwindow/MainWindowTest.h"

#include <commctrl.h>

#include "base/mIni.h"
#include "dialogs/frmEditProfile_res.h"
#include "dialogs/frmSave_res.h"

using MainWindowActions = MainWindowTest;

TEST_F(MainWindowActions, StartHandsTheProfilesCommandLineToTheShell)
{
    WriteSettings("LOGMESSAGES=1\r\nFREEPLAY=0\r\nRESOLUTION=2\r\nREFRESH=1\r\n");
    OpenWindow();
    const std::string before = ReadIni();
    Click(IDC_CKFREEPLAY);
    Click(IDC_CMDSTART);
    ASSERT_EQ(m_sys->ShellCalls.size(), 1u);
    const auto& call = m_sys->ShellCalls[0];
    EXPECT_EQ(call.Operation, "open");
    EXPECT_EQ(call.File, GamePath());
    EXPECT_EQ(call.Parameters, "-log -res 2 -freeplay -refresh 1");
    EXPECT_EQ(call.Directory, GameFolder());
    EXPECT_EQ(call.Show, SW_SHOWNORMAL);
    EXPECT_TRUE(Active().Freeplay()) << "the input reached the profile first";
    EXPECT_EQ(ReadIni(), before) << "starting saves nothing";
}

TEST_F(MainWindowActions, LogFileWithoutEditorAnsweredNoDoesNothingMore)
{
    WriteSettings();
    OpenWindow();
    m_sys->MessageBoxAnswers = {IDNO};
    Click(IDC_CMDLOGFILE);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text, Translated("MAIN_DIALOG", "MSG_SelectTextEditor"));
    EXPECT_EQ(m_sys->MessageBoxes[0].Type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_TRUE(m_sys->OpenFileCalls.empty());
    EXPECT_TRUE(m_sys->ShellCalls.empty());
}

TEST_F(MainWindowActions, LogFileOpensInTheEditorChosenNow)
{
    WriteSettings();
    WriteTextFile(GameFolder() + "veko.log", "log");
    OpenWindow();
    m_sys->MessageBoxAnswers = {IDYES};
    m_sys->OpenFileAnswers.push_back(std::string("C:\\Tools\\editor.exe"));
    Click(IDC_CMDLOGFILE2);
    EXPECT_EQ(g_cApp->Options().EditorPath(), "C:\\Tools\\editor.exe");
    ASSERT_EQ(m_sys->ShellCalls.size(), 1u);
    EXPECT_EQ(m_sys->ShellCalls[0].File, "C:\\Tools\\editor.exe");
    EXPECT_EQ(m_sys->ShellCalls[0].Parameters, GameFolder() + "veko.log");
    EXPECT_EQ(m_sys->ShellCalls[0].Directory, "");

    Click(IDC_CMDLOGFILE); // the editor is known now: no question
    EXPECT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->ShellCalls.size(), 2u);
}

TEST_F(MainWindowActions, LogFileInAFolderWithBlanksReachesTheEditorQuoted)
{
    WriteSettings();
    OpenWindow();
    const std::string folder = m_folder->Path() + "My Vekora\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    CopyFileA(GamePath().c_str(), (folder + "vekora.exe").c_str(), FALSE);
    WriteTextFile(folder + "veko.log", "log");
    Active().SetVekoraPath(folder + "vekora.exe");
    g_cApp->Options().SetEditorPath("C:\\Tools\\editor.exe");
    Click(IDC_CMDLOGFILE);
    ASSERT_EQ(m_sys->ShellCalls.size(), 1u);
    EXPECT_EQ(m_sys->ShellCalls[0].Parameters, "\"" + folder + "veko.log\"");
}

TEST_F(MainWindowActions, LogFileEditorChoiceCancelledStops)
{
    WriteSettings();
    OpenWindow();
    m_sys->MessageBoxAnswers = {IDYES};
    m_sys->OpenFileAnswers.push_back(std::nullopt);
    Click(IDC_CMDLOGFILE);
    EXPECT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_TRUE(m_sys->ShellCalls.empty());
}

TEST_F(MainWindowActions, MissingLogFileIsReported)
{
    WriteSettings();
    OpenWindow();
    g_cApp->Options().SetEditorPath("C:\\Tools\\editor.exe");
    Click(IDC_CMDLOGFILE);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text, Translated("ERROR_MESSAGES", "ERR_VekoraLogfileNotFound"));
    EXPECT_EQ(m_sys->MessageBoxes[0].Type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_TRUE(m_sys->ShellCalls.empty());
}

// Without a game path there is no game folder: a "veko.log" that happens to lie in the current
// directory is not the game's log and must not be opened.
TEST_F(MainWindowActions, LogFileWithoutGamePathIsNotLookedForInTheCurrentDirectory)
{
    WriteIni("[OPTIONS]\r\nLANGUAGE=EN\r\n[PROFILES]\r\nLASTACTIVEPROFILE=profile_Test\r\n[profile_Test]\r\nFREEPLAY=0\r\n");
    m_sys->OpenFileAnswers.push_back(std::nullopt);
    OpenWindow();
    ASSERT_EQ(Active().VekoraPath(), "");
    g_cApp->Options().SetEditorPath("C:\\Tools\\editor.exe");
    TempFolder current;
    WriteTextFile(current.Path() + "veko.log", "not the game's");
    char before[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, before);
    SetCurrentDirectoryA(current.Path().c_str());
    Click(IDC_CMDLOGFILE);
    SetCurrentDirectoryA(before);
    EXPECT_TRUE(m_sys->ShellCalls.empty());
    ASSERT_EQ(m_sys->MessageBoxes.size(), 2u); // the missing game path at loading, then this
    EXPECT_EQ(m_sys->MessageBoxes[1].Text, Translated("ERROR_MESSAGES", "ERR_VekoraLogfileNotFound"));
}

TEST_F(MainWindowActions, GameFolderOpensInTheFileManager)
{
    WriteSettings();
    OpenWindow();
    Click(IDC_CMDOPENVEKODIR);
    ASSERT_EQ(m_sys->ShellCalls.size(), 1u);
    EXPECT_EQ(m_sys->ShellCalls[0].File, GameFolder());
    EXPECT_EQ(m_sys->ShellCalls[0].Parameters, "");
    EXPECT_EQ(m_sys->ShellCalls[0].Directory, "");
}

TEST_F(MainWindowActions, MissingGameFolderIsReported)
{
    WriteIni("[PROFILES]\r\nLASTACTIVEPROFILE=profile_Test\r\n[profile_Test]\r\nVEKOPATH=" + GameFolder() +
             "gone\\vekora.exe\r\n");
    OpenWindow();
    Click(IDC_CMDOPENVEKODIR);
    EXPECT_TRUE(m_sys->ShellCalls.empty());
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_PathNotFound", GameFolder() + "gone\\")}));
}

TEST_F(MainWindowActions, SaveWritesTheInputThroughTheSaveWindow)
{
    WriteSettings("FREEPLAY=0\r\n");
    OpenWindow();
    Click(IDC_CKFREEPLAY);
    EXPECT_TRUE(WhileModal([&] { Menu(IDM_FILE_SAVE); }, [](HWND dialog) { ClickButton(dialog, IDOK); }));
    EXPECT_EQ(ReadFromIni(IniPath(), "profile_Test", "FREEPLAY", ""), "1");
    EXPECT_FALSE(Active().DataChanged());
}

TEST_F(MainWindowActions, ClosingWithoutChangesAsksNothingAndWritesTheSettings)
{
    WriteSettings("", "", "DE");
    OpenWindow();
    EXPECT_TRUE(Close());
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
    EXPECT_TRUE(DrainQuit()) << "the program ends with its main window";
    EXPECT_FALSE(g_cApp) << "the public objects are released";
    EXPECT_FALSE(g_cTranslate);
    EXPECT_EQ(ReadFromIni(IniPath(), "APPLICATION", "FILEVERSION", ""), "1.1");
    EXPECT_EQ(ReadFromIni(IniPath(), "OPTIONS", "LANGUAGE", ""), "DE");
    EXPECT_EQ(ReadFromIni(IniPath(), "PROFILES", "LASTACTIVEPROFILE", ""), "profile_Test");
}

TEST_F(MainWindowActions, EndOfTheSessionAsksAboutChangesThenWritesTheSettings)
{
    WriteSettings("FREEPLAY=0\r\n", "", "DE");
    OpenWindow();
    Click(IDC_CKFREEPLAY);
    m_sys->MessageBoxAnswers = {IDCANCEL};
    EXPECT_EQ(SendMessageA(Form().Hwnd(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), FALSE) << "cancel vetoes the end";
    SendMessageA(Form().Hwnd(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    ASSERT_TRUE(Form().IsLoaded());

    m_sys->MessageBoxAnswers = {IDNO};
    EXPECT_EQ(SendMessageA(Form().Hwnd(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    EXPECT_EQ(m_sys->MessageBoxes.size(), 2u);
    SendMessageA(Form().Hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_FALSE(Form().IsLoaded());
    EXPECT_FALSE(g_cApp);
    EXPECT_EQ(ReadFromIni(IniPath(), "OPTIONS", "LANGUAGE", ""), "DE");
    EXPECT_EQ(ReadFromIni(IniPath(), "PROFILES", "LASTACTIVEPROFILE", ""), "profile_Test");
    EXPECT_EQ(ReadFromIni(IniPath(), "profile_Test", "FREEPLAY", ""), "0") << "No saves nothing";
}

TEST_F(MainWindowActions, NegativeRefreshClosesWithoutAQuestion)
{
    WriteSettings("REFRESH=-3\r\n");
    OpenWindow();
    EXPECT_TRUE(Close());
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
    EXPECT_EQ(ReadFromIni(IniPath(), "profile_Test", "REFRESH", ""), "-3");
}

TEST_F(MainWindowActions, CloseQuestionCancelKeepsTheWindow)
{
    WriteSettings("FREEPLAY=0\r\n");
    OpenWindow();
    Click(IDC_CKFREEPLAY);
    m_sys->MessageBoxAnswers = {IDCANCEL};
    EXPECT_FALSE(Close());
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text, Translated("MAIN_DIALOG", "MSG_SaveChangesQuestion"));
    EXPECT_EQ(m_sys->MessageBoxes[0].Type, static_cast<UINT>(MB_YESNOCANCEL));
    EXPECT_FALSE(DrainQuit());
    ASSERT_TRUE(g_cApp);
    EXPECT_TRUE(Active().Freeplay()) << "the input stays in the profile in memory";
    EXPECT_EQ(ReadFromIni(IniPath(), "profile_Test", "FREEPLAY", ""), "0");
}

TEST_F(MainWindowActions, CloseQuestionNoClosesWithoutSaving)
{
    WriteSettings("FREEPLAY=0\r\n");
    OpenWindow();
    Click(IDC_CKFREEPLAY);
    m_sys->MessageBoxAnswers = {IDNO};
    EXPECT_TRUE(Close());
    EXPECT_TRUE(DrainQuit());
    EXPECT_EQ(ReadFromIni(IniPath(), "profile_Test", "FREEPLAY", ""), "0");
    EXPECT_EQ(ReadFromIni(IniPath(), "PROFILES", "LASTACTIVEPROFILE", ""), "profile_Test");
}

TEST_F(MainWindowActions, CloseQuestionYesSavesThroughTheSaveWindowThenCloses)
{
    WriteSettings("FREEPLAY=0\r\n");
    OpenWindow();
    Click(IDC_CKFREEPLAY);
    m_sys->MessageBoxAnswers = {IDYES};
    bool closed = false;
    EXPECT_TRUE(WhileModal([&] { closed = Close(); }, [](HWND dialog) { ClickButton(dialog, IDOK); }));
    EXPECT_TRUE(closed);
    EXPECT_TRUE(DrainQuit());
    EXPECT_EQ(ReadFromIni(IniPath(), "profile_Test", "FREEPLAY", ""), "1");
}

// With no profile to save there is no save window to show: a switch of profiles alone is
// remembered without a question.
TEST_F(MainWindowActions, SwitchedProfileAloneAsksNothingAndIsRemembered)
{
    WriteSettings("", "[profile_Night]\r\nVEKOPATH=" + GamePath() + "\r\n");
    OpenWindow();
    Menu(IDM_PROFILE_LIST_FIRST + 1);
    EXPECT_FALSE(WhileModal([&] { Menu(IDM_FILE_SAVE); }, [](HWND dialog) { ClickButton(dialog, IDCANCEL); }));
    EXPECT_TRUE(Close());
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
    EXPECT_EQ(ReadFromIni(IniPath(), "PROFILES", "LASTACTIVEPROFILE", ""), "profile_Night");
}

// A new profile whose game prompt was cancelled can be left, and at closing it is named while
// the change of another profile is still offered and saved.
TEST_F(MainWindowActions, AProfileWithoutGamePathCostsTheOthersNothing)
{
    WriteSettings("FREEPLAY=0\r\n");
    OpenWindow();
    Click(IDC_CKFREEPLAY);
    m_sys->OpenFileAnswers = {std::nullopt};
    ASSERT_TRUE(WhileModal([&] { Menu(IDM_PROFILE_NEW); }, [](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_EP_NAME, "Empty");
        SetDlgItemTextA(dialog, IDC_EP_DESCRIPTION, "no game yet");
        ClickButton(dialog, IDOK);
    }));
    ASSERT_EQ(Active().ProfileCaption(), "Empty");
    const std::string noGame = Translated("ERROR_MESSAGES", "ERR_VekoraFolderNotDefined");
    Menu(IDM_PROFILE_LIST_FIRST);
    EXPECT_EQ(Active().ProfileCaption(), "Test") << "leaving a profile without a game is allowed";
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{noGame}) << "only the prompt's own message";

    const std::string question = Translated("MAIN_DIALOG", "MSG_SaveChangesQuestion"); // gone with the window
    m_sys->MessageBoxes.clear();
    m_sys->MessageBoxAnswers = {IDOK, IDYES};
    LRESULT offered = 0;
    bool closed = false;
    EXPECT_TRUE(WhileModal([&] { closed = Close(); }, [&](HWND dialog) {
        offered = SendMessageA(FindChildWindow(dialog, WC_LISTVIEWA, ""), LVM_GETITEMCOUNT, 0, 0);
        ClickButton(dialog, IDOK);
    }));
    EXPECT_TRUE(closed);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              FillInText("The profile 'Empty' cannot be saved:\\n%P1%", noGame, ""), question}));
    EXPECT_EQ(offered, 1) << "the profile that can be saved";
    EXPECT_EQ(ReadFromIni(IniPath(), "profile_Test", "FREEPLAY", ""), "1");
    EXPECT_EQ(ReadFromIni(IniPath(), "profile_Empty", "DESCRIPTION", "<none>"), "<none>");
}

TEST_F(MainWindowActions, InvalidInputAtCloseAsksWhetherToQuitAnyway)
{
    WriteSettings("USESTANDARDRESOLUTION=0\r\nFREEPLAY=0\r\n");
    OpenWindow();
    Click(IDC_CKFREEPLAY);
    SetText(IDC_TXTRES_WIDTH, "");
    const std::string check = FillInText("The profile 'Test' cannot be saved:\\n%P1%",
                                         Translated("ERROR_MESSAGES", "ERR_InvalidUserDefinedResolution"), "");
    const std::string quit = Translated("MAIN_DIALOG", "MSG_QuitVekolaunchQuestion");

    m_sys->MessageBoxAnswers = {IDOK, IDNO};
    EXPECT_FALSE(Close());
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{check, quit}));
    EXPECT_EQ(m_sys->MessageBoxes[1].Type, static_cast<UINT>(MB_YESNO));
    EXPECT_FALSE(DrainQuit());

    m_sys->MessageBoxAnswers = {IDOK, IDYES};
    EXPECT_TRUE(Close());
    EXPECT_TRUE(DrainQuit());
    EXPECT_EQ(ReadFromIni(IniPath(), "profile_Test", "FREEPLAY", ""), "0") << "closed without saving";
    EXPECT_NE(ReadFromIni(IniPath(), "APPLICATION", "FILEVERSION", ""), "") << "the closing sequence ran";
}

TEST_F(MainWindowActions, QuitMenuRunsTheSameClosing)
{
    WriteSettings("FREEPLAY=0\r\n");
    OpenWindow();
    Click(IDC_CKFREEPLAY);
    m_sys->MessageBoxAnswers = {IDCANCEL};
    Menu(IDM_FILE_QUIT);
    EXPECT_TRUE(Form().IsLoaded());
    m_sys->MessageBoxAnswers = {IDNO};
    Menu(IDM_FILE_QUIT);
    EXPECT_FALSE(Form().IsLoaded());
    EXPECT_EQ(BoxTexts().size(), 2u);
    EXPECT_TRUE(DrainQuit());
}

TEST_F(MainWindowActions, EscapeDoesNotCloseTheWindow)
{
    WriteSettings();
    OpenWindow();
    SendMessageA(Form().Hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(Form().IsLoaded());
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
}
