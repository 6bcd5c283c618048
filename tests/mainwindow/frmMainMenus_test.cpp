// The main window's menus, driven with their commands: profiles, languages, accessories, FAQ,
// the entries that wait for their windows, the command line and the dialogs they open.
#include "mainwindow/MainWindowTest.h"

#include "base/mIni.h"
#include "core/AppConstants.h"
#include "dialogs/frmEditProfile_res.h"
#include "dialogs/frmOptions_res.h"

namespace {
constexpr const char* SECOND_PROFILE = "[profile_Night]\r\nVEKOPATH=";
} // namespace

class MainWindowMenus : public MainWindowTest {
protected:
    void WriteTwoProfiles(const std::string& testLines = "")
    {
        WriteSettings(testLines, std::string(SECOND_PROFILE) + GamePath() + "\r\nFREEPLAY=1\r\nREFRESH=5\r\n");
    }
    // Index of the language entry with that tag.
    int LanguageIndex(const std::string& tag)
    {
        for (int i = 0; i < Form().Menu().ArrayCount(IDM_OPTIONS_LANG, IDM_LANG_ITEM_FIRST); ++i) {
            if (Form().Menu().Entry(IDM_LANG_ITEM_FIRST + i).Tag == tag) return i;
        }
        return -1;
    }
    int ExtraMenuCount() { return GetMenuItemCount(GetSubMenu(MenuBarHandle(), 2)); }
};

TEST_F(MainWindowMenus, ProfilesMenuListsEveryProfileAndChecksTheActiveOne)
{
    WriteSettings("", std::string(SECOND_PROFILE) + GamePath() + "\r\n[profile_Rock&Roll]\r\nVEKOPATH=" + GamePath() + "\r\n");
    OpenWindow();
    EXPECT_EQ(MenuText(IDM_PROFILE_LIST_FIRST), "Test");
    EXPECT_EQ(MenuText(IDM_PROFILE_LIST_FIRST + 1), "Night");
    EXPECT_EQ(MenuText(IDM_PROFILE_LIST_FIRST + 2), "Rock&&Roll") << "shown with its \"&\", not as an access key";
    EXPECT_TRUE(MenuChecked(IDM_PROFILE_LIST_FIRST));
    EXPECT_FALSE(MenuChecked(IDM_PROFILE_LIST_FIRST + 1));
    EXPECT_FALSE(MenuHas(IDM_PROFILE_LIST_FIRST + 3));
    // The start loads the profile into the window after building the menu: the menu stays.
    const HMENU built = MenuBarHandle();
    Form().LoadData(g_cApp->ActiveProfile());
    EXPECT_EQ(MenuBarHandle(), built) << "built a second time with nothing changed";
}

// The layout below the menu bar needs the bar as it will be: the window sets it once, with the
// profiles and texts the rest of the start gives it.
TEST_F(MainWindowMenus, TheMenuBarIsSetOnceAtTheStart)
{
    WriteTwoProfiles();
    RestartApplication();
    ASSERT_TRUE(g_cApp->LoadData());
    m_form = std::make_unique<frmMain>();
    m_form->Load();
    const HMENU atLoad = MenuBarHandle();
    EXPECT_EQ(MenuText(IDM_PROFILE_LIST_FIRST + 1), "Night");
    m_form->InitDialog();
    m_form->LoadData(g_cApp->ActiveProfile());
    EXPECT_EQ(MenuBarHandle(), atLoad);
}

TEST_F(MainWindowMenus, SwitchingProfileKeepsTheInputInTheOldOne)
{
    WriteTwoProfiles("FREEPLAY=0\r\n");
    OpenWindow();
    std::shared_ptr<Profile> test = g_cApp->ActiveProfile();
    Click(IDC_CKFREEPLAY);
    Menu(IDM_PROFILE_LIST_FIRST + 1);
    EXPECT_EQ(g_cApp->ActiveProfile()->ProfileName(), "profile_Night");
    EXPECT_TRUE(test->Freeplay()) << "the input went into the old profile, in memory";
    EXPECT_TRUE(test->DataChanged());
    EXPECT_EQ(ListIndex(IDC_LSTREFRESH), 4) << "the window shows the new profile";
    EXPECT_TRUE(MenuChecked(IDM_PROFILE_LIST_FIRST + 1));
    EXPECT_FALSE(MenuChecked(IDM_PROFILE_LIST_FIRST));
    EXPECT_TRUE(g_cApp->DataChanged());
}

