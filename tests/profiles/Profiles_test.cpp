// The profile collection: discovery in the settings file, the standard profile, saving a
// list of profiles, the active profile and the new-profile and load-profile windows.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "base/mError.h"
#include "base/mIni.h"
#include "core/Application.h"
#include "dialogs/frmEditProfile_res.h"
#include "dialogs/frmLoadProfile_res.h"
#include "dialogs/ucProfiles.h"
#include "profiles/Profiles.h"
#include "support/TestEnvironment.h"
#include "translation/cTranslate.h"

namespace {
std::vector<std::string> NamesOf(const Profiles& profiles)
{
    std::vector<std::string> names;
    for (const auto& p : profiles) names.push_back(p->ProfileName());
    return names;
}

} // namespace

TEST(ProfileSections, NameRunsFromTheBracketToTheFirstClosingOne)
{
    const std::string text = "[OPTIONS]\r\nLANGUAGE=EN\r\n[PROFILES]\r\n  [Profile_Mixed]\r\nA=1\r\n"
                             "[profile_a,b]\r\n[profile_c] old one\r\n[profile_d]]\n[profile_open\r\n"
                             "x=[profile_no]\r\n;[profile_comment]\r[profile_]\r\n[profile_last  ]";
    EXPECT_EQ(Profiles::ProfileSectionNames(text),
              (std::vector<std::string>{"Profile_Mixed", "profile_a,b", "profile_c", "profile_d", "profile_",
                                        "profile_last"}));
}

class ProfilesTest : public AppFixture {
protected:
    Profiles& profiles() { return g_cApp->Profiles(); }
};

TEST_F(ProfilesTest, ProfilesInFileOrderWithoutTheStandardProfile)
{
    WriteIni("[profile_B]\r\nRES_WIDTH=800\r\n[OPTIONS]\r\n[Profile_a]\r\nRES_WIDTH=1024\r\n");
    profiles().LoadData();
    EXPECT_EQ(NamesOf(profiles()), (std::vector<std::string>{"profile_B", "Profile_a"}));
    EXPECT_EQ(profiles().Item("PROFILE_A")->ResolutionWidth(), 1024); // keys match without regard to case
    EXPECT_EQ(profiles().Item(1)->ResolutionWidth(), 800);
    EXPECT_FALSE(profiles().DataChanged());
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
}

// A profile's section is read when its data is first asked for or by LoadSomePending, and
// a value set before that is not overwritten by the reading.
TEST_F(ProfilesTest, SectionsAreReadWhenFirstNeededOrStepByStep)
{
    WriteIni("[profile_A]\r\nRES_WIDTH=800\r\n[profile_B]\r\nRES_WIDTH=wide\r\n[profile_C]\r\nFREEPLAY=1\r\n"
             "[profile_D]\r\nRES_HEIGHT=600\r\n");
    profiles().LoadData();
    EXPECT_TRUE(m_sys->MessageBoxes.empty()) << "no section read yet";
    profiles().Item("profile_D")->SetResolutionWidth(1280);
    EXPECT_EQ(profiles().Item("profile_D")->ResolutionWidth(), 1280);
    EXPECT_EQ(profiles().Item("profile_D")->ResolutionHeight(), 600);

    EXPECT_TRUE(profiles().LoadSomePending(1)); // A
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
    EXPECT_TRUE(profiles().LoadSomePending(1)); // B, with its warning
    EXPECT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_FALSE(profiles().LoadSomePending(5)); // C; D was read already
    EXPECT_FALSE(profiles().LoadSomePending(5));
    EXPECT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_TRUE(profiles().Item("profile_C")->Freeplay());
    EXPECT_EQ(profiles().Item("profile_A")->ResolutionWidth(), 800);
}

