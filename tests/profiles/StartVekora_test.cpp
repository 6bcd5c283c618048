// Starting the game: the start confirmation window, the shell call, and the real demo game
// receiving exactly the profile's parameters in its own folder.
#include <gtest/gtest.h>

#include "base/ControlHost.h"
#include "base/mFunctions.h"
#include "core/Application.h"
#include "dialogs/frmStartingVekora.h"
#include "dialogs/frmStartingVekora_res.h"
#include "profiles/Profile.h"
#include "support/BoundTexts.h"
#include "support/TestEnvironment.h"
#include "translation/cTranslate.h"

class StartConfirmation : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        ASSERT_TRUE(g_cApp->LoadData());
        m_profile = g_cApp->ActiveProfile();
        m_profile->SetVekoraPath("C:\\Games\\Vekora\\vekora.exe");
    }

    // Starts the profile; the confirmation window, if one shows, is handed to answer.
    bool Start(const std::function<void(HWND)>& answer)
    {
        return WhileModal([&] { m_profile->StartVekora(nullptr); }, answer);
    }

    std::shared_ptr<Profile> m_profile;
};

TEST_F(StartConfirmation, OffStartsAtOnceThroughTheShell)
{
    g_cApp->Options().SetShowStartVekoraDialog(false);
    EXPECT_FALSE(Start([](HWND) {}));
    ASSERT_EQ(m_sys->ShellCalls.size(), 1u);
    EXPECT_EQ(m_sys->ShellCalls[0].Operation, "open");
    EXPECT_EQ(m_sys->ShellCalls[0].File, "C:\\Games\\Vekora\\vekora.exe");
    EXPECT_EQ(m_sys->ShellCalls[0].Parameters, "-log -res 2 -refresh 1");
    EXPECT_EQ(m_sys->ShellCalls[0].Directory, "C:\\Games\\Vekora\\");
    EXPECT_EQ(m_sys->ShellCalls[0].Show, SW_SHOWNORMAL);
    EXPECT_EQ(ReadIni(), ""); // starting saves nothing
}

TEST_F(StartConfirmation, GameWithoutFolderGetsNoWorkingDirectory)
{
    g_cApp->Options().SetShowStartVekoraDialog(false);
    m_profile->SetVekoraPath("vekora.exe");
    Start([](HWND) {});
    ASSERT_EQ(m_sys->ShellCalls.size(), 1u);
    EXPECT_EQ(m_sys->ShellCalls[0].Directory, "");
}

TEST_F(StartConfirmation, WindowNamesTheParametersInEnglishAndGerman)
{
    std::vector<std::string> captions;
    for (const char* language : {"EN", "DE"}) {
        g_cApp->Options().SetLanguage(language);
        const bool shown = Start([&](HWND dialog) {
            captions.push_back(WindowText(dialog));
            auto text = [](const char* id) { return g_cTranslate->TranslateEx("START_VEKORA_DIALOG", id); };
            EXPECT_EQ(WindowText(dialog), text("DIALOG_CAPTION")) << language;
            EXPECT_EQ(ItemText(dialog, IDC_SV_INFO), "-log -res 2 -refresh 1");
            ExpectBoundTexts(frmStartingVekora::TEXTS, g_cApp->GetLanguageFile(language),
                             [&](int id) { return ItemText(dialog, id); });
            EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SV_DONTSHOW), BST_UNCHECKED);
            ClickButton(dialog, IDCANCEL);
        });
        EXPECT_TRUE(shown);
    }
    ASSERT_EQ(captions.size(), 2u);
    EXPECT_NE(captions[0], captions[1]); // the German file's caption
    EXPECT_TRUE(m_sys->ShellCalls.empty());
}

TEST_F(StartConfirmation, OkWithTheBoxCheckedStartsAndSwitchesItOff)
{
    EXPECT_TRUE(Start([](HWND dialog) {
        ClickButton(dialog, IDC_SV_DONTSHOW);
        ClickButton(dialog, IDOK);
    }));
    EXPECT_EQ(m_sys->ShellCalls.size(), 1u);
    EXPECT_FALSE(g_cApp->Options().ShowStartVekoraDialog());
    EXPECT_TRUE(g_cApp->Options().DataChanged());
    // The next start asks no more, and the option reaches the file when the launcher closes.
    EXPECT_FALSE(Start([](HWND dialog) { ClickButton(dialog, IDCANCEL); }));
    EXPECT_EQ(m_sys->ShellCalls.size(), 2u);
    g_cApp->SaveAppSettings();
    EXPECT_NE(ReadIni().find("STARTVEKORADIALOG=0"), std::string::npos);
}

TEST_F(StartConfirmation, OkUncheckedStartsAndKeepsAsking)
{
    EXPECT_TRUE(Start([](HWND dialog) { ClickButton(dialog, IDOK); }));
    EXPECT_EQ(m_sys->ShellCalls.size(), 1u);
    EXPECT_TRUE(g_cApp->Options().ShowStartVekoraDialog());
    EXPECT_FALSE(g_cApp->Options().DataChanged());
}