TEST_F(MainWindowMenus, FailedCheckKeepsTheProfile)
{
    WriteTwoProfiles();
    OpenWindow();
    SetText(IDC_TXTRES_HEIGHT, "x");
    Menu(IDM_PROFILE_LIST_FIRST + 1);
    EXPECT_EQ(g_cApp->ActiveProfile()->ProfileName(), "profile_Test");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{Translated("ERROR_MESSAGES", "ERR_InvalidUserDefinedResolution")}));
}

TEST_F(MainWindowMenus, NewProfileBecomesActiveAndChecked)
{
    WriteSettings();
    OpenWindow();
    Click(IDC_CKFREEPLAY);
    const bool seen = WhileModal([&] { Menu(IDM_PROFILE_NEW); }, [](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_EP_NAME, "Evening");
        SetDlgItemTextA(dialog, IDC_EP_DESCRIPTION, "Late games");
        ClickButton(dialog, IDOK);
    });
    ASSERT_TRUE(seen);
    EXPECT_EQ(g_cApp->ActiveProfile()->ProfileCaption(), "Evening");
    EXPECT_EQ(MenuText(IDM_PROFILE_LIST_FIRST + 1), "Evening");
    EXPECT_TRUE(MenuChecked(IDM_PROFILE_LIST_FIRST + 1));
    EXPECT_TRUE(g_cApp->Profiles().Item("profile_Test")->DataChanged()) << "the input was written before";
}

TEST_F(MainWindowMenus, NoNewProfileWindowAfterAFailedCheck)
{
    WriteSettings();
    OpenWindow();
    SetText(IDC_TXTRES_WIDTH, "");
    EXPECT_FALSE(WhileModal([&] { Menu(IDM_PROFILE_NEW); }, [](HWND dialog) { ClickButton(dialog, IDCANCEL); }));
    EXPECT_EQ(g_cApp->Profiles().Count(), 1);
}

TEST_F(MainWindowMenus, EditProfileShowsTheActiveProfileAndRefreshesTheList)
{
    WriteSettings("DESCRIPTION=Old text\r\n");
    OpenWindow();
    std::string shown;
    const bool seen = WhileModal([&] { Menu(IDM_PROFILE_EDIT); }, [&](HWND dialog) {
        shown = ItemText(dialog, IDC_EP_DESCRIPTION);
        SetDlgItemTextA(dialog, IDC_EP_DESCRIPTION, "New text");
        ClickButton(dialog, IDOK);
    });
    ASSERT_TRUE(seen);
    EXPECT_EQ(shown, "Old text");
    EXPECT_EQ(Active().ProfileDescription(), "New text");
    EXPECT_TRUE(MenuChecked(IDM_PROFILE_LIST_FIRST));
}

TEST_F(MainWindowMenus, LanguageMenuOffersTheLanguageFilesAndChecksTheChosenOne)
{
    WriteTextFile(ConfigDir() + "LNG_.ini", "[FileInfo]\r\nLanguageName=Broken\r\n");
    WriteSettings();
    OpenWindow(); // the nameless file does not stop the set-up
    EXPECT_TRUE(m_sys->ErrorReports.empty());
    EXPECT_EQ(Form().Menu().ArrayCount(IDM_OPTIONS_LANG, IDM_LANG_ITEM_FIRST), 2);
    const int en = LanguageIndex("EN");
    const int de = LanguageIndex("DE");
    ASSERT_GE(en, 0);
    ASSERT_GE(de, 0);
    EXPECT_EQ(MenuText(IDM_LANG_ITEM_FIRST + en), "English");
    EXPECT_EQ(MenuText(IDM_LANG_ITEM_FIRST + de), ReadFromIni(ConfigDir() + "LNG_DE.ini", "FileInfo", "LanguageName", ""));
    EXPECT_TRUE(MenuChecked(IDM_LANG_ITEM_FIRST + en));
    EXPECT_FALSE(MenuChecked(IDM_LANG_ITEM_FIRST + de));
}