TEST_F(ProfilesTest, NoProfileSectionGivesTheTranslatedStandardProfile)
{
    WriteIni("[OPTIONS]\r\nLANGUAGE=DE\r\n[PROFILES]\r\nLASTACTIVEPROFILE=PROFILE_DEFAULT\r\n");
    g_cApp->Options().LoadData();
    profiles().LoadData();
    ASSERT_EQ(profiles().Count(), 1);
    auto standard = profiles().Item(1);
    EXPECT_EQ(standard->ProfileName(), "PROFILE_DEFAULT");
    EXPECT_EQ(standard->ProfileCaption(), "DEFAULT");
    EXPECT_EQ(standard->ProfileDescription(),
              ReadFromIni(ConfigDir() + "LNG_DE.ini", "GLOBAL", "STANDARD_PROFILE_DESC", "?"));
    EXPECT_TRUE(standard->DataChanged());
    EXPECT_EQ(standard->GetCmdLineParameters(), "-log -res 2 -refresh 1");
    EXPECT_EQ(ReadIni().find("PROFILE_DEFAULT]"), std::string::npos); // not written by loading
}

TEST_F(ProfilesTest, CommaOrTextAfterTheBracketKeepsTheRealName)
{
    WriteIni("[profile_a,b]\r\nRES_WIDTH=800\r\n[profile_c]   ; the old one\r\nRES_WIDTH=1024\r\n"
             "[profile_d ]\r\nRES_WIDTH=1280\r\n");
    profiles().LoadData();
    ASSERT_EQ(NamesOf(profiles()), (std::vector<std::string>{"profile_a,b", "profile_c", "profile_d"}));
    EXPECT_EQ(profiles().Item("profile_d")->ResolutionWidth(), 1280);
    // Loaded from their own sections, and saved back into them.
    EXPECT_EQ(profiles().Item("profile_a,b")->ResolutionWidth(), 800);
    EXPECT_EQ(profiles().Item("profile_c")->ResolutionWidth(), 1024);
    profiles().Item("profile_a,b")->SetResolutionWidth(1280);
    profiles().SaveData("profile_a,b;");
    EXPECT_EQ(ReadFromIni(IniPath(), "profile_a,b", "RES_WIDTH", ""), "1280");
    const std::string text = ReadIni();
    EXPECT_EQ(text.find("[profile_a,b]"), text.rfind("[profile_a,b]")); // no second section
}

TEST_F(ProfilesTest, DuplicateSectionsLoadTheFirstWithOneWarning)
{
    WriteIni("[profile_A]\r\nRES_WIDTH=800\r\n[profile_B]\r\n[PROFILE_a]\r\nRES_WIDTH=1024\r\n[profile_B]\r\n");
    profiles().LoadData();
    EXPECT_EQ(NamesOf(profiles()), (std::vector<std::string>{"profile_A", "profile_B"}));
    EXPECT_EQ(profiles().Item("profile_A")->ResolutionWidth(), 800);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text,
              "Warning:\r\nThe configuration file contains more than one section for the same profile: [PROFILE_a], "
              "[profile_B].\r\nOnly the first section of each profile is used; these sections are ignored.\r\n\r\n"
              "Warning-ID: 20002");
}

TEST_F(ProfilesTest, HeaderWithoutClosingBracketIsNamedInOneWarningAndKept)
{
    const std::string text = "[profile_A]\r\nRES_WIDTH=800\r\n[profile_open\r\nRES_WIDTH=1024\r\n  [profile_too \r\n";
    WriteIni(text);
    profiles().LoadData();
    EXPECT_EQ(NamesOf(profiles()), (std::vector<std::string>{"profile_A"}));
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_NE(m_sys->MessageBoxes[0].Text.find("without a closing \"]\": [profile_open, [profile_too."),
              std::string::npos);
    EXPECT_EQ(ReadIni(), text);
}

TEST_F(ProfilesTest, LauncherStartsDespiteDuplicatesAndUnreadableValues)
{
    WriteIni("[PROFILES]\r\nLASTACTIVEPROFILE=profile_A\r\n[profile_A]\r\nRESOLUTION=big\r\n[Profile_A]\r\n");
    ASSERT_TRUE(g_cApp->LoadData());
    EXPECT_EQ(g_cApp->ActiveProfile()->ProfileName(), "profile_A");
    EXPECT_TRUE(g_cApp->DataChanged()); // the unreadable value, corrected when the profile is read
    EXPECT_EQ(m_sys->MessageBoxes.size(), 2u); // the duplicate warning, then the value warning
    EXPECT_TRUE(m_sys->ErrorReports.empty());
}

