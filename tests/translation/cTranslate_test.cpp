// The translation engine: language choice, English fallback, the no-text marker and the
// placeholder rules, over small language files written for each test.
#include <gtest/gtest.h>

#include "base/mError.h"
#include "core/Application.h"
#include "support/TestEnvironment.h"
#include "support/TextIds.h"
#include "translation/cTranslate.h"

class TranslateEx : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        AllowUnlistedTextIds(); // the texts here are the test's own
        WriteTextFile(ConfigDir() + "LNG_EN.ini",
                      "[FileInfo]\r\nLanguageName=English\r\n"
                      "[MAIN_DIALOG]\r\nBTN_START=Start\r\nLBL_ONLY_EN=English only\r\nLBL_BLANK_DE=English text\r\n"
                      "LBL_EMPTY_BOTH=\r\n"
                      "[GLOBAL]\r\nBTN_Yes=Yes\r\nBTN_No=No\r\n"
                      "[ONLY_EN_SECTION]\r\nLBL_X=From English\r\n");
        WriteTextFile(ConfigDir() + "LNG_DE.ini",
                      "[FileInfo]\r\nLanguageName=Deutsch\r\n"
                      "[MAIN_DIALOG]\r\nBTN_START=Starten\r\nLBL_BLANK_DE=   \r\nLBL_EMPTY_BOTH=\r\n"
                      "[GLOBAL]\r\nBTN_Yes=Ja\r\nBTN_No=Nein\r\n");
        g_cApp->Options().SetLanguage("DE");
    }

    // Writes one text into a file of its own language and translates it with the parameters.
    std::string Fill(const std::string& text, const std::string& p1, const std::string& p2)
    {
        WriteTextFile(ConfigDir() + "LNG_DE.ini", "[T]\r\nID=" + text + "\r\n");
        return g_cTranslate->TranslateEx("T", "ID", p1, p2);
    }
};

TEST_F(TranslateEx, TakesTheTextOfTheChosenLanguage)
{
    EXPECT_EQ(g_cTranslate->TranslateEx("MAIN_DIALOG", "BTN_START", "", ""), "Starten");
    g_cApp->Options().SetLanguage("en");
    EXPECT_EQ(g_cTranslate->TranslateEx("MAIN_DIALOG", "BTN_START", "", ""), "Start");
}

TEST_F(TranslateEx, LanguageWithoutFileTakesEveryTextFromEnglish)
{
    DeleteFileA((ConfigDir() + "LNG_DE.ini").c_str());
    EXPECT_EQ(g_cTranslate->TranslateEx("MAIN_DIALOG", "BTN_START", "", ""), "Start");
    EXPECT_EQ(g_cTranslate->TranslateEx("GLOBAL", "BTN_Yes", "", ""), "Yes");
}

