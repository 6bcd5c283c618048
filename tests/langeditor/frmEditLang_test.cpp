// The editing window driven as a translator uses it: the list, the edit area, saving and closing.
#include "langeditor/LingobenchTest.h"

#include "langeditor/frmEditLang.h"
#include "langeditor/frmEditLang_res.h"
#include "langeditor/frmTest_res.h"

namespace {
// Word list of TEST_ENGLISH: FileInfo 0, LanguageName 1, separator, MAIN_DIALOG 3, its IDs 4 to 6.
constexpr int LANGUAGE_NAME = 1;
constexpr int MAIN_DIALOG = 3;
constexpr int BTN_OPEN = 4;
constexpr int MSG_TWO_LINES = 5;
constexpr int LBL_NAME = 6;
constexpr int BTN_OK = 9;
} // namespace

class EditLangWindow : public LingobenchTest {
protected:
    void Open(const std::string& name = "LNG_DE.INI")
    {
        m_edit.Load();
        ASSERT_TRUE(m_edit.InitDialog(LanguageFile(name)));
        m_edit.ShowModeless();
    }
    HWND Window() const { return m_edit.Hwnd(); }
    HWND Control(int id) const { return GetDlgItem(Window(), id); }
    std::string Text(int id) const { return ItemText(Window(), id); }
    bool Shown(int id) const { return (GetWindowLongPtrA(Control(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    void Select(int index)
    {
        SendMessageA(Control(IDC_EL_LIST), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(Window(), WM_COMMAND, MAKEWPARAM(IDC_EL_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Control(IDC_EL_LIST)));
    }
    // Replaces the translation as typing does (a text set by the program is no change).
    void Type(const std::string& text)
    {
        SendMessageA(Control(IDC_EL_TRANSLATION), EM_SETSEL, 0, -1);
        SendMessageA(Control(IDC_EL_TRANSLATION), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }
    void Tick(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }
    // A key pressed in a control, through the dialog keyboard handling of the window's modal loop.
    void Press(int id, UINT key)
    {
        SetFocus(Control(id));
        PostMessageA(Control(id), WM_KEYDOWN, key, 1);
        PostMessageA(Control(id), WM_KEYUP, key, 0xC0000001);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (IsWindow(Window()) && IsDialogMessageA(Window(), &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    void Close() { SendMessageA(Window(), WM_CLOSE, 0, 0); }
    int ListCount() const { return static_cast<int>(SendMessageA(Control(IDC_EL_LIST), LB_GETCOUNT, 0, 0)); }
    int Selected() const { return static_cast<int>(SendMessageA(Control(IDC_EL_LIST), LB_GETCURSEL, 0, 0)); }
    std::string German() const { return ReadTextFile(LanguageFile("LNG_DE.INI")); }

    frmEditLang m_edit;
};

TEST_F(EditLangWindow, AnIdShowsItsTextsUnderOneHeadingAndASectionHidesTheEditArea)
{
    Open();
    EXPECT_EQ(Selected(), 0);
    EXPECT_FALSE(Shown(IDC_EL_TRANSLATION)) << "the first entry is a section header";
    EXPECT_EQ(Text(IDC_EL_NOTES), "  &&File = &File\r\n  A &&&& B = A && B \r\n  %P1% is a placeholder for parameters"
                                  "\r\n\r\n  You can add line-breaks with the enter-key");

    Select(MSG_TWO_LINES);
    EXPECT_TRUE(Shown(IDC_EL_TRANSLATION));
    EXPECT_EQ(Text(IDC_EL_SECTION), "MAIN_DIALOG");
    EXPECT_EQ(Text(IDC_EL_TRENNER), " / ");
    EXPECT_EQ(Text(IDC_EL_ID), "MSG_TWO_LINES");
    EXPECT_EQ(Text(IDC_EL_ENGLISH), "First line\r\nsecond line");
    EXPECT_EQ(Text(IDC_EL_TRANSLATION), "");
    EXPECT_FALSE(Shown(IDC_EL_WARNINGS));
    RECT section, separator, id;
    GetWindowRect(Control(IDC_EL_SECTION), &section);
    GetWindowRect(Control(IDC_EL_TRENNER), &separator);
    GetWindowRect(Control(IDC_EL_ID), &id);
    EXPECT_EQ(separator.left, section.right);
    EXPECT_EQ(id.left, separator.right);

    Type("Nur eine Zeile");
    EXPECT_TRUE(Shown(IDC_EL_WARNINGS));
    EXPECT_EQ(Text(IDC_EL_WARNINGS), "Your translation doesn't include a linebreak.\r\n\r\n");

    Select(MAIN_DIALOG);
    EXPECT_FALSE(Shown(IDC_EL_TRANSLATION));
}

TEST_F(EditLangWindow, ChangesAreStoredByTheSaveRuleOnSwitchingAndOnClosing)
{
    const struct {
        const char* Name;
        bool Ask;
        int Answer;
        bool Close;
        bool Stored;
    } cases[] = {
        {"switching, saved at once", false, 0, false, true},
        {"switching, Yes", true, IDYES, false, true},
        {"switching, No", true, IDNO, false, false},
        {"closing, saved at once", false, 0, true, true},
        {"closing, Yes", true, IDYES, true, true},
        {"closing, No", true, IDNO, true, false},
    };
    for (const auto& c : cases) {
        WriteTextFile(LanguageFile("LNG_DE.INI"), TEST_GERMAN);
        m_sys.MessageBoxes.clear();
        Open();
        if (c.Ask) Tick(IDC_EL_AUTOSAVE);
        Select(MSG_TWO_LINES);
        Type("\r\n  Erste Zeile\r\nzweite Zeile\r\n\r\n");
        if (c.Ask) m_sys.MessageBoxAnswers.push_back(c.Answer);
        if (c.Close) Close(); else Select(LBL_NAME);

        EXPECT_EQ(BoxTexts(), c.Ask ? std::vector<std::string>{"Would you like to save your changes?"}
                                    : std::vector<std::string>{}) << c.Name;
        if (c.Ask) {
            EXPECT_EQ(m_sys.MessageBoxes[0].Type, static_cast<UINT>(MB_YESNO)) << c.Name;
        }
        EXPECT_EQ(German().find("MSG_TWO_LINES=Erste Zeile\\nzweite Zeile\r\n") != std::string::npos, c.Stored)
            << c.Name;
        if (!c.Close) {
            EXPECT_EQ(Text(IDC_EL_ID), "LBL_NAME") << c.Name;
        }
        m_edit.Unload();
    }
}

TEST_F(EditLangWindow, EscInTheTranslationBoxTakesBackWhatWasTypedAndLeavesTheWindowOpen)
{
    Open();
    Select(BTN_OPEN);
    Type("&Auf halb getipp");
    Press(IDC_EL_TRANSLATION, VK_ESCAPE);
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_EQ(Text(IDC_EL_TRANSLATION), "&\xD6" "ffnen");
    EXPECT_EQ(Text(IDC_EL_WARNINGS), "");
    Close();
    EXPECT_EQ(German(), TEST_GERMAN) << "Esc left nothing to save";
}

TEST_F(EditLangWindow, NextUntranslatedGoesOnInListOrderWrapsAroundAndSaysWhenNoneIsLeft)
{
    Open();
    EXPECT_EQ(Text(IDC_EL_UNTRANSLATED), "Untranslated: 3");
    Press(IDC_EL_LIST, VK_F3);
    EXPECT_EQ(Selected(), MSG_TWO_LINES);
    Tick(IDC_EL_NEXTUNTRANSLATED);
    EXPECT_EQ(Selected(), LBL_NAME);
    Type("Name");
    Press(IDC_EL_TRANSLATION, VK_F3);
    EXPECT_EQ(Selected(), BTN_OK) << "the typed text is saved on the way";
    EXPECT_EQ(Text(IDC_EL_UNTRANSLATED), "Untranslated: 2");
    Tick(IDC_EL_NEXTUNTRANSLATED);
    EXPECT_EQ(Selected(), MSG_TWO_LINES) << "from the end back to the top";
    Type("Erste\r\nZweite");
    Tick(IDC_EL_NEXTUNTRANSLATED);
    EXPECT_EQ(Selected(), BTN_OK);
    EXPECT_TRUE(BoxTexts().empty());
    Type("OK");
    Tick(IDC_EL_NEXTUNTRANSLATED);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Every text of the word list is translated."});
    EXPECT_EQ(Selected(), BTN_OK);
    EXPECT_EQ(Text(IDC_EL_UNTRANSLATED), "Untranslated: 0");
}

TEST_F(EditLangWindow, AnAccessKeyThatAnotherTextSeenWithItHasIsAWarning)
{
    WriteTextFile(LanguageFile("LNG_EN.INI"), "[MAIN_DIALOG]\r\nMNU_FILE=&File\r\nMNU_EDIT=&Edit\r\n");
    WriteTextFile(LanguageFile("LNG_DE.INI"), "[MAIN_DIALOG]\r\nMNU_FILE=&Datei\r\n");
    Open();
    Select(2);
    EXPECT_EQ(Text(IDC_EL_WARNINGS), "");
    Type("&Dies und das");
    EXPECT_EQ(Text(IDC_EL_WARNINGS), "The access key 'D' is also the access key of MAIN_DIALOG / MNU_FILE, and both "
                                     "are seen together in the main window's menu bar.\r\n\r\n");
    Type("&Bearbeiten");
    EXPECT_EQ(Text(IDC_EL_WARNINGS), "");
}

TEST_F(EditLangWindow, AFailedWriteIsReportedAndTheChangeStaysOnShow)
{
    Open();
    Select(BTN_OPEN);
    Type("&Auf");
    DeleteFileA(LanguageFile("LNG_EN.INI").c_str());
    DeleteFileA(LanguageFile("LNG_DE.INI").c_str());
    RemoveDirectoryA(ConfigDir().c_str()); // the folder vanishes while the window is open

    Select(LBL_NAME);
    ASSERT_EQ(m_sys.ErrorReports.size(), 1u);
    EXPECT_NE(m_sys.ErrorReports[0].Description.find(LanguageFile("LNG_DE.INI")), std::string::npos);
    EXPECT_EQ(Selected(), BTN_OPEN);
    EXPECT_EQ(Text(IDC_EL_ID), "BTN_OPEN");
    EXPECT_EQ(Text(IDC_EL_TRANSLATION), "&Auf");

    Close();
    EXPECT_EQ(m_sys.ErrorReports.size(), 2u) << "still unsaved, so closing tries again";
}

TEST_F(EditLangWindow, HidingTranslatedItemsRebuildsTheListAndKeepsTheEntryOnShow)
{
    Open();
    const int all = ListCount();
    Select(MSG_TWO_LINES);
    Type("Ge\xE4ndert");
    Tick(IDC_EL_ONLYNOTTRANSLATED);
    EXPECT_EQ(ListCount(), all - 1) << "BTN_OPEN hidden; translated LanguageName gives way to its section's mark";
    EXPECT_EQ(Selected(), LB_ERR);
    EXPECT_EQ(Text(IDC_EL_TRANSLATION), "Ge\xE4ndert");
    Close();
    EXPECT_NE(German().find("MSG_TWO_LINES=Ge\xE4ndert"), std::string::npos);
}

TEST_F(EditLangWindow, TheEnglishFileHidesItsEnglishBoxButIsStillChecked)
{
    Open("LNG_EN.INI");
    Select(BTN_OPEN);
    EXPECT_FALSE(Shown(IDC_EL_ENGLISH));
    EXPECT_FALSE(Shown(IDC_EL_LBLENGLISH));
    EXPECT_EQ(Text(IDC_EL_TRANSLATION), "&Open");
    Type("Open");
    EXPECT_EQ(Text(IDC_EL_WARNINGS), "Your translation doesn't include the string '&'.\r\n\r\n");
}

TEST_F(EditLangWindow, TestShowsTheTranslationInFourControls)
{
    Open();
    Select(LANGUAGE_NAME);
    Type("&Datei %P1%");
    std::vector<std::string> captions;
    const bool seen = WhileModal([&] { SendMessageA(Control(IDC_EL_TEST), BM_CLICK, 0, 0); }, [&](HWND test) {
        char menu[64] = {};
        GetMenuStringA(GetMenu(test), IDM_TEST_TEST, menu, sizeof(menu), MF_BYCOMMAND);
        captions = {WindowText(test), menu, ItemText(test, IDC_TS_TEXT), ItemText(test, IDC_TS_BUTTON),
                    ItemText(test, IDC_TS_CHECK)};
        // No keeps the window open, so the click posted behind it still arrives; Yes closes it.
        m_sys.MessageBoxAnswers = {IDNO, IDYES};
        ClickButton(test, IDC_TS_BUTTON);
        PostMessageA(test, WM_COMMAND, MAKEWPARAM(IDC_TS_BUTTON, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(test, IDC_TS_BUTTON)));
    });
    ASSERT_TRUE(seen);
    const std::string shown = "&Datei Parameter1";
    EXPECT_EQ(captions, (std::vector<std::string>{"Test", shown, shown, shown, shown}));
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>(2, "Would you like to close this dialog?")));
}

TEST_F(EditLangWindow, WithoutTheEnglishFileItSaysSoAndDoesNotOpen)
{
    DeleteFileA(LanguageFile("LNG_EN.INI").c_str());
    m_edit.Load();
    EXPECT_FALSE(m_edit.InitDialog(LanguageFile("LNG_DE.INI")));
    ASSERT_EQ(m_sys.MessageBoxes.size(), 1u);
    EXPECT_NE(m_sys.MessageBoxes[0].Text.find(LanguageFile("LNG_EN.INI")), std::string::npos);
}
