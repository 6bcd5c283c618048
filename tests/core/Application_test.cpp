// The application object: directories, start-up loading, shutdown saving, shell actions and
// the language-file helpers.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "base/mError.h"
#include "base/mFunctions.h"
#include "base/mIni.h"
#include "core/AppConstants.h"
#include "core/Application.h"
#include "support/TestEnvironment.h"
#include "translation/cTranslate.h"

TEST(ApplicationPaths, DerivedFromTheWorkFolder)
{
    for (const std::string& work : {std::string("C:\\Games\\Vekolaunch"), std::string("C:\\Games\\Vekolaunch\\")}) {
        Application app(work);
        EXPECT_EQ(app.GetWorkDirectory(), "C:\\Games\\Vekolaunch\\");
        EXPECT_EQ(app.IniPath(), "C:\\Games\\Vekolaunch\\Vekolaunch.ini");
        EXPECT_EQ(app.GetLanguageDirectory(), "C:\\Games\\Vekolaunch\\config\\");
        EXPECT_EQ(app.GetDocDirectory(), "C:\\Games\\Vekolaunch\\doc\\");
        EXPECT_EQ(app.GetToolsDirectory(), "C:\\Games\\Vekolaunch\\tools\\");
        EXPECT_EQ(app.GetLanguageFile("DE"), "C:\\Games\\Vekolaunch\\config\\LNG_DE.ini");
    }
}

TEST(ApplicationPaths, DriveRootGetsNoDoubledBackslash)
{
    Application app("C:\\");
    EXPECT_EQ(app.GetWorkDirectory(), "C:\\");
    EXPECT_EQ(app.IniPath(), "C:\\Vekolaunch.ini");
    EXPECT_EQ(app.GetLanguageDirectory(), "C:\\config\\");
}

TEST(ApplicationPaths, TheProgramsOwnFolderByDefault)
{
    Application app;
    EXPECT_EQ(app.GetWorkDirectory(), TestProgramDir());
    EXPECT_EQ(app.IniPath(), TestProgramDir() + "Vekolaunch.ini");
}

TEST(ApplicationNames, FileNamesAndLanguageAbbreviations)
{
    EXPECT_EQ(Application::GetFAQFileName("DE"), "FAQ_DE.txt");
    EXPECT_EQ(Application::GetLanguageFileWithoutPath("EN"), "LNG_EN.ini");
    EXPECT_EQ(Application::GetLanguageAbbrev("LNG_EN.ini"), "EN");
    EXPECT_EQ(Application::GetLanguageAbbrev("LNG_D.ini"), "D"); // 9 characters: one left
    EXPECT_EQ(Application::GetLanguageAbbrev("abcdPT_BR.txt"), "PT_BR");
}

TEST(ApplicationNames, AbbreviationOfAShortNameIsError20007)
{
    try {
        Application::GetLanguageAbbrev("LNG_.ini");
        FAIL() << "no error";
    } catch (...) {
        AppError e = CurrentError();
        EXPECT_EQ(e.Number, -2147201497);
        EXPECT_EQ(GetErrorNumber(e.Number), 20007);
        EXPECT_EQ(e.Description, "Cannot extract language abbrev. from filename 'LNG_.ini'");
        EXPECT_EQ(e.Source, "Application.GetLanguageAbbrev\r\n");
    }
}

class ApplicationTest : public AppFixture {};

TEST_F(ApplicationTest, FirstStartLoadsDefaultsAndTheStandardProfileSilently)
{
    EXPECT_EQ(g_cApp->ActiveProfile(), nullptr);
    EXPECT_TRUE(g_cApp->LoadData());
    ASSERT_NE(g_cApp->ActiveProfile(), nullptr);
    EXPECT_EQ(g_cApp->ActiveProfile()->ProfileName(), "PROFILE_DEFAULT");
    EXPECT_EQ(g_cApp->Options().Language(), "EN");
    EXPECT_TRUE(g_cApp->DataChanged()); // the standard profile is not in the file yet
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
    EXPECT_EQ(ReadIni(), ""); // loading writes nothing
}

