// Start-up and shutdown.
#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include "base/mFunctions.h"
#include "base/mIni.h"
#include "core/Application.h"
#include "mMain.h"
#include "support/TestEnvironment.h"
#include "translation/cTranslate.h"

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