TEST_F(ProfilesTest, CollectionKeysAndPositions)
{
    auto a = profiles().Add("x", "profile_A");
    a->SetProfileName("profile_A");
    EXPECT_TRUE(profiles().DoesProfileExist("PROFILE_a"));
    EXPECT_FALSE(profiles().DoesProfileExist("profile_B"));
    EXPECT_EQ(ErrorOf([&] { profiles().Add("x", "PROFILE_A"); }).Number, RTE_DUPLICATE_KEY);
    const AppError missing = ErrorOf([&] { profiles().Item("profile_B"); });
    EXPECT_EQ(missing.Number, RTE_SUBSCRIPT);
    EXPECT_EQ(missing.Source, "Profiles.Item\r\nVekolaunch");
    EXPECT_EQ(ErrorOf([&] { profiles().Item(2); }).Number, RTE_SUBSCRIPT);
    profiles().Remove("profile_a");
    EXPECT_EQ(profiles().Count(), 0);
}

TEST_F(ProfilesTest, SaveDataWritesTheListedProfilesOnly)
{
    for (const char* name : {"profile_A", "profile_B", "profile_C"}) {
        auto p = profiles().Add(name, name);
        p->SetProfileName(name);
        p->SetProfileDescription(std::string("about ") + name);
    }
    profiles().SaveData("");
    EXPECT_EQ(ReadIni(), "");
    profiles().SaveData("profile_C;PROFILE_A;");
    EXPECT_EQ(ReadFromIni(IniPath(), "profile_C", "DESCRIPTION", ""), "about profile_C");
    EXPECT_EQ(ReadFromIni(IniPath(), "profile_A", "DESCRIPTION", ""), "about profile_A");
    EXPECT_EQ(ReadIni().find("[profile_B]"), std::string::npos);
    EXPECT_TRUE(profiles().DataChanged()); // B is still unsaved
    EXPECT_LT(ReadIni().find("[profile_C]"), ReadIni().find("[profile_A]"));
}

TEST_F(ProfilesTest, SaveDataStopsAtAnUnknownName)
{
    for (const char* name : {"profile_A", "profile_B"}) {
        auto p = profiles().Add(name, name);
        p->SetProfileName(name);
        p->SetDataChanged(true);
    }
    const AppError e = ErrorOf([&] { profiles().SaveData("profile_A;;profile_B;"); });
    EXPECT_EQ(e.Number, RTE_SUBSCRIPT);
    EXPECT_FALSE(profiles().Item("profile_A")->DataChanged()); // saved before the empty piece
    EXPECT_TRUE(profiles().Item("profile_B")->DataChanged());
}

TEST_F(ProfilesTest, ActiveProfileNameIsRememberedAndReadBack)
{
    EXPECT_EQ(profiles().ReadFromIni_ActiveProfileName(), "PROFILE_DEFAULT");
    EXPECT_EQ(ErrorOf([&] { profiles().SaveWhichProfileIsActive(nullptr); }).Number, RTE_OBJECT_NOT_SET);
    WriteIni("[profile_Other]\r\n");
    profiles().LoadData();
    g_cApp->SetActiveProfile(profiles().Item(1));
    profiles().SaveWhichProfileIsActive(g_cApp->ActiveProfile().get());
    EXPECT_EQ(ReadFromIni(IniPath(), "PROFILES", "LASTACTIVEPROFILE", ""), "profile_Other");
    EXPECT_EQ(profiles().ReadFromIni_ActiveProfileName(), "profile_Other");
}