TEST_F(ApplicationTest, OptionsAreLoadedBeforeTheProfiles)
{
    // The standard profile takes its description from the language the options name.
    WriteIni("[OPTIONS]\r\nLANGUAGE=de\r\n[PROFILES]\r\nLASTACTIVEPROFILE=profile_default\r\n");
    ASSERT_TRUE(g_cApp->LoadData());
    EXPECT_EQ(g_cApp->ActiveProfile()->ProfileName(), "PROFILE_DEFAULT"); // found without regard to case
    EXPECT_EQ(g_cApp->ActiveProfile()->ProfileDescription(),
              ReadFromIni(ConfigDir() + "LNG_DE.ini", "GLOBAL", "STANDARD_PROFILE_DESC", "?"));
}

TEST_F(ApplicationTest, NoLanguageFileIsNamedOnceAndTheStartGoesOn)
{
    WriteIni("[OPTIONS]\r\nLANGUAGE=DE\r\n");
    const std::string english = ReadTextFile(ConfigDir() + "LNG_EN.ini");
    DeleteFileA((ConfigDir() + "LNG_DE.ini").c_str());
    WriteTextFile(ConfigDir() + "LNG_EN.ini", ""); // emptied
    EXPECT_TRUE(g_cApp->LoadData());
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_NE(m_sys->MessageBoxes[0].Text.find("folder\r\n" + ConfigDir() + "\r\n"), std::string::npos);

    WriteTextFile(ConfigDir() + "LNG_EN.ini", english); // English alone is enough
    m_sys->MessageBoxes.clear();
    RestartApplication();
    EXPECT_TRUE(g_cApp->LoadData());
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
}

TEST_F(ApplicationTest, DamagedSettingsFileIsCopiedOnceBeforeTheFirstWrite)
{
    const std::string damaged = std::string("[OPTIONS]\r\nLANGUAGE=EN\r\n[PROFILES]\r\nLASTACTIVEPROFILE=profile_A\r\n[profile_A]\r\nDESC") + '\0' +
                                "RIPTION=x\r\n[profile_B]\r\nRES_WIDTH=800\r\n";
    WriteIni(damaged);
    ASSERT_TRUE(g_cApp->LoadData());
    EXPECT_TRUE(m_sys->MessageBoxes.empty()) << "reading changes nothing";
    g_cApp->SaveAppSettings();
    g_cApp->Profiles().SaveWhichProfileIsActive(g_cApp->ActiveProfile().get());
    EXPECT_EQ(ReadTextFile(IniPath() + ".bak"), damaged);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_NE(m_sys->MessageBoxes[0].Text.find(IniPath() + ".bak"), std::string::npos);

    WriteIni("[PROFILES]\r\nLASTACTIVEPROFILE=profile_A\r\n[profile_A]\r\n"); // an ordinary file is written as it is
    DeleteFileA((IniPath() + ".bak").c_str());
    RestartApplication();
    ASSERT_TRUE(g_cApp->LoadData());
    g_cApp->SaveAppSettings();
    EXPECT_FALSE(FileExists(IniPath() + ".bak"));
    EXPECT_EQ(m_sys->MessageBoxes.size(), 1u);
}

TEST_F(ApplicationTest, NoProfileChosenEndsWithOneMessage)
{
    WriteIni("[PROFILES]\r\nLASTACTIVEPROFILE=profile_gone\r\n");
    bool result = true;
    // Whatever the load-profile window shows is closed, which cancels it.
    WhileModal([&] { result = g_cApp->LoadData(); }, [](HWND shown) { PostMessageA(shown, WM_CLOSE, 0, 0); });
    EXPECT_FALSE(result);
    EXPECT_EQ(g_cApp->ActiveProfile(), nullptr);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text, "You have to load a profile, if you want to use this application.");
    EXPECT_EQ(m_sys->MessageBoxes[0].Type, static_cast<UINT>(MB_OK));
}

