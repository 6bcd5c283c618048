// The new-language window: the file it writes, what it refuses and what it says.
#include "langeditor/LingobenchTest.h"

#include "langeditor/frmNewLanguage.h"
#include "langeditor/frmNewLanguage_res.h"

class NewLanguageWindow : public LingobenchTest {
protected:
    void Create(const std::string& dir, const std::string& name, const std::string& author, const std::string& abbrev)
    {
        m_dialog.Load();
        m_dialog.InitDialog(dir);
        m_dialog.ShowModeless();
        SetDlgItemTextA(m_dialog.Hwnd(), IDC_NL_LANGNAME, name.c_str());
        SetDlgItemTextA(m_dialog.Hwnd(), IDC_NL_USERNAME, author.c_str());
        SetDlgItemTextA(m_dialog.Hwnd(), IDC_NL_ABBREV, abbrev.c_str());
        ClickButton(m_dialog.Hwnd(), IDOK);
    }
    frmNewLanguage m_dialog;
};

TEST_F(NewLanguageWindow, CreatesTheFileAndSaysWhere)
{
    Create(ConfigDir(), "Fran\xE7" "ais ", " Anna", " fr");
    const std::string path = LanguageFile("LNG_FR.INI");
    EXPECT_EQ(ReadTextFile(path), "[FileInfo]\r\nLanguageName=Fran\xE7" "ais\r\nAuthor=Anna\r\n");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"The language file has been created at '" + path + "'"}));
    EXPECT_EQ(m_sys.MessageBoxes[0].Type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
}

TEST_F(NewLanguageWindow, RefusesAnAbbreviationThatCannotNameALanguageFile)
{
    for (const char* abbrev : {"", "  ", "de/at"}) {
        m_sys.MessageBoxes.clear();
        Create(ConfigDir(), "Deutsch", "", abbrev);
        ASSERT_EQ(m_sys.MessageBoxes.size(), 1u) << abbrev;
        EXPECT_EQ(m_sys.MessageBoxes[0].Text.find("created"), std::string::npos) << abbrev;
        EXPECT_EQ(FocusIn(m_dialog.Hwnd()), GetDlgItem(m_dialog.Hwnd(), IDC_NL_ABBREV)) << abbrev;
        m_dialog.Unload();
    }
    EXPECT_EQ(GetFileAttributesA(LanguageFile("LNG_.INI").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(NewLanguageWindow, RefusesEmptyNamesAndFocusesTheFieldThatLacksOne)
{
    const struct { const char* Name; const char* Author; int Field; } cases[] = {
        {"", "Anna", IDC_NL_LANGNAME}, {"  ", "Anna", IDC_NL_LANGNAME}, {"Fran\xE7" "ais", "", IDC_NL_USERNAME},
    };
    for (const auto& c : cases) {
        m_sys.MessageBoxes.clear();
        Create(ConfigDir(), c.Name, c.Author, "fr");
        ASSERT_EQ(m_sys.MessageBoxes.size(), 1u) << c.Name << "/" << c.Author;
        EXPECT_EQ(m_sys.MessageBoxes[0].Text.find("created"), std::string::npos);
        EXPECT_EQ(GetFocus(), GetDlgItem(m_dialog.Hwnd(), c.Field)) << c.Name << "/" << c.Author;
        EXPECT_EQ(m_dialog.LanguageFile(), "");
        m_dialog.Unload();
    }
    EXPECT_EQ(GetFileAttributesA(LanguageFile("LNG_FR.INI").c_str()), INVALID_FILE_ATTRIBUTES);
}

// An abbreviation whose file exists: Yes opens that file instead, No replaces only its two names
// (empty ones still refused), Cancel goes back to the abbreviation.
TEST_F(NewLanguageWindow, AnExistingFileIsOpenedOrOnlyItsNamesReplaced)
{
    const std::string path = LanguageFile("LNG_DE.INI");
    const std::string kept = "; by hand\r\n[FileInfo]\r\nLanguageName=Deutsch\r\nAuthor=Hein\r\n[MAIN_DIALOG]\r\n"
                             "BTN_OPEN=&\xD6" "ffnen\r\n";
    const struct {
        int Answer;
        const char *Name, *Author;
        bool Open, Ends;
        int Focus;
        std::string After;
    } cases[] = {
        {IDYES, "", "", true, true, 0, kept},
        {IDCANCEL, "", "", false, false, IDC_NL_ABBREV, kept},
        {IDNO, "", "", false, false, IDC_NL_LANGNAME, kept},
        {IDNO, "Deutsch", "Hein", false, true, 0, kept},
        {IDNO, " Plattdeutsch ", "Anna", false, true, 0,
         "; by hand\r\n[FileInfo]\r\nLanguageName=Plattdeutsch\r\nAuthor=Anna\r\n[MAIN_DIALOG]\r\nBTN_OPEN=&\xD6" "ffnen\r\n"},
    };
    for (const auto& c : cases) {
        WriteTextFile(path, kept);
        m_sys.MessageBoxes.clear();
        m_sys.MessageBoxAnswers = {c.Answer};
        Create(ConfigDir(), c.Name, c.Author, " de");
        ASSERT_FALSE(m_sys.MessageBoxes.empty());
        EXPECT_NE(m_sys.MessageBoxes[0].Text.find("'" + path + "' already exists"), std::string::npos);
        EXPECT_EQ(m_sys.MessageBoxes[0].Type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
        EXPECT_EQ(ReadTextFile(path), c.After) << c.Answer << " " << c.Name;
        EXPECT_EQ(m_dialog.OpenExisting(), c.Open);
        EXPECT_EQ(m_dialog.LanguageFile(), c.Ends ? path : "");
        EXPECT_EQ(IsWindowVisible(m_dialog.Hwnd()) == FALSE, c.Ends) << c.Answer << " " << c.Name;
        if (c.Focus) {
            EXPECT_EQ(GetFocus(), GetDlgItem(m_dialog.Hwnd(), c.Focus)) << c.Answer;
        }
        m_dialog.Unload();
    }
}

TEST_F(NewLanguageWindow, AFileThatCannotBeWrittenIsReportedNotAnnouncedAsCreated)
{
    Create(m_folder.Path() + "gone", "Deutsch", "Anna", "de");
    EXPECT_TRUE(m_sys.MessageBoxes.empty());
    ASSERT_EQ(m_sys.ErrorReports.size(), 1u);
    EXPECT_NE(m_sys.ErrorReports[0].Description.find(m_folder.Path() + "gone\\LNG_DE.INI"), std::string::npos);
}
