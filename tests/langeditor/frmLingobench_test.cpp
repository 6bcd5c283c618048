// Lingobench's main window: its place, its list of language files and its buttons and menus.
#include "langeditor/LingobenchTest.h"

#include <algorithm>
#include <set>

#include "base/mFunctions.h"
#include "langeditor/frmInfo_res.h"
#include "langeditor/frmLingobench.h"
#include "langeditor/frmLingobench_res.h"
#include "langeditor/frmNewLanguage_res.h"
#include "langeditor/frmUpload_res.h"
#include "support/ProgramIcons.h"

class LingobenchWindow : public LingobenchTest {
protected:
    void Open()
    {
        m_main.Load();
        ASSERT_TRUE(m_main.InitDialog(ToolsDir(), "Lingobench"));
    }
    HWND Window() const { return m_main.Hwnd(); }
    void Command(int id) { SendMessageA(Window(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    std::vector<std::string> ListTexts() const
    {
        HWND list = GetDlgItem(Window(), IDC_LB_LANG);
        std::vector<std::string> texts;
        for (LRESULT i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
            char text[MAX_PATH] = {};
            SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            texts.push_back(text);
        }
        std::sort(texts.begin(), texts.end());
        return texts;
    }
    // The file name of the chosen entry, without the share translated behind it.
    std::string Selected() const
    {
        HWND list = GetDlgItem(Window(), IDC_LB_LANG);
        return FileNameOf(ItemTextAt(list, static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0))));
    }
    static std::string FileNameOf(const std::string& entry) { return entry.substr(0, entry.find('\t')); }
    static std::string ItemTextAt(HWND list, int index)
    {
        char text[MAX_PATH] = {};
        if (index >= 0) SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return text;
    }
    bool EditEnabled() const
    {
        const bool menu = !(GetMenuState(GetMenu(Window()), IDM_LB_EDIT_EDIT, MF_BYCOMMAND) & MF_GRAYED);
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(Window(), IDC_LB_EDIT)) != FALSE, menu) << "button and menu agree";
        return menu;
    }

    frmLingobench m_main;
};

