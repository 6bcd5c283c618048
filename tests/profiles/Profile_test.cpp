// A launch profile: its properties, the game's command line, loading with its corrections,
// saving and the summary text.
#include <gtest/gtest.h>

#include "base/mIni.h"
#include "core/Application.h"
#include "profiles/Profile.h"
#include "support/TestEnvironment.h"
#include "translation/cTranslate.h"

namespace {
struct CmdLineCase {
    const char* name;
    bool log, freeplay, predefined;
    int16_t resolution, width, height, refresh;
    const char* scenario;
    const char* pak;
    const char* expected;
};

const CmdLineCase kCmdLines[] = {
    {"NewProfile", true, false, true, 2, 640, 480, 1, "", "", "-log -res 2 -refresh 1"},
    {"UserDefinedFreeplayNoRefresh", false, true, false, 2, 800, 600, 0, "", "", "-screensize 800x600 -freeplay"},
    {"NoLogStartsWithRes", false, false, true, 3, 640, 480, 2, "", "", "-res 3 -refresh 2"},
    {"NegativeRefreshIsNone", true, false, true, 1, 640, 480, -4, "", "", "-log -res 1"},
    {"ScenarioThenPak", true, true, true, 5, 640, 480, 5, "Scenarios\\Alps", "winter.pak",
     "-log -res 5 -freeplay -refresh 5 -scenario Scenarios\\Alps -graphicpack winter.pak"},
    {"PathsUnquoted", false, false, false, 1, -1, 0, 0, "C:\\My Scen", "", "-screensize -1x0 -scenario C:\\My Scen"},
    {"PakAlone", false, false, true, 1, 640, 480, 0, "", "D:\\g p.pak", "-res 1 -graphicpack D:\\g p.pak"},
};
} // namespace

TEST(ProfileCommandLine, BuiltInTheFixedOrder)
{
    for (const auto& c : kCmdLines) {
        Profile p;
        p.SetLogMessages(c.log);
        p.SetFreeplay(c.freeplay);
        p.SetUsePreDefinedResolution(c.predefined);
        p.SetPreDefinedResolution(c.resolution);
        p.SetResolutionWidth(c.width);
        p.SetResolutionHeight(c.height);
        p.SetRefresh(c.refresh);
        p.SetScenarioPath(c.scenario);
        p.SetGraphicPakPath(c.pak);
        EXPECT_EQ(p.GetCmdLineParameters(), c.expected) << c.name;
    }
}

TEST(ProfileProperties, NewProfileDefaults)
{
    Profile p;
    EXPECT_EQ(p.ProfileName(), "");
    EXPECT_TRUE(p.LogMessages());
    EXPECT_FALSE(p.Freeplay());
    EXPECT_TRUE(p.UsePreDefinedResolution());
    EXPECT_EQ(p.PreDefinedResolution(), 2);
    EXPECT_EQ(p.ResolutionWidth(), 640);
    EXPECT_EQ(p.ResolutionHeight(), 480);
    EXPECT_EQ(p.Refresh(), 1);
    EXPECT_FALSE(p.DataChanged());
    EXPECT_EQ(p.GetCmdLineParameters(), "-log -res 2 -refresh 1");
}

TEST(ProfileProperties, OnlyARealChangeMarksTheProfile)
{
    Profile p;
    p.SetLogMessages(true);
    p.SetPreDefinedResolution(2);
    p.SetScenarioPath("");
    p.SetProfileName("profile_X"); // the name never counts as a change
    EXPECT_FALSE(p.DataChanged());
    p.SetScenarioPath("Scenarios\\a");
    EXPECT_TRUE(p.DataChanged());
    p.SetDataChanged(false);
    p.SetScenarioPath("SCENARIOS\\A"); // texts compare with case
    EXPECT_TRUE(p.DataChanged());
    p.SetDataChanged(false);
    p.SetRefresh(3);
    EXPECT_TRUE(p.DataChanged());
}

TEST(ProfileProperties, CaptionWithoutThePrefix)
{
    Profile p;
    const std::pair<const char*, const char*> cases[] = {
        {"Profile_X", "X"}, {"myprofile", "myprofile"}, {"profile_", ""},
        {"PROFILE_DEFAULT", "DEFAULT"}, {"profil", "profil"}};
    for (const auto& [name, caption] : cases) {
        p.SetProfileName(name);
        EXPECT_EQ(p.ProfileCaption(), caption) << name;
    }
}

