// The program options: change flag, upper-case language, loading and saving.
#include <gtest/gtest.h>

#include "base/mError.h"
#include "core/Application.h"
#include "settings/Options.h"
#include "support/TestEnvironment.h"

class OptionsTest : public AppFixture {
protected:
    ::Options& Opt() { return g_cApp->Options(); }
};

TEST_F(OptionsTest, StartsEmptyWithTheDialogShownAndUnchanged)
{
    EXPECT_EQ(Opt().EditorPath(), "");
    EXPECT_EQ(Opt().Language(), "");
    EXPECT_TRUE(Opt().ShowStartVekoraDialog());
    EXPECT_FALSE(Opt().DataChanged());
}

TEST_F(OptionsTest, LanguageIsUpperCaseAndOnlyARealChangeCounts)
{
    Opt().SetLanguage("");
    EXPECT_FALSE(Opt().DataChanged());
    Opt().SetLanguage("de");
    EXPECT_EQ(Opt().Language(), "DE");
    EXPECT_TRUE(Opt().DataChanged());

    WriteIni("[OPTIONS]\r\nLANGUAGE=DE\r\n");
    Opt().LoadData();
    Opt().SaveData();
    ASSERT_FALSE(Opt().DataChanged());
    Opt().SetLanguage("de"); // the same text once upper-cased
    EXPECT_FALSE(Opt().DataChanged());
    Opt().SetLanguage("En");
    EXPECT_TRUE(Opt().DataChanged());
}

TEST_F(OptionsTest, EditorPathComparesWithCaseAndTheDialogFlagOnlyOnChange)
{
    Opt().SetEditorPath("");
    Opt().SetShowStartVekoraDialog(true);
    EXPECT_FALSE(Opt().DataChanged());
    Opt().SetEditorPath("C:\\a.exe");
    Opt().SaveData();
    Opt().SetEditorPath("C:\\a.exe");
    EXPECT_FALSE(Opt().DataChanged());
    Opt().SetEditorPath("c:\\a.exe");
    EXPECT_TRUE(Opt().DataChanged());
    Opt().SaveData();
    Opt().SetShowStartVekoraDialog(false);
    EXPECT_TRUE(Opt().DataChanged());
}

TEST_F(OptionsTest, LoadDataReadsDefaultsAndValuesWithoutMarkingAChange)
{
    Opt().LoadData();
    EXPECT_EQ(Opt().EditorPath(), "");
    EXPECT_EQ(Opt().Language(), "EN");
    EXPECT_TRUE(Opt().ShowStartVekoraDialog());
    EXPECT_FALSE(Opt().DataChanged());

    WriteIni("[OPTIONS]\r\nEDITORPATH=C:\\Tools\\ed.exe\r\nLANGUAGE=de\r\nSTARTVEKORADIALOG=0\r\n");
    Opt().LoadData();
    EXPECT_EQ(Opt().EditorPath(), "C:\\Tools\\ed.exe");
    EXPECT_EQ(Opt().Language(), "DE");
    EXPECT_FALSE(Opt().ShowStartVekoraDialog());
    EXPECT_FALSE(Opt().DataChanged());
}

TEST_F(OptionsTest, SaveDataWritesTheThreeKeysInOrderAndClearsTheFlag)
{
    Opt().SetShowStartVekoraDialog(false);
    Opt().SetLanguage("de");
    Opt().SetEditorPath("C:\\e.exe");
    Opt().SaveData();
    EXPECT_EQ(ReadIni(), "[OPTIONS]\r\nEDITORPATH=C:\\e.exe\r\nLANGUAGE=DE\r\nSTARTVEKORADIALOG=0\r\n");
    EXPECT_FALSE(Opt().DataChanged());
}

TEST_F(OptionsTest, AFailedSaveIsReportedAndLeavesTheOptionsChanged)
{
    TempFolder other;
    const std::string gone = other.Path() + "gone\\";
    g_cApp = std::make_unique<Application>(gone);
    Opt().SetLanguage("DE");
    try {
        Opt().SaveData();
        FAIL() << "no error";
    } catch (...) {
        AppError e = CurrentError();
        EXPECT_EQ(GetErrorNumber(e.Number), ERR_INI_WRITE_FAILED);
        EXPECT_EQ(e.Source, "Options.SaveData\r\n");
        EXPECT_NE(e.Description.find(gone + "Vekolaunch.ini"), std::string::npos);
    }
    EXPECT_TRUE(Opt().DataChanged());
}