// A missing or blank text of the language comes from English; an empty English text is shown
// empty, not as the marker; section and ID match without regard to case.
TEST_F(TranslateEx, TextsOfTheLanguageElseOfEnglish)
{
    const struct { const char* Section; const char* Id; const char* Expected; } cases[] = {
        {"MAIN_DIALOG", "LBL_ONLY_EN", "English only"},   {"MAIN_DIALOG", "LBL_BLANK_DE", "English text"},
        {"ONLY_EN_SECTION", "LBL_X", "From English"},     {"MAIN_DIALOG", "LBL_EMPTY_BOTH", ""},
        {"main_dialog", "btn_start", "Starten"},          {"Global", "BTN_YES", "Ja"},
        {"only_en_section", "lbl_x", "From English"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(g_cTranslate->TranslateEx(c.Section, c.Id, "", ""), c.Expected) << c.Section << "." << c.Id;
    }
}

TEST_F(TranslateEx, TextMissingInBothLanguagesShowsTheMarker)
{
    EXPECT_EQ(g_cTranslate->TranslateEx("MAIN_DIALOG", "LBL_NOWHERE", "a", "b"), "<NO TEXT AVAILABLE>");
    EXPECT_EQ(g_cTranslate->TranslateEx("NO_SECTION", "BTN_START", "", ""), "<NO TEXT AVAILABLE>");
    g_cApp->Options().SetLanguage("EN");
    EXPECT_EQ(g_cTranslate->TranslateEx("MAIN_DIALOG", "LBL_NOWHERE", "", ""), "<NO TEXT AVAILABLE>");
}

// A text younger than a language file: the file's own text where it has one, else English,
// else the English the program brings.
TEST_F(TranslateEx, FallbackStandsOnlyWhereNoFileHasTheText)
{
    const struct { const char* Id; const char* Expected; } cases[] = {
        {"BTN_START", "Starten"}, {"LBL_ONLY_EN", "English only"}, {"LBL_NOWHERE", "Built in:\r\na"}};
    for (const auto& c : cases) {
        EXPECT_EQ(g_cTranslate->TranslateWithFallback("MAIN_DIALOG", c.Id, "Built in:\\n%P1%", "a"), c.Expected) << c.Id;
    }
}

TEST_F(TranslateEx, ReadsTheFileAgainOnEveryCall)
{
    EXPECT_EQ(g_cTranslate->TranslateEx("MAIN_DIALOG", "BTN_START", "", ""), "Starten");
    WriteTextFile(ConfigDir() + "LNG_DE.ini", "[MAIN_DIALOG]\r\nBTN_START=Los\r\n");
    EXPECT_EQ(g_cTranslate->TranslateEx("MAIN_DIALOG", "BTN_START", "", ""), "Los");
}

TEST_F(TranslateEx, FillsInEveryPlaceholder)
{
    EXPECT_EQ(Fill("%P1% and %P1% from %P2%", "A", "B"), "A and A from B");
    EXPECT_EQ(Fill("%P2% before %P1%", "one", "two"), "two before one");
    EXPECT_EQ(Fill("No placeholder", "A", "B"), "No placeholder");
    EXPECT_EQ(Fill("Gone: %P1%|%P2%", "", ""), "Gone: |");
    EXPECT_EQ(Fill("Case: %p1% %P1", "A", "B"), "Case: %p1% %P1");
}

TEST_F(TranslateEx, NeverSearchesWhatAParameterBroughtIn)
{
    EXPECT_EQ(Fill("Folder %P1% of %P2%", "C:\\Games\\%P2%\\", "two"), "Folder C:\\Games\\%P2%\\ of two");
    EXPECT_EQ(Fill("[%P1%]", "%P1%%P1%", ""), "[%P1%%P1%]");
    EXPECT_EQ(Fill("[%P2%]", "", "%P1% stays"), "[%P1% stays]");
}

TEST_F(TranslateEx, BackslashNOfTheTextBecomesALineBreak)
{
    EXPECT_EQ(Fill("Line 1\\nLine 2\\n\\nLine 4", "", ""), "Line 1\r\nLine 2\r\n\r\nLine 4");
    EXPECT_EQ(Fill("Not found:\\n%P1%", "x", ""), "Not found:\r\nx");
}

TEST_F(TranslateEx, ParametersKeepTheirBackslashes)
{
    EXPECT_EQ(Fill("Paths '%P1%' or '%P2%'.", "C:\\Games\\new\\vekora.exe", "D:\\nina\\Desktop\\Vekora.lnk"),
              "Paths 'C:\\Games\\new\\vekora.exe' or 'D:\\nina\\Desktop\\Vekora.lnk'.");
    EXPECT_EQ(Fill("[%P1%]", "a\r\nb", ""), "[a\r\nb]");
}

TEST_F(TranslateEx, WithoutApplicationObjectFailsWithItsName)
{
    g_cApp.reset();
    try {
        g_cTranslate->TranslateBool_YesNo(true);
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number, RTE_OBJECT_NOT_SET);
        EXPECT_EQ(e.Source.rfind("cTranslate.TranslateBool_YesNo\r\ncTranslate.TranslateEx\r\n", 0), 0u) << e.Source;
    }
}