class ProfileLoad : public AppFixture {
protected:
    // Loads section profile_A of a settings file with these lines.
    Profile Load(const std::string& keys)
    {
        WriteIni("[profile_A]\r\n" + keys);
        Profile p;
        p.SetProfileName("profile_A");
        p.LoadData();
        return p;
    }
};

TEST_F(ProfileLoad, MissingKeysGiveTheReadDefaults)
{
    Profile p = Load("");
    EXPECT_TRUE(p.LogMessages());
    EXPECT_TRUE(p.Freeplay()); // unlike a new profile
    EXPECT_EQ(p.PreDefinedResolution(), 1);
    EXPECT_EQ(p.ResolutionWidth(), 640);
    EXPECT_EQ(p.ResolutionHeight(), 480);
    EXPECT_EQ(p.Refresh(), 1);
    EXPECT_FALSE(p.DataChanged());
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
}

TEST_F(ProfileLoad, EveryKeyIsRead)
{
    Profile p = Load("LOGMESSAGES=0\r\nFREEPLAY= 1 \r\nUSESTANDARDRESOLUTION=yes\r\nRESOLUTION=5\r\nRES_WIDTH=1024\r\n"
                     "RES_HEIGHT=768\r\nSCENARIO=Scenarios\\Alps\r\nGRAPICPAK=winter.pak\r\nREFRESH=0\r\n"
                     "VEKOPATH=C:\\Games\\vekora.exe\r\nDESCRIPTION=two\\nlines\r\n");
    EXPECT_FALSE(p.LogMessages());
    EXPECT_TRUE(p.Freeplay());
    EXPECT_FALSE(p.UsePreDefinedResolution());
    EXPECT_EQ(p.PreDefinedResolution(), 5);
    EXPECT_EQ(p.ResolutionWidth(), 1024);
    EXPECT_EQ(p.ResolutionHeight(), 768);
    EXPECT_EQ(p.ScenarioPath(), "Scenarios\\Alps");
    EXPECT_EQ(p.GraphicPakPath(), "winter.pak");
    EXPECT_EQ(p.Refresh(), 0);
    EXPECT_EQ(p.VekoraPath(), "C:\\Games\\vekora.exe");
    EXPECT_EQ(p.ProfileDescription(), "two\\nlines");
    EXPECT_FALSE(p.DataChanged());
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
}

TEST_F(ProfileLoad, ResolutionBelowOneIsCorrectedWithTheWarning)
{
    for (const char* value : {"0", "-5"}) {
        m_sys->MessageBoxes.clear();
        Profile p = Load(std::string("RESOLUTION=") + value + "\r\n");
        EXPECT_EQ(p.PreDefinedResolution(), 1);
        EXPECT_TRUE(p.DataChanged());
        ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
        EXPECT_EQ(m_sys->MessageBoxes[0].Text,
                  std::string("Warning:\r\nThe configuration file contains the invalid Resolution-ID ") + value +
                      ".\r\nThe resolution 1 (640 x 480 pixel) will be used instead.\r\n\r\nWarning-ID: 20002");
        EXPECT_EQ(m_sys->MessageBoxes[0].Type, static_cast<UINT>(MB_ICONERROR | MB_OK));
    }
}

TEST_F(ProfileLoad, ResolutionAboveTheListIsCorrected)
{
    Profile p = Load("RESOLUTION=6\r\n");
    EXPECT_EQ(p.PreDefinedResolution(), 1);
    EXPECT_TRUE(p.DataChanged());
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_NE(m_sys->MessageBoxes[0].Text.find("invalid Resolution-ID 6."), std::string::npos);
}

TEST_F(ProfileLoad, RefreshOutsideTheListIsCorrected)
{
    Profile high = Load("REFRESH=6\r\n");
    EXPECT_EQ(high.Refresh(), 1);
    EXPECT_TRUE(high.DataChanged());
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text, "Warning:\r\nThe configuration file contains the invalid Refresh-ID 6.\r\n"
                                           "The refresh mode 1 will be used instead.\r\n\r\nWarning-ID: 20002");
    // 0 or less means no refresh: such a value loads as it is, without a word.
    Profile negative = Load("REFRESH=-2\r\n");
    EXPECT_EQ(negative.Refresh(), -2);
    EXPECT_FALSE(negative.DataChanged());
    EXPECT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(negative.GetCmdLineParameters(), "-log -res 1 -freeplay");
}

