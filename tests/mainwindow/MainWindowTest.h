// A main window on a launcher work folder with one or more profiles and a game folder of its
// own, and the messages the tests drive it with.
#pragma once

#include <windows.h>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/Application.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/frmMain_res.h"
#include "profiles/Profile.h"
#include "support/BoundTexts.h"
#include "support/TestEnvironment.h"
#include "translation/cTranslate.h"

class MainWindowTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        m_game = std::make_unique<TempFolder>();
        const std::string game = GameFolder();
        CopyFileA(DemoGamePath().c_str(), GamePath().c_str(), FALSE);
        for (const char* folder : {"Scenarios", "Scenarios\\Alpine Valley", "Scenarios\\Harbour Run", "folder.pak"}) {
            CreateDirectoryA((game + folder).c_str(), nullptr);
        }
        WriteTextFile(game + "Scenarios\\readme.txt", "not a scenario");
        WriteTextFile(game + "classic.pak", "pak");
        WriteTextFile(game + "winter.pak", "pak");
    }

    void TearDown() override
    {
        m_form.reset();
        DrainQuit();
        AppFixture::TearDown();
        m_game.reset();
    }

    std::string GameFolder() const { return m_game->Path(); }
    std::string GamePath() const { return GameFolder() + "vekora.exe"; }

    // The settings file: options, then the test profile (active) with the given extra lines,
    // then any further text.
    void WriteSettings(const std::string& profileLines = "", const std::string& more = "",
                       const std::string& language = "EN")
    {
        WriteIni("[OPTIONS]\r\nLANGUAGE=" + language + "\r\nSTARTVEKORADIALOG=0\r\n[PROFILES]\r\n"
                 "LASTACTIVEPROFILE=profile_Test\r\n[profile_Test]\r\nVEKOPATH=" + GamePath() + "\r\n" +
                 profileLines + more);
    }

    // Start-up as the launcher does it: load the settings, then the window with the active
    // profile. The window creates a page when it is first shown: unless told otherwise, the
    // test looks at every tab once, as a user would, and comes back to the first.
    void OpenWindow(bool visitEveryPage = true)
    {
        RestartApplication();
        ASSERT_TRUE(g_cApp->LoadData());
        m_form = std::make_unique<frmMain>();
        m_form->Load();
        m_form->InitDialog();
        m_form->LoadData(g_cApp->ActiveProfile());
        if (!visitEveryPage) return;
        for (int tab = frmMain::TAB_COUNT - 1; tab >= 0; --tab) ClickTab(tab);
    }
    void ClickTab(int tab)
    {
        SendMessageA(m_form->Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_MAIN_TAB0 + tab, UCTAB_CLICK),
                     reinterpret_cast<LPARAM>(m_form->Tab(tab).Hwnd()));
    }

    // Destroys the window without its closing sequence, as a test ends it.
    void DiscardWindow()
    {
        m_form.reset();
        DrainQuit();
    }
    frmMain& Form() { return *m_form; }
    // Shown by its own style (the test window itself is never put on the screen).
    static bool Shown(HWND hwnd) { return (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }
    Profile& Active() { return *g_cApp->ActiveProfile(); }
    HWND Ctl(int id) { return m_form->Control(id); }
    std::string Text(int id) { return WindowText(Ctl(id)); }
    void SetText(int id, const std::string& text) { SendMessageA(Ctl(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }
    void Click(int id) { SendMessageA(Ctl(id), BM_CLICK, 0, 0); }
    bool Checked(int id) { return SendMessageA(Ctl(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    int ListIndex(int id) { return static_cast<int>(SendMessageA(Ctl(id), LB_GETCURSEL, 0, 0)); }
    // Selects a list entry as a click does: the selection, then the notification to the page.
    void SelectListEntry(int id, int index)
    {
        SendMessageA(Ctl(id), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(GetParent(Ctl(id)), WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(Ctl(id)));
    }
    // The focus into a field and on to another window (nullptr: to another program).
    void MoveFocus(int from, HWND to)
    {
        SetFocus(Ctl(from));
        SetFocus(to);
    }
    void TypeChar(int id, char c) { SendMessageA(Ctl(id), WM_CHAR, static_cast<unsigned char>(c), 1); }
    // A menu entry chosen, as the menu sends it.
    void Menu(UINT id) { SendMessageA(m_form->Hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    // Closes the window as its title-bar button does; true when it is gone.
    bool Close()
    {
        SendMessageA(m_form->Hwnd(), WM_CLOSE, 0, 0);
        return !m_form->IsLoaded();
    }
    // Whether the window asked the program to end, taking that request off the queue.
    static bool DrainQuit()
    {
        MSG msg;
        bool quit = false;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) quit = true;
        return quit;
    }

    // The menu bar as the window shows it.
    HMENU MenuBarHandle() { return GetMenu(m_form->Hwnd()); }
    bool MenuHas(UINT id) { return GetMenuState(MenuBarHandle(), id, MF_BYCOMMAND) != static_cast<UINT>(-1); }
    bool MenuChecked(UINT id) { return (GetMenuState(MenuBarHandle(), id, MF_BYCOMMAND) & MF_CHECKED) != 0; }
    bool MenuEnabled(UINT id) { return (GetMenuState(MenuBarHandle(), id, MF_BYCOMMAND) & MF_GRAYED) == 0; }
    std::string MenuText(UINT id)
    {
        char text[256] = {};
        GetMenuStringA(MenuBarHandle(), id, text, sizeof(text), MF_BYCOMMAND);
        return text;
    }
    // What the tab, menu entry (hidden ones too) or control bound to that ID shows.
    std::string BoundText(int id)
    {
        if (id >= IDC_MAIN_TAB0 && id < IDC_MAIN_TAB0 + frmMain::TAB_COUNT) return Form().Tab(id - IDC_MAIN_TAB0).Caption();
        if (id >= IDM_FILE && id <= IDM_HELP_ABOUT) return Form().Menu().Entry(id).Text;
        return Text(id);
    }
    void ExpectWindowTexts(const std::string& languageFile)
    {
        ExpectBoundTexts(frmMain::TEXTS, languageFile, [&](int id) { return BoundText(id); });
    }
    static std::string Translated(const std::string& section, const std::string& id)
    {
        return g_cTranslate->TranslateEx(section, id);
    }

    // The texts of the message boxes shown so far.
    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : m_sys->MessageBoxes) texts.push_back(box.Text);
        return texts;
    }

    std::unique_ptr<TempFolder> m_game;
    std::unique_ptr<frmMain> m_form;
};
