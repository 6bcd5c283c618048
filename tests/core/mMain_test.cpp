// Start-up and shutdown, the executable prompts and the installed game's version text.
#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include "base/mFunctions.h"
#include "base/mIni.h"
#include "core/Application.h"
#include "mMain.h"
#include "support/TestEnvironment.h"
#include "translation/cTranslate.h"

class ExecutablePrompts : public AppFixture {
protected:
    std::string ExeFilter() const
    {
        return g_cTranslate->TranslateEx("GLOBAL", "FILETYPEDESC_EXE") + " (*.exe)|*.exe|";
    }
    void ExpectDialogSettings(const FakeSystemServices::OpenFileCall& call, const std::string& titleSection)
    {
        EXPECT_EQ(call.Filter, ExeFilter());
        EXPECT_EQ(call.FilterIndex, 1u);
        EXPECT_EQ(call.Title, g_cTranslate->TranslateEx(titleSection, "DIALOG_CAPTION"));
        EXPECT_EQ(call.DefExt, "exe");
        EXPECT_EQ(call.InitialDir, "");
        EXPECT_EQ(call.Flags & (OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT),
                  static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY));
    }
};

TEST_F(ExecutablePrompts, VekoPathProposesVekoraExeUnlessTheCurrentFileExists)
{
    const std::string existing = DemoGamePath();
    const std::string folder = ExtractPath(existing);
    for (const std::string& current : {std::string(""), folder, SetTrailingBackslash(folder, false),
                                       folder + "missing.exe", existing}) {
        m_sys->OpenFileCalls.clear();
        EXPECT_EQ(AskForVekoPath(nullptr, current), ""); // cancelled
        ASSERT_EQ(m_sys->OpenFileCalls.size(), 1u);
        EXPECT_EQ(m_sys->OpenFileCalls[0].InitialFile, current == existing ? existing : "vekora.exe") << current;
        ExpectDialogSettings(m_sys->OpenFileCalls[0], "SELECT_VEKORAFOLDER_DIALOG");
    }
    EXPECT_TRUE(m_sys->MessageBoxes.empty()); // a cancel is no error
}

TEST_F(ExecutablePrompts, VekoPathReturnsTheChosenFile)
{
    m_sys->OpenFileAnswers.push_back(std::string("D:\\Games\\Vekora\\vekora.exe"));
    EXPECT_EQ(AskForVekoPath(nullptr, ""), "D:\\Games\\Vekora\\vekora.exe");
}

TEST_F(ExecutablePrompts, EditorProposesWriteInTheWindowsFolder)
{
    m_sys->OpenFileAnswers.push_back(std::string("C:\\Tools\\ed.exe"));
    EXPECT_EQ(AskForEditor(nullptr, ""), "C:\\Tools\\ed.exe");
    EXPECT_EQ(AskForEditor(nullptr, DemoGamePath()), "");
    ASSERT_EQ(m_sys->OpenFileCalls.size(), 2u);
    EXPECT_EQ(m_sys->OpenFileCalls[0].InitialFile, SetTrailingBackslash(GetWindowsDir(), true) + "write.exe");
    EXPECT_EQ(m_sys->OpenFileCalls[0].InitialFile.find("\\\\"), std::string::npos);
    EXPECT_EQ(m_sys->OpenFileCalls[1].InitialFile, DemoGamePath());
    ExpectDialogSettings(m_sys->OpenFileCalls[0], "SELECT_TEXTEDITOR_DIALOG");
}

TEST(VekoraVersionText, NamesTheInstalledGame)
{
    EXPECT_EQ(GetVekoraFile_VersionInfo(""), "Vekora");
    EXPECT_EQ(GetVekoraFile_VersionInfo(TestProgramDir() + "version_samples\\ver_none.exe"), "Vekora");
    EXPECT_EQ(GetVekoraFile_VersionInfo(DemoGamePath()), "Vekora 3.1 Demo");
    // A version resource without readable strings (no translation table) shows the plain name,
    // not a lone blank.
    EXPECT_EQ(GetVekoraFile_VersionInfo(TestProgramDir() + "version_samples\\ver_no_translation.exe"), "Vekora");
}

