// Lingobench's main window: its place, its list of language files and its buttons and menus.
#include "langeditor/LingobenchTest.h"

#include "langeditor/frmInfo_res.h"
#include "langeditor/frmLingobench.h"
#include "langeditor/frmLingobench_res.h"
#include "langeditor/frmNewLanguage_res.h"
#include "langeditor/frmUpload_res.h"

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
    const struct { int Command; std::string Caption; } cases[] = {
        {IDC_LB_EDIT, "Edit language file"}, {IDM_LB_EDIT_EDIT, "Edit language file"},
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