TEST_F(MainWindowMenus, ChoosingALanguageTranslatesAtOnceAndKeepsTabAndInput)
{
    WriteSettings();
    OpenWindow();
    Form().ucTab1_Click(frmMain::TAB_DISPLAY);
    Click(IDC_OPRESOLUTION1);
    SetText(IDC_TXTRES_WIDTH, "1111");
    Menu(IDM_LANG_ITEM_FIRST + LanguageIndex("DE"));
    EXPECT_EQ(g_cApp->Options().Language(), "DE");
    EXPECT_TRUE(MenuChecked(IDM_LANG_ITEM_FIRST + LanguageIndex("DE")));
    EXPECT_FALSE(MenuChecked(IDM_LANG_ITEM_FIRST + LanguageIndex("EN")));
    ExpectWindowTexts(ConfigDir() + "LNG_DE.ini");
    EXPECT_EQ(MenuText(IDM_FILE), ReadFromIni(ConfigDir() + "LNG_DE.ini", "MAIN_DIALOG", "MNU_FILE", "")) << "the menu bar rebuilt";
    EXPECT_EQ(Form().ActiveTab(), frmMain::TAB_DISPLAY);
    EXPECT_TRUE(Shown(Form().Page(frmMain::TAB_DISPLAY).Hwnd()));
    EXPECT_EQ(Text(IDC_TXTRES_WIDTH), "1111");
    EXPECT_TRUE(Checked(IDC_OPRESOLUTION1));
    EXPECT_EQ(ListIndex(IDC_LSTRESOLUTION), 0) << "the list selection stays";
    EXPECT_FALSE(Active().DataChanged()) << "the profile is not touched";
    for (int i = 1; i < frmMain::TAB_COUNT; ++i) {
        EXPECT_EQ(Form().Tab(i).Left(), Form().Tab(i - 1).Left() + Form().Tab(i - 1).Width() + 1);
    }
}

TEST_F(MainWindowMenus, AccessoriesOnlyWithTheLanguageEditor)
{
    WriteSettings();
    OpenWindow();
    EXPECT_FALSE(MenuHas(IDM_EXTRA_ACCESSORIES_LINGOBENCH));
    const int without = ExtraMenuCount();
    DiscardWindow();

    CreateDirectoryA((m_folder->Path() + "tools").c_str(), nullptr);
    WriteTextFile(m_folder->Path() + "tools\\Lingobench.exe", "MZ");
    OpenWindow();
    EXPECT_TRUE(MenuHas(IDM_EXTRA_ACCESSORIES_LINGOBENCH));
    EXPECT_EQ(MenuText(IDM_EXTRA_ACCESSORIES_LINGOBENCH), "&Language editor...");
    EXPECT_EQ(ExtraMenuCount(), without + 2) << "the submenu and the separator after it";
    Menu(IDM_EXTRA_ACCESSORIES_LINGOBENCH);
    ASSERT_EQ(m_sys->ShellCalls.size(), 1u);
    EXPECT_EQ(m_sys->ShellCalls[0].File, m_folder->Path() + "tools\\Lingobench.exe");
    EXPECT_EQ(m_sys->ShellCalls[0].Parameters, "");
    EXPECT_EQ(m_sys->ShellCalls[0].Directory, m_folder->Path() + "tools\\");
    EXPECT_EQ(m_sys->ShellCalls[0].Operation, "open");
}

TEST_F(MainWindowMenus, EnglishShowsOneFaqEntry)
{
    CreateDirectoryA((m_folder->Path() + "doc").c_str(), nullptr);
    WriteTextFile(m_folder->Path() + "doc\\FAQ_EN.txt", "faq");
    WriteSettings();
    OpenWindow();
    EXPECT_FALSE(MenuHas(IDM_HELP_FAQ));
    EXPECT_EQ(MenuText(IDM_HELP_FAQ_EN), Translated("MAIN_DIALOG", "MNU_HELP_FAQ"));
    Menu(IDM_HELP_FAQ_EN);
    ASSERT_EQ(m_sys->ShellCalls.size(), 1u);
    EXPECT_EQ(m_sys->ShellCalls[0].File, m_folder->Path() + "doc\\FAQ_EN.txt");
}

TEST_F(MainWindowMenus, OtherLanguageShowsItsFaqOnlyWhenTheFileExists)
{
    WriteSettings("", "", "DE");
    OpenWindow();
    EXPECT_FALSE(MenuHas(IDM_HELP_FAQ));
    EXPECT_EQ(MenuText(IDM_HELP_FAQ_EN), Translated("MAIN_DIALOG", "MNU_HELP_FAQ_EN"));
    DiscardWindow();

    CreateDirectoryA((m_folder->Path() + "doc").c_str(), nullptr);
    WriteTextFile(m_folder->Path() + "doc\\FAQ_DE.txt", "faq");
    OpenWindow();
    EXPECT_TRUE(MenuHas(IDM_HELP_FAQ));
    Menu(IDM_HELP_FAQ);
    ASSERT_EQ(m_sys->ShellCalls.size(), 1u);
    EXPECT_EQ(m_sys->ShellCalls[0].File, m_folder->Path() + "doc\\FAQ_DE.txt");

    Menu(IDM_LANG_ITEM_FIRST + LanguageIndex("EN")); // hidden again at the next translation
    EXPECT_FALSE(MenuHas(IDM_HELP_FAQ));
}