// Saving and loading again in a fresh application object gives every value back.
TEST_F(ProfilesTest, SavedProfilesComeBackInAFreshApplication)
{
    ASSERT_TRUE(g_cApp->LoadData());
    auto p = profiles().Add("x", "profile_Full");
    p->SetProfileName("profile_Full");
    p->SetVekoraPath("C:\\Games\\Vekora\\vekora.exe");
    p->SetLogMessages(false);
    p->SetFreeplay(true);
    p->SetUsePreDefinedResolution(false);
    p->SetPreDefinedResolution(4);
    p->SetResolutionWidth(1280);
    p->SetResolutionHeight(1024);
    p->SetRefresh(0);
    p->SetScenarioPath("Scenarios\\Alps");
    p->SetGraphicPakPath("C:\\Games\\Vekora\\winter.pak");
    p->SetProfileDescription("Winter, no log");
    g_cApp->SetActiveProfile(p);
    g_cApp->SaveDataEx("PROFILE_DEFAULT;profile_Full;");
    profiles().SaveWhichProfileIsActive(g_cApp->ActiveProfile().get());

    RestartApplication();
    ASSERT_TRUE(g_cApp->LoadData());
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
    ASSERT_EQ(NamesOf(profiles()), (std::vector<std::string>{"PROFILE_DEFAULT", "profile_Full"}));
    auto q = g_cApp->ActiveProfile();
    EXPECT_EQ(q->ProfileName(), "profile_Full");
    EXPECT_EQ(q->VekoraPath(), p->VekoraPath());
    EXPECT_EQ(q->LogMessages(), false);
    EXPECT_EQ(q->Freeplay(), true);
    EXPECT_EQ(q->UsePreDefinedResolution(), false);
    EXPECT_EQ(q->PreDefinedResolution(), 4);
    EXPECT_EQ(q->ResolutionWidth(), 1280);
    EXPECT_EQ(q->ResolutionHeight(), 1024);
    EXPECT_EQ(q->Refresh(), 0);
    EXPECT_EQ(q->ScenarioPath(), p->ScenarioPath());
    EXPECT_EQ(q->GraphicPakPath(), p->GraphicPakPath());
    EXPECT_EQ(q->ProfileDescription(), "Winter, no log");
    EXPECT_EQ(q->GetCmdLineParameters(), p->GetCmdLineParameters());
    EXPECT_FALSE(g_cApp->DataChanged());
    auto standard = profiles().Item("PROFILE_DEFAULT");
    EXPECT_EQ(standard->ProfileDescription(), g_cTranslate->TranslateEx("GLOBAL", "STANDARD_PROFILE_DESC"));
    EXPECT_EQ(standard->PreDefinedResolution(), 2);
    EXPECT_FALSE(standard->Freeplay());
}

class NewProfileDialog : public ProfilesTest {
protected:
    // Opens the new-profile window through the collection and answers it with these texts.
    std::shared_ptr<Profile> AddThroughDialog(const std::string& name, const std::string& description, bool ok = true)
    {
        std::shared_ptr<Profile> result;
        const bool shown = WhileModal([&] { result = profiles().ShowAddNewDialog(); }, [&](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_EP_NAME, name.c_str());
            SetDlgItemTextA(dialog, IDC_EP_DESCRIPTION, description.c_str());
            ClickButton(dialog, ok ? IDOK : IDCANCEL);
        });
        EXPECT_TRUE(shown);
        return result;
    }
};

TEST_F(NewProfileDialog, OkAddsTheProfileLastAndLeavesTheActiveOneToTheCaller)
{
    ASSERT_TRUE(g_cApp->LoadData());
    auto standard = g_cApp->ActiveProfile();
    standard->SetDataChanged(false);
    auto added = AddThroughDialog("Winter", "Snow and ice");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->ProfileName(), "profile_Winter");
    EXPECT_EQ(added->ProfileDescription(), "Snow and ice");
    EXPECT_TRUE(added->DataChanged());
    EXPECT_EQ(g_cApp->ActiveProfile(), standard);
    EXPECT_EQ(NamesOf(profiles()), (std::vector<std::string>{"PROFILE_DEFAULT", "profile_Winter"}));
    EXPECT_EQ(profiles().Item("PROFILE_WINTER"), added);
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
}

