// The main window's value rules: numbers, the command line, corrections and checks.
#include <gtest/gtest.h>

#include "base/mFunctions.h"
#include "mainwindow/MainWindowRules.h"
#include "profiles/Profile.h"
#include "support/TestEnvironment.h"

TEST(MainWindowNumbers, ReadsTheFormsTheProfileConversionReads)
{
    struct Case { const char* text; std::optional<double> value; };
    const Case cases[] = {
        {"800", 800}, {" 800 ", 800}, {"+5", 5}, {"-5", -5}, {"1.5", 1.5}, {".5", 0.5}, {"5.", 5},
        {"", std::nullopt}, {" ", std::nullopt}, {"abc", std::nullopt}, {"1e3", std::nullopt},
        {"1,5", std::nullopt}, {"--1", std::nullopt}, {".", std::nullopt}, {"8 00", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumericValue(c.text), c.value) << '"' << c.text << '"';
        EXPECT_EQ(IsNumericText(c.text), c.value.has_value()) << '"' << c.text << '"';
    }
}

TEST(MainWindowNumbers, OnlyWholeSixteenBitNumbersCanBeStored)
{
    EXPECT_TRUE(IsStorableResolutionText("1024"));
    EXPECT_TRUE(IsStorableResolutionText("32767"));
    EXPECT_TRUE(IsStorableResolutionText("-32768"));
    EXPECT_TRUE(IsStorableResolutionText("800.0"));
    EXPECT_FALSE(IsStorableResolutionText("32768"));
    EXPECT_FALSE(IsStorableResolutionText("-32769"));
    EXPECT_FALSE(IsStorableResolutionText("99999999999999999999"));
    EXPECT_FALSE(IsStorableResolutionText("800.5"));
    EXPECT_FALSE(IsStorableResolutionText("800.7"));
    EXPECT_FALSE(IsStorableResolutionText(""));
}

TEST(MainWindowNumbers, GameFolderIsThePathsFolderWithBackslash)
{
    EXPECT_EQ(GameFolderOf("C:\\Games\\Vekora\\vekora.exe"), "C:\\Games\\Vekora\\");
    EXPECT_EQ(GameFolderOf("vekora.exe"), "");
    EXPECT_EQ(GameFolderOf(""), "");
}

namespace {
MainWindowInput StandardInput()
{
    MainWindowInput input;
    input.VekoraPath = "C:\\Vekora\\vekora.exe";
    input.LogMessages = true;
    input.UsePreDefinedResolution = true;
    input.ResolutionIndex = 1;
    input.Width = "1024";
    input.Height = "768";
    input.RefreshIndex = 0;
    return input;
}

// The profile holding the values RefreshProfileData writes for that input.
Profile ProfileFor(const MainWindowInput& input)
{
    Profile profile;
    profile.SetVekoraPath(input.VekoraPath);
    profile.SetLogMessages(input.LogMessages);
    profile.SetFreeplay(input.Freeplay);
    profile.SetUsePreDefinedResolution(input.UsePreDefinedResolution);
    profile.SetPreDefinedResolution(static_cast<int16_t>(input.ResolutionIndex + 1));
    profile.SetResolutionWidth(static_cast<int16_t>(*NumericValue(input.Width)));
    profile.SetResolutionHeight(static_cast<int16_t>(*NumericValue(input.Height)));
    profile.SetScenarioPath(input.Scenario);
    profile.SetGraphicPakPath(input.GraphicPak);
    profile.SetRefresh(static_cast<int16_t>(input.RefreshIndex + 1));
    return profile;
}
} // namespace

TEST(MainWindowCommandLine, BuildsEveryPartInOrderUntrimmed)
{
    MainWindowInput input = StandardInput();
    input.Freeplay = true;
    input.Scenario = "scenarios\\Alpine Valley";
    input.GraphicPak = "winter.pak";
    EXPECT_EQ(BuildCmdLineParameters(input),
              " -log -res 2 -freeplay -refresh 1 -scenario scenarios\\Alpine Valley -graphicpack winter.pak");
    input.LogMessages = false;
    input.UsePreDefinedResolution = false;
    input.GraphicPak.clear();
    EXPECT_EQ(BuildCmdLineParameters(input), "-screensize 1024x768 -freeplay -refresh 1 -scenario scenarios\\Alpine Valley ");
}