TEST_F(StartConfirmation, CancelCheckedStartsNothingAndChangesNothing)
{
    EXPECT_TRUE(Start([](HWND dialog) {
        ClickButton(dialog, IDC_SV_DONTSHOW);
        ClickButton(dialog, IDCANCEL);
    }));
    EXPECT_TRUE(m_sys->ShellCalls.empty());
    EXPECT_TRUE(g_cApp->Options().ShowStartVekoraDialog());
}

TEST_F(StartConfirmation, TitleBarCloseAndEscapeCountAsCancel)
{
    EXPECT_TRUE(Start([](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); }));
    EXPECT_TRUE(Start([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }));
    EXPECT_TRUE(m_sys->ShellCalls.empty());
}

TEST_F(StartConfirmation, LongPathsGrowTheWindowInsteadOfBeingCut)
{
    frmStartingVekora shortOne;
    shortOne.Load();
    shortOne.InitDialog(*m_profile);
    RECT shortWindow;
    GetWindowRect(shortOne.Hwnd(), &shortWindow);
    const RECT shortInfo = PlaceholderRect(shortOne.Hwnd(), IDC_SV_INFO);

    const std::string folder = "C:\\Games\\" + std::string(120, 'x') + "\\";
    m_profile->SetScenarioPath(folder + "Scenarios\\" + std::string(60, 's'));
    m_profile->SetGraphicPakPath(folder + std::string(60, 'p') + ".pak");
    frmStartingVekora longOne;
    longOne.Load();
    longOne.InitDialog(*m_profile);
    HWND dialog = longOne.Hwnd();
    EXPECT_EQ(ItemText(dialog, IDC_SV_INFO), m_profile->GetCmdLineParameters());
    const RECT info = PlaceholderRect(dialog, IDC_SV_INFO);
    EXPECT_GT(info.bottom - info.top, 2 * (shortInfo.bottom - shortInfo.top));
    RECT window;
    GetWindowRect(dialog, &window);
    EXPECT_EQ(window.bottom - window.top - (shortWindow.bottom - shortWindow.top),
              (info.bottom - info.top) - (shortInfo.bottom - shortInfo.top));
    // Everything below the parameters moved down with them and stays inside the window.
    RECT client;
    GetClientRect(dialog, &client);
    int above = info.bottom;
    for (int id : {IDC_SV_WARNING, IDC_SV_DONTSHOW, IDC_SV_HLINE1, IDOK}) {
        const RECT rect = PlaceholderRect(dialog, id);
        EXPECT_GE(rect.top, above) << id;
        EXPECT_LE(rect.bottom, client.bottom) << id;
        above = rect.bottom - (id == IDC_SV_HLINE1 ? 10 : 0); // the line's lower half is empty
    }
}

// The real shell starts the real demo game, which records what it received.
class StartDemoGame : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        m_sys.reset(); // the real system services from here on
        ASSERT_TRUE(g_cApp->LoadData());
        m_record = m_recordFolder.Path() + "record.txt";
        SetEnvironmentVariableA("VEKORA_RECORD", m_record.c_str());
    }
    void TearDown() override
    {
        SetEnvironmentVariableA("VEKORA_RECORD", nullptr);
        AppFixture::TearDown();
    }

    std::string WaitForRecord() const { return WaitForFileText(m_record); }

    static std::string GameFolder()
    {
        const std::string folder = ExtractPath(DemoGamePath());
        return folder.substr(0, folder.size() - 1);
    }

    TempFolder m_recordFolder;
    std::string m_record;
};

TEST_F(StartDemoGame, NewProfileWithoutConfirmation)
{
    g_cApp->Options().SetShowStartVekoraDialog(false);
    auto profile = g_cApp->ActiveProfile();
    profile->SetVekoraPath(DemoGamePath());
    profile->StartVekora(nullptr);
    EXPECT_EQ(WaitForRecord(), "Parameters: -log -res 2 -refresh 1\r\nDirectory: " + GameFolder() + "\r\n");
}

TEST_F(StartDemoGame, SecondExampleAfterConfirmingInTheWindow)
{
    auto profile = g_cApp->ActiveProfile();
    profile->SetVekoraPath(DemoGamePath());
    profile->SetLogMessages(false);
    profile->SetUsePreDefinedResolution(false);
    profile->SetResolutionWidth(800);
    profile->SetResolutionHeight(600);
    profile->SetFreeplay(true);
    profile->SetRefresh(0);
    const bool shown = WhileModal([&] { profile->StartVekora(nullptr); }, [](HWND dialog) {
        EXPECT_EQ(ItemText(dialog, IDC_SV_INFO), "-screensize 800x600 -freeplay");
        ClickButton(dialog, IDOK);
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(WaitForRecord(), "Parameters: -screensize 800x600 -freeplay\r\nDirectory: " + GameFolder() + "\r\n");
}