TEST_F(LingobenchWindow, ListsTheLanguageFilesAndSelectsTheFirst)
{
    CreateDirectoryA(LanguageFile("LNG_X.INI").c_str(), nullptr);
    WriteTextFile(LanguageFile("FAQ_EN.txt"), "");
    Open();
    EXPECT_EQ(m_main.TranslationDir(), ConfigDir());
    // Two of the five English IDs are translated.
    EXPECT_EQ(ListTexts(), (std::vector<std::string>{"LNG_DE.INI\t40%", "LNG_EN.INI\t100%"}));
    EXPECT_EQ(SendMessageA(GetDlgItem(Window(), IDC_LB_LANG), LB_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(EditEnabled());
}

// Lingobench's own icon, in its program file (beside this test's) and in its main window.
TEST_F(LingobenchWindow, TheProgramAndItsWindowCarryTheirOwnIcon)
{
    const std::vector<int> widths = ProgramIconWidths(SetTrailingBackslash(GetAppPath(), true) + "Lingobench.exe");
    for (int size : {16, 32}) EXPECT_NE(std::find(widths.begin(), widths.end(), size), widths.end()) << size;
    Open();
    EXPECT_TRUE(HasOwnIcons(Window()));
}

TEST_F(LingobenchWindow, EditIsDisabledWhileThereIsNoLanguageFile)
{
    DeleteFileA(LanguageFile("LNG_DE.INI").c_str());
    DeleteFileA(LanguageFile("LNG_EN.INI").c_str());
    Open();
    EXPECT_FALSE(EditEnabled());
    WriteTextFile(LanguageFile("LNG_EN.INI"), TEST_ENGLISH);
    // New refills the list when its window closes.
    WhileModal([&] { Command(IDM_LB_EDIT_NEW); }, [](HWND dialog) { ClickButton(dialog, IDCANCEL); });
    EXPECT_TRUE(EditEnabled());
}

// The list stays on the file edited, a new file is selected, a cancelled one changes nothing.
TEST_F(LingobenchWindow, KeepsTheFileWorkedOnAndSelectsANewOne)
{
    Open();
    HWND list = GetDlgItem(Window(), IDC_LB_LANG);
    const std::string second = FileNameOf(ItemTextAt(list, 1));
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    std::string caption;
    WhileModal([&] { Command(IDC_LB_EDIT); }, [&](HWND dialog) {
        caption = WindowText(dialog);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(caption, second + " - Edit language file");
    EXPECT_EQ(Selected(), second);

    WhileModal([&] { Command(IDC_LB_NEW); }, [](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_NL_LANGNAME, "Fran\xE7" "ais");
        SetDlgItemTextA(dialog, IDC_NL_USERNAME, "Anna");
        SetDlgItemTextA(dialog, IDC_NL_ABBREV, "fr");
        ClickButton(dialog, IDOK);
    });
    EXPECT_EQ(Selected(), "LNG_FR.INI");
    WhileModal([&] { Command(IDC_LB_NEW); }, [](HWND dialog) { ClickButton(dialog, IDCANCEL); });
    EXPECT_EQ(Selected(), "LNG_FR.INI");
}

TEST_F(LingobenchWindow, OutsideAToolsDirectoryItSaysWhereItIsAndDoesNotStart)
{
    m_main.Load();
    EXPECT_FALSE(m_main.InitDialog(m_folder.Path() + "bin", "Lingo"));
    ASSERT_EQ(m_sys.MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys.MessageBoxes[0].Text,
              "The application 'Lingo.exe' must be in the 'tools' directory of Vekolaunch.\r\nThe file is in the "
              "directory '" + m_folder.Path() + "bin'\r\n\r\nLingobench will be closed now.");
    EXPECT_EQ(m_sys.MessageBoxes[0].Type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
}

TEST_F(LingobenchWindow, MenusDoWhatTheButtonsDo)
{
    Open();
    const std::string edit = Selected() + " - Edit language file";
    const struct { int Command; std::string Caption; } cases[] = {
        {IDC_LB_EDIT, edit}, {IDM_LB_EDIT_EDIT, edit},
        {IDC_LB_NEW, "New language"},        {IDM_LB_EDIT_NEW, "New language"},
        {IDC_LB_UPLOAD, "Upload translation"}, {IDM_LB_HELP_INFO, "Info"},
    };
    for (const auto& c : cases) {
        std::string caption;
        WhileModal([&] { Command(c.Command); }, [&](HWND dialog) {
            caption = WindowText(dialog);
            PostMessageA(dialog, WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(caption, c.Caption) << c.Command;
    }
    Command(IDC_LB_HELP);
    Command(IDM_LB_HELP_HELP);
    const std::string help = "Click on 'New language' to create a new language file. The file will be created in '" +
                             ConfigDir() + "'.";
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{help, help}));
    EXPECT_EQ(m_sys.MessageBoxes[0].Type, static_cast<UINT>(MB_OK));

    Command(IDM_LB_FILE_QUIT);
    EXPECT_FALSE(IsWindow(Window()));
}

// Alt and a letter must reach a menu or a button, not both: each marked letter is used once.
TEST_F(LingobenchWindow, ButtonsAndMenusHaveTheirOwnAccessKeys)
{
    Open();
    std::vector<std::string> captions;
    HMENU bar = GetMenu(Window());
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        char text[64] = {};
        GetMenuStringA(bar, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
        captions.push_back(text);
    }
    for (int id : {IDC_LB_EDIT, IDC_LB_NEW, IDC_LB_UPLOAD, IDC_LB_HELP}) captions.push_back(ItemText(Window(), id));
    std::set<char> keys;
    for (const std::string& caption : captions) {
        const size_t mark = caption.find('&');
        if (mark == std::string::npos || mark + 1 >= caption.size()) continue;
        EXPECT_TRUE(keys.insert(static_cast<char>(toupper(static_cast<unsigned char>(caption[mark + 1])))).second)
            << caption;
    }
}

TEST_F(LingobenchWindow, UploadShowsTheFolderAndOpensItAndThePage)
{
    Open();
    std::string folder, page;
    WhileModal([&] { Command(IDC_LB_UPLOAD); }, [&](HWND dialog) {
        folder = ItemText(dialog, IDC_UP_FOLDER);
        page = ItemText(dialog, IDC_UP_LINK);
        ClickButton(dialog, IDC_UP_OPEN);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_UP_LINK, STN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_UP_LINK)));
        ClickButton(dialog, IDOK);
    });
    EXPECT_EQ(folder, ConfigDir());
    ASSERT_EQ(m_sys.ShellCalls.size(), 2u);
    EXPECT_EQ(m_sys.ShellCalls[0].File, ConfigDir());
    EXPECT_EQ(m_sys.ShellCalls[0].Directory, ConfigDir());
    EXPECT_EQ(m_sys.ShellCalls[0].Operation, "open");
    EXPECT_EQ(m_sys.ShellCalls[1].File, page);
    EXPECT_EQ(m_sys.ShellCalls[1].Directory, "");
    EXPECT_EQ(page.rfind("https://", 0), 0u);
}

TEST_F(LingobenchWindow, InfoShowsTheProgramsVersion)
{
    Open();
    std::string version;
    WhileModal([&] { Command(IDM_LB_HELP_INFO); }, [&](HWND dialog) {
        version = ItemText(dialog, IDC_IN_VERSION);
        ClickButton(dialog, IDOK);
    });
    EXPECT_EQ(version, "Version 0.0.9");
}