TEST_F(ApplicationTest, SwitchingProfilesAndBackStaysChanged)
{
    WriteIni("[PROFILES]\r\nLASTACTIVEPROFILE=PROFILE_A\r\n[profile_A]\r\nREFRESH=1\r\n[profile_B]\r\nREFRESH=1\r\n");
    ASSERT_TRUE(g_cApp->LoadData());
    auto a = g_cApp->ActiveProfile();
    ASSERT_EQ(a->ProfileName(), "profile_A"); // found without regard to case
    EXPECT_FALSE(g_cApp->DataChanged());      // choosing the profile at start is no change
    g_cApp->SetActiveProfile(a);              // the same object: nothing happens
    EXPECT_FALSE(g_cApp->DataChanged());
    g_cApp->SetActiveProfile(g_cApp->Profiles().Item("profile_B"));
    g_cApp->SetActiveProfile(a);
    EXPECT_EQ(g_cApp->ActiveProfile(), a);
    EXPECT_TRUE(g_cApp->DataChanged());
}

TEST_F(ApplicationTest, SaveAppSettingsWritesVersionsThenOptions)
{
    ASSERT_TRUE(g_cApp->LoadData());
    g_cApp->Options().SetEditorPath("C:\\ed.exe");
    g_cApp->SaveAppSettings();
    EXPECT_EQ(ReadIni(), "[APPLICATION]\r\nFILEVERSION=1.1\r\nAPPVERSION=0.0.24\r\n"
                         "[OPTIONS]\r\nEDITORPATH=C:\\ed.exe\r\nLANGUAGE=EN\r\nSTARTVEKORADIALOG=1\r\n");
    EXPECT_FALSE(g_cApp->Options().DataChanged());
}

TEST_F(ApplicationTest, ShowFAQOpensTheFileInTheDocFolder)
{
    const std::string doc = g_cApp->GetDocDirectory();
    ASSERT_TRUE(CreateDirectoryA(doc.c_str(), nullptr));
    WriteTextFile(doc + "FAQ_EN.txt", "questions");
    g_cApp->ShowFAQ(nullptr, "EN");
    ASSERT_EQ(m_sys->ShellCalls.size(), 1u);
    EXPECT_EQ(m_sys->ShellCalls[0].Operation, "open");
    EXPECT_EQ(m_sys->ShellCalls[0].File, doc + "FAQ_EN.txt");
    EXPECT_EQ(m_sys->ShellCalls[0].Parameters, "");
    EXPECT_EQ(m_sys->ShellCalls[0].Directory, doc);
    EXPECT_EQ(m_sys->ShellCalls[0].Show, SW_SHOWNORMAL);
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
}

