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

TEST_F(NewLanguageWindow, AFileThatCannotBeWrittenIsReportedNotAnnouncedAsCreated)
{
    Create(m_folder.Path() + "gone", "Deutsch", "Anna", "de");
    EXPECT_TRUE(m_sys.MessageBoxes.empty());
    ASSERT_EQ(m_sys.ErrorReports.size(), 1u);
    EXPECT_NE(m_sys.ErrorReports[0].Description.find(m_folder.Path() + "gone\\LNG_DE.INI"), std::string::npos);
}