TEST_F(MainWindowMenus, EveryWindowHasAnEnabledEntry)
{
    WriteSettings();
    OpenWindow();
    for (UINT id : {IDM_FILE_SAVE, IDM_PROFILE_NEW, IDM_EDIT_COPYCMDLINE, IDM_EXTRA_CREATESHORTCUT, IDM_EXTRA_OPTIONS,
                    IDM_EXTRA_UPDATE, IDM_HELP_WEBPAGE, IDM_HELP_ABOUT}) {
        EXPECT_TRUE(MenuEnabled(id)) << id;
    }
}

TEST_F(MainWindowMenus, CreateShortcutOpensTheWizardOnTheEditedProfile)
{
    WriteSettings("LOGMESSAGES=0\r\n");
    OpenWindow();
    Click(IDC_CKLOGMESSAGES); // not in the profile until the window writes it
    HWND owner = nullptr;
    HWND settings = nullptr;
    EXPECT_TRUE(WhileModal([&] { Menu(IDM_EXTRA_CREATESHORTCUT); }, [&](HWND wizard) {
        owner = GetWindow(wizard, GW_OWNER);
        settings = FindChildWindow(wizard, "Edit", "Log messages: Yes");
        PostMessageA(wizard, WM_CLOSE, 0, 0);
    }));
    EXPECT_EQ(owner, Form().Hwnd());
    EXPECT_NE(settings, nullptr);
    EXPECT_TRUE(Active().LogMessages());
    EXPECT_TRUE(IsWindowEnabled(Form().Hwnd()));
}

// Closing a window opened from the menu hands the activation back to the main window: a
// window that goes while its owner is still disabled leaves the system to activate another
// program's window. (A Foreground suite: it runs alone.)
using MainWindowForeground = MainWindowMenus;
TEST_F(MainWindowForeground, ClosedWindowsHandTheActivationBack)
{
    WriteSettings();
    OpenWindow();
    Form().ShowModeless();
    SetActiveWindow(Form().Hwnd());
    // Under X the activation settles with the server's focus events: the test waits for them.
    const auto mainActive = [&] { return GetActiveWindow() == Form().Hwnd(); };
    ASSERT_TRUE(WaitUntil(mainActive));
    for (UINT id : {IDM_EXTRA_CREATESHORTCUT, IDM_EXTRA_UPDATE, IDM_HELP_ABOUT}) {
        EXPECT_TRUE(WhileModal([&] { Menu(id); }, [](HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); })) << id;
        EXPECT_TRUE(IsWindowEnabled(Form().Hwnd())) << id;
        EXPECT_TRUE(WaitUntil(mainActive)) << id << ": active is " << GetActiveWindow();
    }
}

TEST_F(MainWindowMenus, CopyCommandLineGivesPathBlankAndOptions)
{
    WriteSettings("LOGMESSAGES=1\r\nFREEPLAY=0\r\nRESOLUTION=2\r\nREFRESH=1\r\n");
    OpenWindow();
    Menu(IDM_EDIT_COPYCMDLINE);
    Click(IDC_CKLOGMESSAGES);
    Click(IDC_CKFREEPLAY);
    Menu(IDM_EDIT_COPYCMDLINE);
    ASSERT_EQ(m_sys->ClipboardTexts.size(), 2u);
    EXPECT_EQ(m_sys->ClipboardTexts[0], GamePath() + " -log -res 2 -refresh 1");
    EXPECT_EQ(m_sys->ClipboardTexts[1], GamePath() + " -res 2 -freeplay -refresh 1");

    // A path just typed is the one copied, quoted for its blank.
    const std::string typed = m_folder->Path() + "Vekora 2\\vekora.exe";
    Form().VekoraPathField().SetText(typed);
    Menu(IDM_EDIT_COPYCMDLINE);
    ASSERT_EQ(m_sys->ClipboardTexts.size(), 3u);
    EXPECT_EQ(m_sys->ClipboardTexts[2], "\"" + typed + "\" -res 2 -freeplay -refresh 1");
    EXPECT_FALSE(Active().DataChanged()) << "copying writes nothing into the profile";
}