TEST_F(ApplicationTest, ShowFAQWithoutTheFileNamesTheFullPath)
{
    const std::string doc = g_cApp->GetDocDirectory();
    ASSERT_TRUE(CreateDirectoryA(doc.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((doc + "FAQ_XX.txt").c_str(), nullptr)); // a folder does not count
    g_cApp->Options().SetLanguage("DE");
    for (const char* abbrev : {"FR", "XX"}) {
        m_sys->MessageBoxes.clear();
        const std::string path = doc + "FAQ_" + abbrev + ".txt";
        g_cApp->ShowFAQ(nullptr, abbrev);
        ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
        EXPECT_EQ(m_sys->MessageBoxes[0].Text, g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_FileNotFound", path));
        EXPECT_NE(m_sys->MessageBoxes[0].Text.find("\r\n" + path), std::string::npos) << m_sys->MessageBoxes[0].Text;
        EXPECT_EQ(m_sys->MessageBoxes[0].Text.rfind("Folgende", 0), 0u); // German, the chosen language
        EXPECT_EQ(m_sys->MessageBoxes[0].Type, static_cast<UINT>(MB_OK));
    }
    EXPECT_TRUE(m_sys->ShellCalls.empty());
}

TEST_F(ApplicationTest, WebPageAndMailGoThroughTheShell)
{
    Application::ShowVekolaunchWebpage(nullptr);
    Application::ContactAuthor(nullptr);
    ASSERT_EQ(m_sys->ShellCalls.size(), 2u);
    EXPECT_EQ(m_sys->ShellCalls[0].File, VEKOLAUNCH_WEB_ADDRESS);
    EXPECT_EQ(m_sys->ShellCalls[1].File, std::string("mailto:") + VEKOLAUNCH_CONTACT_MAIL);
    for (const auto& call : m_sys->ShellCalls) {
        EXPECT_EQ(call.Operation, "open");
        EXPECT_EQ(call.Parameters, "");
        EXPECT_EQ(call.Directory, "");
        EXPECT_EQ(call.Show, SW_SHOWNORMAL);
    }
}

TEST_F(ApplicationTest, LanguageNameComesFromTheFileInfoSection)
{
    EXPECT_EQ(Application::GetLanguageName(g_cApp->GetLanguageFile("DE")), "Deutsch");
    EXPECT_EQ(Application::GetLanguageName(g_cApp->GetLanguageFile("XX")), "");
}

namespace {
// The non-empty lines of a text, sorted: what a rewrite of the file must keep, in any order.
std::vector<std::string> SortedLines(const std::string& text)
{
    std::vector<std::string> lines;
    for (size_t pos = 0; pos < text.size();) {
        const size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        if (end > pos) lines.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}
} // namespace

// Settings files no launcher wrote, loaded and saved as a session does it: no error report, and
// every line is kept in the file, or in the copy where the file holds NUL characters.
TEST_F(ApplicationTest, ForeignSettingsFilesLoadAndLoseNoLine)
{
    std::mt19937 random(20261208);
    std::string noise(64 * 1024, '\0');
    for (char& c : noise) c = static_cast<char>(random() & 0xFF);
    std::string large = "[PROFILES]\r\nLASTACTIVEPROFILE=profile_A\r\n[profile_A]\r\nDESCRIPTION=a\r\n[MYTOOL]\r\n";
    for (int i = 0; large.size() < 5 * 1024 * 1024; ++i) large += "LINE" + std::to_string(i) + "=" + std::string(60, 'x') + "\r\n";
    const std::string wide(10000, 'w');
    struct Case {
        const char* what;
        std::string text;
        bool damaged;
    };
    const Case cases[] = {
        {"random bytes", noise, true},
        {"5 MB", large, false},
        {"lines of 10,000 characters",
         "[PROFILES]\r\nLASTACTIVEPROFILE=profile_" + wide + "\r\n[profile_" + wide + "]\r\nDESCRIPTION=" + wide +
             "\r\n[MYTOOL]\r\nK" + wide + "=" + wide + "\r\n",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileA((IniPath() + ".bak").c_str());
        WriteIni(c.text);
        RestartApplication();
        m_sys->MessageBoxes.clear();
        ASSERT_TRUE(g_cApp->LoadData());
        std::string all;
        for (const auto& profile : g_cApp->Profiles()) all += profile->ProfileName() + ";";
        g_cApp->SaveDataEx(all);
        g_cApp->SaveAppSettings();
        g_cApp->Profiles().SaveWhichProfileIsActive(g_cApp->ActiveProfile().get());
        EXPECT_TRUE(m_sys->ErrorReports.empty());
        EXPECT_EQ(m_sys->MessageBoxes.size(), c.damaged ? 1u : 0u);
        if (c.damaged) {
            EXPECT_EQ(ReadTextFile(IniPath() + ".bak"), c.text);
            continue;
        }
        const std::vector<std::string> before = SortedLines(c.text), after = SortedLines(ReadIni());
        EXPECT_TRUE(std::includes(after.begin(), after.end(), before.begin(), before.end()));
    }
}