TEST(MainWindowCommandLine, LeavesOutWhatIsNotChosen)
{
    MainWindowInput input = StandardInput();
    input.LogMessages = false;
    input.ResolutionIndex = -1;
    input.RefreshIndex = -1;
    EXPECT_EQ(BuildCmdLineParameters(input), "");
    input.UsePreDefinedResolution = false;
    input.Width = "";
    EXPECT_EQ(BuildCmdLineParameters(input), "") << "a screen size needs both numbers";
}

TEST(MainWindowCommandLine, ScreenSizeNumbersAreRoundedDown)
{
    MainWindowInput input = StandardInput();
    input.LogMessages = false;
    input.RefreshIndex = -1;
    input.UsePreDefinedResolution = false;
    input.Width = " 800.7 ";
    input.Height = "-0";
    EXPECT_EQ(BuildCmdLineParameters(input), "-screensize 800x0 ");
}

TEST(MainWindowCommandLine, AgreesWithTheProfilesBuilderForStorableValues)
{
    std::vector<MainWindowInput> inputs;
    for (bool log : {false, true}) {
        for (bool freeplay : {false, true}) {
            for (bool predefined : {false, true}) {
                MainWindowInput input = StandardInput();
                input.LogMessages = log;
                input.Freeplay = freeplay;
                input.UsePreDefinedResolution = predefined;
                inputs.push_back(input);
            }
        }
    }
    MainWindowInput full = StandardInput();
    full.ResolutionIndex = 4;
    full.RefreshIndex = 4;
    full.Width = "-12";
    full.Height = "800.0";
    full.UsePreDefinedResolution = false;
    full.Scenario = "scenarios\\x y";
    full.GraphicPak = "a b.pak";
    inputs.push_back(full);
    for (const MainWindowInput& input : inputs) {
        EXPECT_EQ(Trim(BuildCmdLineParameters(input)), ProfileFor(input).GetCmdLineParameters());
    }
}

TEST(MainWindowCorrection, RaisesTooSmallNumbersToTheLimits)
{
    std::string width = "639", height = "399";
    InputCorrection result = CorrectResolutionTexts(width, height);
    EXPECT_TRUE(result.HeightRaised);
    EXPECT_TRUE(result.WidthRaised);
    EXPECT_EQ(width, "640");
    EXPECT_EQ(height, "400");

    width = "640";
    height = "399.9"; // the integer part counts
    result = CorrectResolutionTexts(width, height);
    EXPECT_TRUE(result.HeightRaised);
    EXPECT_FALSE(result.WidthRaised);

    width = "abc";
    height = "";
    result = CorrectResolutionTexts(width, height);
    EXPECT_FALSE(result.HeightRaised || result.WidthRaised) << "non-numeric text is left to the check";
    EXPECT_EQ(width, "abc");

    width = "-5";
    height = "400";
    EXPECT_TRUE(CorrectResolutionTexts(width, height).WidthRaised);
}

class MainWindowChecks : public testing::Test {
protected:
    void SetUp() override
    {
        CreateDirectoryA((folder.Path() + "Scenarios").c_str(), nullptr);
        CreateDirectoryA((folder.Path() + "Scenarios\\Alpine").c_str(), nullptr);
        CreateDirectoryA((folder.Path() + "folder.pak").c_str(), nullptr);
        WriteTextFile(folder.Path() + "classic.pak", "pak");
        WriteTextFile(folder.Path() + "Scenarios\\notes.txt", "text");
        input = StandardInput();
        input.VekoraPath = folder.Path() + "vekora.exe";
    }

    std::optional<InputProblem> Problem() const { return FindInputProblem(input); }

    TempFolder folder;
    MainWindowInput input;
};

TEST_F(MainWindowChecks, AcceptsExistingScenarioAndPak)
{
    input.Scenario = "Scenarios\\Alpine";
    input.GraphicPak = "classic.pak";
    EXPECT_FALSE(Problem().has_value());
}

