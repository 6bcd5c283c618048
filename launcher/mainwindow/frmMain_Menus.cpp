// The main window's menus: the profile and language lists, the entries shown, and what each
// entry does.
#include "mainwindow/frmMain.h"

#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "core/Application.h"
#include "shell/ShellStart.h"
#include "dialogs/frmEditProfile.h"
#include "dialogs/frmOptions.h"
#include "mainwindow/GameFolderLists.h"
#include "mainwindow/MainWindowRules.h"
#include "mainwindow/frmMain_res.h"
#include "profiles/Profile.h"
#include "shortcuts/frmCreateVekoraShortcut_New.h"
#include "translation/cTranslate.h"
#include "web/frmInfo.h"
#include "web/frmUpdate.h"

namespace {
// A name shown in a menu as it is written: "&" would otherwise mark an access key.
std::string MenuCaption(const std::string& text)
{
    std::string caption;
    for (char c : text) {
        caption += c;
        if (c == '&') caption += '&';
    }
    return caption;
}
} // namespace

void frmMain::FillProfileList()
{
    PassErrors("frmMain.FillProfileList", [&] {
        const int loaded = m_menu.ArrayCount(IDM_FILE_PROFILES, IDM_PROFILE_LIST_FIRST);
        for (int i = 0; i < loaded; ++i) m_menu.ArrayEntry(IDM_FILE_PROFILES, IDM_PROFILE_LIST_FIRST, i).Visible = false;
        const std::shared_ptr<Profile> active = g_cApp->ActiveProfile();
        int i = 0;
        for (const std::shared_ptr<Profile>& profile : g_cApp->Profiles()) {
            if (i > IDM_PROFILE_LIST_LAST - IDM_PROFILE_LIST_FIRST) break; // the menu has no more IDs
            MenuEntry& entry = m_menu.ArrayEntry(IDM_FILE_PROFILES, IDM_PROFILE_LIST_FIRST, i);
            entry.Visible = true;
            entry.Text = MenuCaption(profile->ProfileCaption());
            entry.Tag = profile->ProfileName();
            entry.Checked = profile == active;
            ++i;
        }
        // The last profile stays: there must always be one to show.
        m_menu.SetEnabled(IDM_PROFILE_DELETE, g_cApp->Profiles().Count() > 1);
        ApplyMenu();
    });
}

void frmMain::InitLanguageList()
{
    PassErrors("frmMain.InitLanguageList", [&] {
        const std::vector<LanguageEntry> languages = ListLanguages(g_cApp->GetLanguageDirectory());
        for (size_t i = 0; i < languages.size(); ++i) {
            if (i > IDM_LANG_ITEM_LAST - IDM_LANG_ITEM_FIRST) break;
            MenuEntry& entry = m_menu.ArrayEntry(IDM_OPTIONS_LANG, IDM_LANG_ITEM_FIRST, static_cast<int>(i));
            // A file without a language name is still offered, under its abbreviation.
            entry.Text = MenuCaption(languages[i].Caption.empty() ? languages[i].Tag : languages[i].Caption);
            entry.Tag = languages[i].Tag;
        }
        HighligthSelectedLanguage();
    });
}

void frmMain::HighligthSelectedLanguage()
{
    PassErrors("frmMain.HighligthSelectedLanguage", [&] {
        const std::string language = g_cApp->Options().Language();
        const int count = m_menu.ArrayCount(IDM_OPTIONS_LANG, IDM_LANG_ITEM_FIRST);
        for (int i = 0; i < count; ++i) {
            MenuEntry& entry = m_menu.ArrayEntry(IDM_OPTIONS_LANG, IDM_LANG_ITEM_FIRST, i);
            entry.Checked = entry.Tag == language;
        }
        ApplyMenu();
    });
}

void frmMain::RefreshAccessoriesMenu()
{
    PassErrors("frmMain.RefreshAccessoriesMenu", [&] {
        const bool installed = FileExists(g_cApp->GetToolsDirectory() + "Lingobench.exe");
        m_menu.SetVisible(IDM_EXTRA_ACCESSORIES, installed);
        m_menu.SetVisible(IDM_EXTRA_BARAFTERACCESSORIES, installed);
        ApplyMenu();
    });
}

void frmMain::HideFAQMenu()
{
    PassErrors("frmMain.HideFAQMenu", [&] {
        const std::string language = g_cApp->Options().Language();
        const bool hidden =
            language == "EN" || !FileExists(g_cApp->GetDocDirectory() + Application::GetFAQFileName(language));
        m_menu.SetVisible(IDM_HELP_FAQ, !hidden);
        m_menu.SetVisible(IDM_HELP_FAQ_EN, true);
        ApplyMenu();
    });
}

void frmMain::FillMenuAsShown()
{
    PassErrors("frmMain.FillMenuAsShown", [&] {
        const MenuRebuildBatch oneBuild(*this);
        InitLanguageList();
        TranslateMenu();
        FillProfileList();
        RefreshAccessoriesMenu();
        ApplyMenu(); // the bar, even where nothing above changed it
    });
}

void frmMain::ApplyMenu()
{
    if (!Hwnd()) return;
    if (m_menuRebuildsHeld > 0) {
        m_menuRebuildPending = true;
        return;
    }
    m_menuRebuildPending = false;
    // Loading a profile refreshes the menu as the window's start has just built it: with a
    // thousand profiles, building it again would cost as much as the first time.
    if (m_hMenu.Get() && m_appliedMenu == m_menu) return;
    HMENU menu = m_menu.Build();
    SetMenu(Hwnd(), menu); // redraws the menu bar with the window's frame
    m_hMenu.Reset(menu); // the menu the window had before goes
    m_appliedMenu = m_menu;
}