TEST_F(TranslateEx, YesNoComeFromTheGlobalButtons)
{
    EXPECT_EQ(g_cTranslate->TranslateBool_YesNo(true), "Ja");
    EXPECT_EQ(g_cTranslate->TranslateBool_YesNo(false), "Nein");
    DeleteFileA((ConfigDir() + "LNG_DE.ini").c_str());
    EXPECT_EQ(g_cTranslate->TranslateBool_YesNo(true), "Yes");
    EXPECT_EQ(g_cTranslate->TranslateBool_YesNo(false), "No");
}

// The real language files as shipped, through the engine.
class TranslateShipped : public AppFixture {};

TEST_F(TranslateShipped, GermanTextsReachTheWindows)
{
    g_cApp->Options().SetLanguage("DE");
    EXPECT_EQ(g_cTranslate->TranslateBool_YesNo(true), "Ja");
    EXPECT_EQ(g_cTranslate->TranslateEx("GLOBAL", "BTN_CANCEL", "", ""), "Abbrechen");
    EXPECT_EQ(g_cTranslate->TranslateEx("MAIN_DIALOG", "TAB_DISPLAY", "", ""), "Anzeige");
    EXPECT_EQ(g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_PathNotFound", "C:\\Spiele\\neu\\", ""),
              "Der folgende Pfad existiert nicht:\r\nC:\\Spiele\\neu\\");
    // Umlauts arrive as single bytes of the Windows code page.
    EXPECT_EQ(g_cTranslate->TranslateEx("INFO_DIALOG", "DIALOG_CAPTION", "", ""), "\xDC" "ber Vekolaunch");
}

TEST_F(TranslateShipped, EnglishMessagesFillInTheirParameters)
{
    g_cApp->Options().SetLanguage("EN");
    EXPECT_EQ(g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_ProfileNameNotUnique", "Test", ""),
              "A profile named 'Test' already exists.\r\nPlease choose another name.");
    EXPECT_EQ(g_cTranslate->TranslateEx("INFO_DIALOG", "LBL_WRITTEN_BY", "2024", "Jo"), "Written by Jo in 2024.");
    EXPECT_EQ(g_cTranslate->TranslateEx("MAIN_DIALOG", "LST_RESOLUTION_2", "", ""), "800 x 600 pixels");
}

// The launcher's requests for texts are held against the table the language files are
// checked for (every window test runs with this check).
TEST(TextTable, NamesMatchWithoutRegardToCase)
{
    EXPECT_TRUE(IsListedTextId("GLOBAL", "BTN_Yes"));
    EXPECT_TRUE(IsListedTextId("global", "BTN_YES"));
    EXPECT_TRUE(IsListedTextId("MAIN_DIALOG", "LST_RESOLUTION_5"));
    EXPECT_FALSE(IsListedTextId("MAIN_DIALOG", "LST_RESOLUTION_6"));
    EXPECT_FALSE(IsListedTextId("MAIN_DIALOG", "LST_RESOLUTION_"));
    EXPECT_FALSE(IsListedTextId("GLOBAL", "BTN_Yes "));
    EXPECT_FALSE(IsListedTextId("OPTIONS_DIALOG", "BTN_Yes"));
}

TEST_F(TranslateShipped, EveryRequestReachesTheObserver)
{
    std::vector<std::string> asked;
    TextRequestObserver fixtureCheck = SetTextRequestObserver(
        [&](const std::string& section, const std::string& id) { asked.push_back(section + "/" + id); });
    g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_FileNotFound", "x", "");
    g_cTranslate->TranslateBool_YesNo(false);
    g_cApp.reset();
    ErrorOf([] { g_cTranslate->TranslateEx("GLOBAL", "BTN_OK"); }); // asked, even when it then fails
    SetTextRequestObserver(fixtureCheck);
    EXPECT_EQ(asked, (std::vector<std::string>{"ERROR_MESSAGES/ERR_FileNotFound", "GLOBAL/BTN_No", "GLOBAL/BTN_OK"}));
}