// Main on a work folder of its own, as a first start or a later one.
class MainStart : public AppFixture {
protected:
    void TearDown() override
    {
        if (HWND main = FindVisibleWindow("Vekolaunch")) DestroyWindow(main);
        PumpMessages(); // the main window ends the message loop it would run in when it closes
        AppFixture::TearDown();
    }
    std::string Work() const { return m_folder->Path(); }
};

TEST_F(MainStart, FirstStartShowsTheMainWindowAndClosingWritesTheSettings)
{
    g_cApp.reset();
    g_cTranslate.reset();
    // The standard profile has no game yet: the main window asks for it.
    m_sys->OpenFileAnswers.push_back(DemoGamePath());
    ASSERT_TRUE(Main(Work()));
    ASSERT_NE(g_cApp, nullptr);
    ASSERT_NE(g_cTranslate, nullptr);
    EXPECT_EQ(g_cApp->IniPath(), IniPath());
    EXPECT_EQ(g_cApp->ActiveProfile()->ProfileName(), "PROFILE_DEFAULT");
    EXPECT_EQ(g_cApp->ActiveProfile()->VekoraPath(), DemoGamePath());
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, "Vekolaunch_MTX");
    EXPECT_NE(mutex, nullptr);
    if (mutex) CloseHandle(mutex);
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
    EXPECT_TRUE(m_sys->ErrorReports.empty());

    HWND main = FindVisibleWindow("Vekolaunch");
    ASSERT_NE(main, nullptr);
    m_sys->MessageBoxAnswers = {IDNO}; // the standard profile is unsaved: do not save it
    SendMessageA(main, WM_CLOSE, 0, 0);
    PumpMessages();
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u); // the save question, nothing else
    EXPECT_TRUE(m_sys->ErrorReports.empty());
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(g_cApp, nullptr); // released when the main window closed
    EXPECT_EQ(g_cTranslate, nullptr);

    const std::string ini = IniPath();
    EXPECT_EQ(ReadFromIni(ini, "APPLICATION", "FILEVERSION", ""), "1.1");
    EXPECT_EQ(ReadFromIni(ini, "APPLICATION", "APPVERSION", ""), "0.0.24");
    EXPECT_EQ(ReadFromIni(ini, "OPTIONS", "LANGUAGE", ""), "EN");
    EXPECT_EQ(ReadFromIni(ini, "OPTIONS", "STARTVEKORADIALOG", ""), "1");
    EXPECT_EQ(ReadFromIni(ini, "OPTIONS", "EDITORPATH", "<missing>"), "");
    EXPECT_EQ(ReadFromIni(ini, "PROFILES", "LASTACTIVEPROFILE", ""), "PROFILE_DEFAULT");
    const std::string text = ReadIni();
    EXPECT_LT(text.find("[APPLICATION]"), text.find("[OPTIONS]"));
    EXPECT_LT(text.find("[OPTIONS]"), text.find("[PROFILES]"));
}

TEST_F(MainStart, NoProfileChosenEndsWithoutAWindow)
{
    WriteIni("[PROFILES]\r\nLASTACTIVEPROFILE=profile_gone\r\n");
    bool started = true;
    WhileModal([&] { started = Main(Work()); }, [](HWND shown) { PostMessageA(shown, WM_CLOSE, 0, 0); });
    EXPECT_FALSE(started);
    EXPECT_EQ(FindVisibleWindow("Vekolaunch"), nullptr);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text, "You have to load a profile, if you want to use this application.");
    EXPECT_TRUE(m_sys->ErrorReports.empty());
}

TEST_F(MainStart, ASecondLauncherStartsLikeTheFirst)
{
    // The mutex of a launcher that is already running changes nothing.
    HANDLE running = CreateMutexA(nullptr, FALSE, "Vekolaunch_MTX");
    m_sys->OpenFileAnswers.push_back(DemoGamePath());
    ASSERT_TRUE(Main(Work()));
    EXPECT_NE(FindVisibleWindow("Vekolaunch"), nullptr);
    CloseHandle(running);
}

TEST(ClosePublicObjects, ReleasesBothGlobals)
{
    g_cApp = std::make_unique<Application>("C:\\x");
    g_cTranslate = std::make_unique<cTranslate>();
    ClosePublicObjects();
    EXPECT_EQ(g_cApp, nullptr);
    EXPECT_EQ(g_cTranslate, nullptr);
}