// The window refuses a taken name itself and keeps what was typed, the focus on the name.
TEST_F(NewProfileDialog, TakenNameInOtherCaseKeepsTheWindowOpenWithTheInput)
{
    ASSERT_TRUE(g_cApp->LoadData());
    auto standard = g_cApp->ActiveProfile();
    std::shared_ptr<Profile> result;
    const bool shown = WhileModal([&] { result = profiles().ShowAddNewDialog(); }, [&](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_EP_NAME, "default");
        SetDlgItemTextA(dialog, IDC_EP_DESCRIPTION, "again");
        ClickButton(dialog, IDOK);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(ItemText(dialog, IDC_EP_NAME), "default");
        EXPECT_EQ(ItemText(dialog, IDC_EP_DESCRIPTION), "again");
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_EP_NAME));
        SetDlgItemTextA(dialog, IDC_EP_NAME, "Winter");
        ClickButton(dialog, IDOK);
    });
    EXPECT_TRUE(shown);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->ProfileName(), "profile_Winter");
    EXPECT_EQ(result->ProfileDescription(), "again");
    EXPECT_EQ(profiles().Count(), 2);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text,
              g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_ProfileNameNotUnique", "default"));
    EXPECT_EQ(m_sys->MessageBoxes[0].Type, static_cast<UINT>(MB_OK));
}

TEST_F(NewProfileDialog, CancelAddsNothing)
{
    ASSERT_TRUE(g_cApp->LoadData());
    auto standard = g_cApp->ActiveProfile();
    EXPECT_EQ(AddThroughDialog("Winter", "Snow", false), nullptr);
    EXPECT_EQ(profiles().Count(), 1);
    EXPECT_EQ(g_cApp->ActiveProfile(), standard);
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
}

// Every name the window accepts comes back from the file under the same name.
TEST_F(NewProfileDialog, AcceptedNamesSurviveSaveAndReload)
{
    ASSERT_TRUE(g_cApp->LoadData());
    const std::vector<std::string> names = {" Lead", "Trail ", "a,b", "x=y", "\xD6lfeld", "quote\"d"};
    for (const std::string& name : names) ASSERT_NE(AddThroughDialog(name, "(" + name + ")"), nullptr) << name;
    std::string list;
    for (const auto& p : profiles()) list += p->ProfileName() + ";";
    g_cApp->SaveDataEx(list);

    RestartApplication();
    ASSERT_TRUE(g_cApp->LoadData());
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
    ASSERT_EQ(profiles().Count(), static_cast<int>(names.size()) + 1);
    for (std::string name : names) {
        const std::string description = "(" + name + ")";
        if (name == "Trail ") name = "Trail"; // taken without its trailing blank
        ASSERT_TRUE(profiles().DoesProfileExist("profile_" + name)) << name;
        EXPECT_EQ(profiles().Item("profile_" + name)->ProfileName(), "profile_" + name);
        EXPECT_EQ(profiles().Item("profile_" + name)->ProfileDescription(), description) << name;
    }
}

class LoadProfileAtStart : public ProfilesTest {};

TEST_F(LoadProfileAtStart, MissingRememberedProfileAsksAndTakesTheChosenOne)
{
    WriteIni("[profile_A]\r\n[profile_B]\r\nRES_WIDTH=800\r\n");
    bool result = false;
    const bool shown = WhileModal([&] { result = g_cApp->LoadData(); }, [](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), "Load Profile");
        HWND list = GetDlgItem(GetDlgItem(dialog, IDC_LP_PROFILES), ucProfiles::LISTVIEW_ID);
        EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2);
        LVITEMA state = {};
        state.stateMask = state.state = LVIS_FOCUSED | LVIS_SELECTED;
        SendMessageA(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
        ClickButton(dialog, IDOK);
    });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(result);
    ASSERT_NE(g_cApp->ActiveProfile(), nullptr);
    EXPECT_EQ(g_cApp->ActiveProfile()->ProfileName(), "profile_B");
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
    EXPECT_FALSE(g_cApp->DataChanged()); // choosing at start is no change
}

TEST_F(LoadProfileAtStart, CancelEndsWithTheOneMessage)
{
    WriteIni("[PROFILES]\r\n[profile_A]\r\n");
    bool result = true;
    const bool shown =
        WhileModal([&] { result = g_cApp->LoadData(); }, [](HWND dialog) { ClickButton(dialog, IDCANCEL); });
    EXPECT_TRUE(shown);
    EXPECT_FALSE(result);
    EXPECT_EQ(g_cApp->ActiveProfile(), nullptr);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text, "You have to load a profile, if you want to use this application.");
}