TEST_F(ProfileLoad, UnreadableIntegerGivesItsDefaultAndOneWarning)
{
    Profile p = Load("RES_WIDTH=abc\r\nVEKOPATH=C:\\v.exe\r\n");
    EXPECT_EQ(p.ResolutionWidth(), 640);
    EXPECT_EQ(p.VekoraPath(), "C:\\v.exe"); // loading went on
    EXPECT_TRUE(p.DataChanged());           // so that saving repairs the file
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text,
              "Warning:\r\nThe configuration file contains the invalid value \"abc\" for the key RES_WIDTH of the "
              "profile profile_A.\r\nThe value 640 will be used instead.\r\n\r\nWarning-ID: 20002");
}

TEST_F(ProfileLoad, EmptyAndOverflowingIntegersToo)
{
    Profile p = Load("RESOLUTION=\r\nRES_HEIGHT=40000\r\nREFRESH=x1\r\n");
    EXPECT_EQ(p.PreDefinedResolution(), 1);
    EXPECT_EQ(p.ResolutionHeight(), 480);
    EXPECT_EQ(p.Refresh(), 1);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 3u); // one per key, no range warning on top
    EXPECT_NE(m_sys->MessageBoxes[0].Text.find("value \"\" for the key RESOLUTION"), std::string::npos);
    EXPECT_NE(m_sys->MessageBoxes[1].Text.find("value \"40000\" for the key RES_HEIGHT"), std::string::npos);
    EXPECT_NE(m_sys->MessageBoxes[2].Text.find("value \"x1\" for the key REFRESH"), std::string::npos);
}

TEST_F(ProfileLoad, SaveWritesTheElevenKeysInOrderAndClearsTheFlag)
{
    WriteIni("[OPTIONS]\r\nLANGUAGE=EN\r\n");
    Profile p;
    p.SetProfileName("profile_New");
    p.SetVekoraPath("C:\\G\\vekora.exe");
    p.SetFreeplay(true);
    p.SetScenarioPath("S");
    p.SetProfileDescription("line1\r\nline2");
    p.SaveData();
    EXPECT_FALSE(p.DataChanged());
    EXPECT_EQ(ReadIni(), "[OPTIONS]\r\nLANGUAGE=EN\r\n[profile_New]\r\nLOGMESSAGES=1\r\nFREEPLAY=1\r\n"
                         "USESTANDARDRESOLUTION=1\r\nRESOLUTION=2\r\nRES_WIDTH=640\r\nRES_HEIGHT=480\r\nSCENARIO=S\r\n"
                         "GRAPICPAK=\r\nREFRESH=1\r\nVEKOPATH=C:\\G\\vekora.exe\r\nDESCRIPTION=line1\\nline2\r\n");
}

class ProfileSummary : public AppFixture {};

TEST_F(ProfileSummary, SettingsListInEnglishAndGerman)
{
    Profile p;
    const std::string en = "Freeplay: " + g_cTranslate->TranslateBool_YesNo(false) +
                           "\r\nLog messages: " + g_cTranslate->TranslateBool_YesNo(true) +
                           "\r\nRefresh: " + g_cTranslate->TranslateEx("MAIN_DIALOG", "LST_REFRESH_1") +
                           "\r\nGraphic pak: standard graphic pak\r\nScenario: none\r\nResolution: " +
                           g_cTranslate->TranslateEx("MAIN_DIALOG", "LST_RESOLUTION_2");
    EXPECT_EQ(p.GetSettingsListAsText(), en);
    EXPECT_EQ(en.find(NO_TEXT_AVAILABLE), std::string::npos);

    g_cApp->Options().SetLanguage("DE");
    p.SetUsePreDefinedResolution(false);
    p.SetResolutionWidth(800);
    p.SetResolutionHeight(600);
    p.SetScenarioPath("Scenarios\\Alps");
    p.SetGraphicPakPath("winter.pak");
    const std::string text = p.GetSettingsListAsText();
    // Names and answers come from the German file.
    EXPECT_EQ(text, "Freies Spiel: Nein\r\nMeldungen protokollieren: Ja\r\nBildaufbau: " +
                        g_cTranslate->TranslateEx("MAIN_DIALOG", "LST_REFRESH_1") +
                        "\r\nGrafikpaket: winter.pak\r\nSzenario: Scenarios\\Alps\r\nAufl\xF6sung: 800 x 600");
    EXPECT_EQ(text.substr(text.size() - 2), "00"); // no line break after the last item
}