frmMain::MenuRebuildBatch::MenuRebuildBatch(frmMain& window) : m_window(window)
{
    ++m_window.m_menuRebuildsHeld;
}

frmMain::MenuRebuildBatch::~MenuRebuildBatch()
{
    if (--m_window.m_menuRebuildsHeld > 0 || !m_window.m_menuRebuildPending) return;
    ShowErrors("frmMain.ApplyMenu", [&] { m_window.ApplyMenu(); });
}

void frmMain::mnuFile_Save_Click()
{
    ShowErrors("frmMain.mnuFile_Save_Click", [&] { SaveData(); });
}

void frmMain::mnuProfile_New_Click()
{
    ShowErrors("frmMain.mnuProfile_New_Click", [&] {
        RefreshProfileData(GamePathRule::MayBeMissing);
        if (std::shared_ptr<Profile> profile = g_cApp->Profiles().ShowAddNewDialog(Hwnd())) LoadData(profile);
    });
}

void frmMain::mnuProfile_Edit_Click()
{
    ShowErrors("frmMain.mnuProfile_Edit_Click", [&] {
        frmEditProfile dialog;
        dialog.Load(Hwnd());
        dialog.InitDialog(frmEditProfile::MODE_EDIT, *g_cApp->ActiveProfile());
        dialog.ShowModal();
        dialog.Unload();
        FillProfileList();
    });
}

void frmMain::mnuProfile_List_Click(int index)
{
    ShowErrors("frmMain.mnuProfile_List_Click", [&] {
        RefreshProfileData(GamePathRule::MayBeMissing);
        const std::string key = m_menu.ArrayEntry(IDM_FILE_PROFILES, IDM_PROFILE_LIST_FIRST, index).Tag;
        LoadData(g_cApp->Profiles().Item(key));
    });
}

void frmMain::mnuEditCopy_CmdLine_Click()
{
    ShowErrors("frmMain.mnuEditCopy_CmdLine_Click", [&] {
        // Path and parameters both from the controls: what the user sees is what is copied.
        Sys().SetClipboardText(Hwnd(), CopyableCommandLine(m_txtVekoraPath.Text(), GetCmdLineParameters()));
    });
}

void frmMain::mnuOptions_Lang_Item_Click(int index)
{
    ShowErrors("frmMain.mnuOptions_Lang_Item_Click", [&] {
        const MenuRebuildBatch oneRebuild(*this);
        g_cApp->Options().SetLanguage(m_menu.ArrayEntry(IDM_OPTIONS_LANG, IDM_LANG_ITEM_FIRST, index).Tag);
        HighligthSelectedLanguage();
        TranslateDialog();
    });
}

void frmMain::mnuExtra_Accessories_Lingobench_Click()
{
    ShowErrors("frmMain.mnuExtra_Accessories_Lingobench_Click", [&] {
        const std::string tools = g_cApp->GetToolsDirectory();
        OpenWithShell(Hwnd(), tools + "Lingobench.exe", "", tools);
    });
}

void frmMain::mnuExtra_CreateShortcut_Click()
{
    ShowErrors("frmMain.mnuExtra_CreateShortcut_Click", [&] {
        RefreshProfileData();
        // There is nothing to read back: the wizard writes its links itself.
        frmCreateVekoraShortcut_New wizard;
        wizard.Load(Hwnd());
        wizard.InitDialog(*g_cApp->ActiveProfile());
        wizard.ShowModal();
        wizard.Unload();
    });
}

void frmMain::mnuExtra_Options_Click()
{
    ShowErrors("frmMain.mnuExtra_Options_Click", [&] {
        frmOptions dialog;
        dialog.Load(Hwnd());
        dialog.InitDialog();
        dialog.ShowModal();
        dialog.Unload();
    });
}

void frmMain::mnuExtra_Update_Click()
{
    ShowErrors("frmMain.mnuExtra_Update_Click", [&] {
        frmUpdate dialog;
        dialog.Load(Hwnd());
        dialog.InitDialog();
        dialog.ShowModal();
        dialog.Unload();
    });
}

void frmMain::mnuHelp_About_Click()
{
    ShowErrors("frmMain.mnuHelp_About_Click", [&] {
        frmInfo dialog;
        dialog.Load(Hwnd());
        dialog.ShowModal();
        dialog.Unload();
    });
}

void frmMain::mnuHelp_Webpage_Click()
{
    ShowErrors("frmMain.mnuHelp_Webpage_Click", [&] { Application::ShowVekolaunchWebpage(Hwnd()); });
}

void frmMain::mnuHelp_FAQ_Click()
{
    ShowErrors("frmMain.mnuHelp_FAQ_Click", [&] { g_cApp->ShowFAQ(Hwnd(), g_cApp->Options().Language()); });
}

void frmMain::mnuHelp_FAQ_EN_Click()
{
    ShowErrors("frmMain.mnuHelp_FAQ_EN_Click", [&] { g_cApp->ShowFAQ(Hwnd(), "EN"); });
}

void frmMain::mnuFile_SendFeedback_Click()
{
    ShowErrors("frmMain.mnuFile_SendFeedback_Click", [&] { Application::ContactAuthor(Hwnd()); });
}