TEST_F(MainWindowChecks, MissingScenarioIsReportedWithTheCombinedPathFirst)
{
    input.Scenario = "Scenarios\\Nowhere";
    input.GraphicPak = "missing.pak";
    input.Width = "";
    ASSERT_TRUE(Problem().has_value());
    EXPECT_EQ(Problem()->MessageId, "ERR_PathNotFound");
    EXPECT_EQ(Problem()->P1, folder.Path() + "Scenarios\\Nowhere");

    input.Scenario = "Scenarios\\notes.txt"; // a file is no scenario
    EXPECT_EQ(Problem()->P1, folder.Path() + "Scenarios\\notes.txt");
}

TEST_F(MainWindowChecks, PakMustBeAFile)
{
    input.GraphicPak = "folder.pak";
    ASSERT_TRUE(Problem().has_value());
    EXPECT_EQ(Problem()->MessageId, "ERR_PathNotFound");
    EXPECT_EQ(Problem()->P1, folder.Path() + "folder.pak");
}

TEST_F(MainWindowChecks, MissingGameFolderNamesTheFolder)
{
    input.VekoraPath = folder.Path() + "gone\\vekora.exe";
    ASSERT_TRUE(Problem().has_value());
    EXPECT_EQ(Problem()->MessageId, "ERR_FileNotFound");
    EXPECT_EQ(Problem()->P1, folder.Path() + "gone\\");

}

TEST_F(MainWindowChecks, EmptyGamePathIsReportedAsNotChosenBeforeAnythingElse)
{
    input.VekoraPath = "";
    input.Scenario = "Scenarios\\Nowhere";
    ASSERT_TRUE(Problem().has_value());
    EXPECT_EQ(Problem()->MessageId, "ERR_VekoraFolderNotDefined");
}

TEST(CopyableCommandLine, QuotesAPathWithBlanksOnly)
{
    struct Case {
        const char* path;
        const char* parameters;
        const char* line;
    } cases[] = {
        {"C:\\Games\\vekora.exe", " -log -res 2 ", "C:\\Games\\vekora.exe -log -res 2"},
        {"C:\\Program Files\\Vekora\\vekora.exe", "-res 1", "\"C:\\Program Files\\Vekora\\vekora.exe\" -res 1"},
        {"", "-res 1", "-res 1"},
    };
    for (const Case& c : cases) EXPECT_EQ(CopyableCommandLine(c.path, c.parameters), c.line) << c.path;
}

TEST_F(MainWindowChecks, ResolutionTextsMustBeStorableWhicheverOptionIsSelected)
{
    for (bool predefined : {true, false}) {
        input.UsePreDefinedResolution = predefined;
        for (const char* bad : {"", "abc", "800.5", "32768", "70000"}) {
            input.Width = "1024";
            input.Height = bad;
            ASSERT_TRUE(Problem().has_value()) << bad;
            EXPECT_EQ(Problem()->MessageId, "ERR_InvalidUserDefinedResolution") << bad;
            input.Height = "768";
            input.Width = bad;
            ASSERT_TRUE(Problem().has_value()) << bad;
            EXPECT_EQ(Problem()->MessageId, "ERR_InvalidUserDefinedResolution") << bad;
        }
    }
}

TEST(MainWindowKeys, OnlyDigitsAndBackspacePass)
{
    for (int key = 0; key < 256; ++key) {
        const bool expected = (key >= '0' && key <= '9') || key == 8;
        EXPECT_EQ(KeepResolutionKey(key), expected) << key;
    }
}

TEST(MainWindowLists, StoredValuesTheListsCannotShow)
{
    for (int value = 1; value <= 5; ++value) {
        EXPECT_EQ(ResolutionIndexForValue(value), value - 1);
        EXPECT_EQ(RefreshIndexForValue(value), value - 1);
    }
    for (int value : {0, 6, -1, 32767}) {
        EXPECT_EQ(ResolutionIndexForValue(value), 0) << value;
        EXPECT_EQ(RefreshIndexForValue(value), -1) << value;
    }
}
