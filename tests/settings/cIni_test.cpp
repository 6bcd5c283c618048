// Every key of the settings file: section, key name, read default, type and written form.
#include <functional>

#include <gtest/gtest.h>

#include "base/mIni.h"
#include "core/Application.h"
#include "settings/cIni.h"
#include "support/TestEnvironment.h"

namespace {
struct KeyCase {
    const char* Section;
    const char* Key;
    std::string Default;                // what the reader gives on an empty file, as text
    std::function<std::string()> Read;  // the reader, its result as text
    std::function<void()> Write;        // the writer with a sample value
    std::string Written;                // the stored text of that sample
};

std::string B(bool v) { return v ? "true" : "false"; }
std::string I(int16_t v) { return std::to_string(v); }

std::vector<KeyCase> AllKeys()
{
    static cIni_Profiles profiles;
    static cIni_Options options;
    static cIni_Application application;
    static cIni_Profile profile;
    profile.SetProfileName("profile_Test");
    return {
        {"PROFILES", "LASTACTIVEPROFILE", "PROFILE_DEFAULT", [] { return profiles.Read_ActiveProfileName(); },
         [] { profiles.Write_ActiveProfileName("profile_Other"); }, "profile_Other"},
        {"OPTIONS", "EDITORPATH", "", [] { return options.Read_EditorPath(); },
         [] { options.Write_EditorPath("C:\\Tools\\edit.exe"); }, "C:\\Tools\\edit.exe"},
        {"OPTIONS", "LANGUAGE", "EN", [] { return options.Read_Language(); }, [] { options.Write_Language("DE"); },
         "DE"},
        {"OPTIONS", "STARTVEKORADIALOG", "true", [] { return B(options.Read_ShowStartVekoraDialog()); },
         [] { options.Write_ShowStartVekoraDialog(false); }, "0"},
        {"APPLICATION", "FILEVERSION", "1", [] { return application.Read_FileVersion(); },
         [] { application.Write_FileVersion(); }, "1.1"},
        {"APPLICATION", "APPVERSION", "1", [] { return application.Read_AppVersion(); },
         [] { application.Write_AppVersion(); }, "0.0.24"},
        {"profile_Test", "LOGMESSAGES", "true", [] { return B(profile.Read_LogMessages()); },
         [] { profile.Write_LogMessages(false); }, "0"},
        {"profile_Test", "FREEPLAY", "true", [] { return B(profile.Read_Freeplay()); },
         [] { profile.Write_Freeplay(false); }, "0"},
        {"profile_Test", "USESTANDARDRESOLUTION", "true", [] { return B(profile.Read_UsePreDefinedResolution()); },
         [] { profile.Write_UsePreDefinedResolution(false); }, "0"},
        {"profile_Test", "RESOLUTION", "1", [] { return I(profile.Read_PreDefinedResolution()); },
         [] { profile.Write_PreDefinedResolution(4); }, "4"},
        {"profile_Test", "RES_WIDTH", "640", [] { return I(profile.Read_ResolutionWidth()); },
         [] { profile.Write_ResolutionWidth(1920); }, "1920"},
        {"profile_Test", "RES_HEIGHT", "480", [] { return I(profile.Read_ResolutionHeight()); },
         [] { profile.Write_ResolutionHeight(-1); }, "-1"},
        {"profile_Test", "SCENARIO", "", [] { return profile.Read_ScenarioPath(); },
         [] { profile.Write_ScenarioPath("Scenarios\\Alps"); }, "Scenarios\\Alps"},
        {"profile_Test", "GRAPICPAK", "", [] { return profile.Read_GraphicPakPath(); },
         [] { profile.Write_GraphicPakPath("winter.pak"); }, "winter.pak"},
        {"profile_Test", "REFRESH", "1", [] { return I(profile.Read_Refresh()); }, [] { profile.Write_Refresh(0); },
         "0"},
        {"profile_Test", "VEKOPATH", "", [] { return profile.Read_VekoraPath(); },
         [] { profile.Write_VekoraPath("C:\\Games\\vekora.exe"); }, "C:\\Games\\vekora.exe"},
        {"profile_Test", "DESCRIPTION", "", [] { return profile.Read_ProfileDescription(); },
         [] { profile.Write_ProfileDescription("two\r\nlines"); }, "two\\nlines"},
    };
}
} // namespace

class IniAccessors : public AppFixture {};

TEST_F(IniAccessors, EveryKeyReadsItsDefaultFromAMissingFile)
{
    for (const KeyCase& c : AllKeys()) EXPECT_EQ(c.Read(), c.Default) << c.Section << "/" << c.Key;
}

TEST_F(IniAccessors, EveryKeyIsWrittenToItsSectionAndReadBack)
{
    for (const KeyCase& c : AllKeys()) {
        c.Write();
        EXPECT_EQ(ReadFromIni(IniPath(), c.Section, c.Key, "<missing>"), c.Written) << c.Section << "/" << c.Key;
        EXPECT_NE(c.Read(), c.Default) << c.Section << "/" << c.Key;
    }
}

TEST_F(IniAccessors, TheFileIsTakenFromTheApplicationAtEveryCall)
{
    cIni_Options options;
    options.Write_Language("DE");
    TempFolder other;
    g_cApp = std::make_unique<Application>(other.Path());
    EXPECT_EQ(options.Read_Language(), "EN");
    options.Write_Language("FR");
    EXPECT_EQ(ReadFromIni(other.Path() + "Vekolaunch.ini", "OPTIONS", "LANGUAGE", ""), "FR");
    EXPECT_EQ(ReadFromIni(IniPath(), "OPTIONS", "LANGUAGE", ""), "DE");
}

TEST_F(IniAccessors, WithoutTheApplicationObjectEveryAccessIsAnError)
{
    cIni_Options options;
    cIni_Profile profile;
    profile.SetProfileName("profile_Test");
    g_cApp.reset();
    EXPECT_EQ(ErrorOf([&] { options.Read_Language(); }).Number, RTE_OBJECT_NOT_SET);
    EXPECT_EQ(ErrorOf([&] { options.Write_ShowStartVekoraDialog(true); }).Number, RTE_OBJECT_NOT_SET);
    EXPECT_EQ(ErrorOf([&] { profile.Read_Refresh(); }).Number, RTE_OBJECT_NOT_SET);
    EXPECT_EQ(ErrorOf([&] { cIni_Application().Write_AppVersion(); }).Number, RTE_OBJECT_NOT_SET);
    EXPECT_EQ(ReadIni(), ""); // nothing was written anywhere
}

TEST_F(IniAccessors, ProfileSectionFollowsSetProfileName)
{
    cIni_Profile profile;
    profile.SetProfileName("profile_One");
    profile.Write_Refresh(3);
    profile.SetProfileName("PROFILE_ONE"); // section names match without regard to case
    EXPECT_EQ(profile.Read_Refresh(), 3);
    profile.SetProfileName("profile_Two");
    EXPECT_EQ(profile.Read_Refresh(), 1);
}