TEST_F(MainWindowMenus, RefusedShellStartsNameWhatFailedAndWhy)
{
    CreateDirectoryA((m_folder->Path() + "tools").c_str(), nullptr);
    WriteTextFile(m_folder->Path() + "tools\\Lingobench.exe", "MZ");
    WriteSettings();
    OpenWindow();
    m_sys->ShellResult = SE_ERR_NOASSOC;
    const std::string reason = Translated("ERROR_MESSAGES", "ERR_ShellNoAssociation");
    const struct {
        UINT menu;
        std::string file;
    } starts[] = {
        {IDM_HELP_WEBPAGE, VEKOLAUNCH_WEB_ADDRESS},
        {IDM_HELP_FEEDBACK, std::string("mailto:") + VEKOLAUNCH_CONTACT_MAIL},
        {IDM_EXTRA_ACCESSORIES_LINGOBENCH, m_folder->Path() + "tools\\Lingobench.exe"},
    };
    for (const auto& start : starts) {
        m_sys->MessageBoxes.clear();
        Menu(start.menu);
        ASSERT_EQ(m_sys->MessageBoxes.size(), 1u) << start.file;
        EXPECT_EQ(m_sys->MessageBoxes[0].Text,
                  g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_ShellStartFailed", start.file, reason));
    }
    m_sys->MessageBoxes.clear();
    m_sys->ShellResult = ERROR_FILE_NOT_FOUND;
    Click(IDC_CMDSTART);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text,
              g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_ShellStartFailed", GamePath(),
                                        Translated("ERROR_MESSAGES", "ERR_ShellFileNotFound")));
}

TEST_F(MainWindowMenus, WebPageAndFeedbackGoToTheShell)
{
    WriteSettings();
    OpenWindow();
    Menu(IDM_HELP_WEBPAGE);
    Menu(IDM_HELP_FEEDBACK);
    ASSERT_EQ(m_sys->ShellCalls.size(), 2u);
    EXPECT_EQ(m_sys->ShellCalls[0].File, VEKOLAUNCH_WEB_ADDRESS);
    EXPECT_EQ(m_sys->ShellCalls[1].File, std::string("mailto:") + VEKOLAUNCH_CONTACT_MAIL);
}

TEST_F(MainWindowMenus, OptionsWindowOpensFromTheMenu)
{
    WriteSettings();
    OpenWindow();
    ASSERT_FALSE(g_cApp->Options().ShowStartVekoraDialog());
    const bool seen = WhileModal([&] { Menu(IDM_EXTRA_OPTIONS); }, [](HWND dialog) {
        ClickButton(dialog, IDC_OPTIONS_CKSAFETYPROMPT);
        ClickButton(dialog, IDOK);
    });
    EXPECT_TRUE(seen);
    EXPECT_TRUE(g_cApp->Options().ShowStartVekoraDialog());
    EXPECT_TRUE(IsWindowEnabled(Form().Hwnd())) << "the main window takes input again";
}

TEST_F(MainWindowMenus, UpdateAndAboutWindowsOpenFromTheMenu)
{
    WriteSettings();
    OpenWindow();
    for (const auto& [menu, caption] : {std::pair{IDM_EXTRA_UPDATE, "Internet update"}, std::pair{IDM_HELP_ABOUT, "About Vekolaunch"}}) {
        std::string shown;
        const bool seen = WhileModal([&] { Menu(menu); }, [&](HWND dialog) {
            shown = WindowText(dialog);
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_TRUE(seen) << caption;
        EXPECT_EQ(shown, caption);
        EXPECT_TRUE(IsWindowEnabled(Form().Hwnd())) << caption;
    }
}

// The Profiles menu follows a rename and a delete at once; the last profile cannot be deleted.
TEST_F(MainWindowMenus, ProfilesMenuFollowsRenameAndDelete)
{
    WriteTwoProfiles();
    OpenWindow();
    EXPECT_TRUE(MenuEnabled(IDM_PROFILE_DELETE));
    const bool seen = WhileModal([&] { Menu(IDM_PROFILE_RENAME); }, [](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_EP_NAME, "Dawn");
        ClickButton(dialog, IDOK);
    });
    ASSERT_TRUE(seen);
    EXPECT_EQ(MenuText(IDM_PROFILE_LIST_FIRST), "Dawn");
    EXPECT_TRUE(MenuChecked(IDM_PROFILE_LIST_FIRST));
    EXPECT_EQ(ReadFromIni(g_cApp->IniPath(), "PROFILES", "LASTACTIVEPROFILE", ""), "profile_Dawn");

    m_sys->MessageBoxAnswers.push_back(IDYES);
    Menu(IDM_PROFILE_DELETE);
    EXPECT_EQ(g_cApp->ActiveProfile()->ProfileName(), "profile_Night");
    EXPECT_EQ(MenuText(IDM_PROFILE_LIST_FIRST), "Night");
    EXPECT_TRUE(MenuChecked(IDM_PROFILE_LIST_FIRST));
    EXPECT_EQ(g_cApp->Profiles().Count(), 1);
    EXPECT_FALSE(MenuEnabled(IDM_PROFILE_DELETE)) << "the last profile can be deleted";
}
