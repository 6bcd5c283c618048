// The main window's menu model and the menus built from it.
#include <gtest/gtest.h>

#include "base/mError.h"
#include "mainwindow/MainMenu.h"
#include "mainwindow/frmMain_res.h"

namespace {
// Texts of a built menu level, "-" for separators.
std::vector<std::string> Texts(HMENU menu)
{
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof(text);
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        texts.push_back(info.fType & MFT_SEPARATOR ? "-" : text);
    }
    return texts;
}

HMENU SubMenuOf(HMENU menu, UINT id)
{
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_SUBMENU;
    if (!GetMenuItemInfoA(menu, id, FALSE, &info)) return nullptr;
    return info.hSubMenu;
}

UINT State(HMENU menu, UINT id)
{
    return GetMenuState(menu, id, MF_BYCOMMAND);
}
} // namespace

TEST(MainMenu, HasEveryMenuInOrder)
{
    MenuBar bar = CreateMainMenu();
    HMENU menu = bar.Build();
    EXPECT_EQ(Texts(menu), (std::vector<std::string>{"&File", "&Edit", "&Extra", "&?"}));
    EXPECT_EQ(Texts(SubMenuOf(menu, IDM_FILE)), (std::vector<std::string>{"&Save changes", "&Profiles", "-", "&Quit"}));
    EXPECT_EQ(Texts(SubMenuOf(menu, IDM_FILE_PROFILES)), (std::vector<std::string>{"&New...", "&Edit...", "&Duplicate...", "&Rename...", "De&lete...", "-"}))
        << "the first entry of the profile list is hidden";
    EXPECT_EQ(Texts(SubMenuOf(menu, IDM_EXTRA)),
              (std::vector<std::string>{"&Create shortcut...", "-", "&Language", "-", "&Accessories", "-", "&Options...",
                                        "-", "&Search for updates..."}));
    EXPECT_EQ(Texts(SubMenuOf(menu, IDM_EXTRA_ACCESSORIES)), (std::vector<std::string>{"&Language editor..."}));
    EXPECT_EQ(Texts(SubMenuOf(menu, IDM_HELP)),
              (std::vector<std::string>{"Vekolaunch &webpage", "&FAQ", "&FAQ (english)", "-", "&Send feedback...", "-",
                                        "Info..."}));
    DestroyMenu(menu);
}

TEST(MainMenu, HiddenEntriesAreLeftOutAndStatesShown)
{
    MenuBar bar = CreateMainMenu();
    bar.SetVisible(IDM_EXTRA_ACCESSORIES, false);
    bar.SetVisible(IDM_EXTRA_BARAFTERACCESSORIES, false);
    bar.SetEnabled(IDM_EXTRA_UPDATE, false);
    bar.SetChecked(IDM_EXTRA_OPTIONS, true);
    bar.SetText(IDM_EXTRA, "E&xtras");
    HMENU menu = bar.Build();
    EXPECT_EQ(Texts(SubMenuOf(menu, IDM_EXTRA)),
              (std::vector<std::string>{"&Create shortcut...", "-", "&Language", "-", "&Options...", "-",
                                        "&Search for updates..."}));
    EXPECT_TRUE(State(menu, IDM_EXTRA_UPDATE) & MF_GRAYED);
    EXPECT_TRUE(State(menu, IDM_EXTRA_OPTIONS) & MF_CHECKED);
    EXPECT_FALSE(State(menu, IDM_EXTRA_CREATESHORTCUT) & (MF_GRAYED | MF_CHECKED));
    EXPECT_EQ(Texts(menu)[2], "E&xtras");
    DestroyMenu(menu);
}

TEST(MainMenu, ArrayEntriesAreLoadedInOrderAndKept)
{
    MenuBar bar = CreateMainMenu();
    EXPECT_EQ(bar.ArrayCount(IDM_FILE_PROFILES, IDM_PROFILE_LIST_FIRST), 1);
    EXPECT_EQ(bar.ArrayCount(IDM_OPTIONS_LANG, IDM_LANG_ITEM_FIRST), 1);
    MenuEntry& first = bar.ArrayEntry(IDM_FILE_PROFILES, IDM_PROFILE_LIST_FIRST, 0);
    first.Visible = true;
    first.Text = "Default";
    first.Checked = true;
    MenuEntry& second = bar.ArrayEntry(IDM_FILE_PROFILES, IDM_PROFILE_LIST_FIRST, 1);
    second.Text = "Night";
    second.Tag = "profile_Night";
    EXPECT_EQ(bar.ArrayCount(IDM_FILE_PROFILES, IDM_PROFILE_LIST_FIRST), 2);
    EXPECT_EQ(bar.Entry(IDM_PROFILE_LIST_FIRST + 1).Tag, "profile_Night");
    EXPECT_THROW(bar.ArrayEntry(IDM_FILE_PROFILES, IDM_PROFILE_LIST_FIRST, 3), AppError) << "no gaps";

    HMENU menu = bar.Build();
    EXPECT_EQ(Texts(SubMenuOf(menu, IDM_FILE_PROFILES)),
              (std::vector<std::string>{"&New...", "&Edit...", "&Duplicate...", "&Rename...", "De&lete...", "-", "Default",
                                        "Night"}));
    EXPECT_TRUE(State(menu, IDM_PROFILE_LIST_FIRST) & MF_CHECKED);
    EXPECT_FALSE(State(menu, IDM_PROFILE_LIST_FIRST + 1) & MF_CHECKED);
    DestroyMenu(menu);
}

TEST(MainMenu, FirstLanguageEntryIsASeparatorUntilFilled)
{
    MenuBar bar = CreateMainMenu();
    HMENU menu = bar.Build();
    EXPECT_EQ(Texts(SubMenuOf(menu, IDM_OPTIONS_LANG)), (std::vector<std::string>{"-"}));
    DestroyMenu(menu);
    bar.ArrayEntry(IDM_OPTIONS_LANG, IDM_LANG_ITEM_FIRST, 0).Text = "English";
    menu = bar.Build();
    EXPECT_EQ(Texts(SubMenuOf(menu, IDM_OPTIONS_LANG)), (std::vector<std::string>{"English"}));
    DestroyMenu(menu);
}

TEST(MainMenu, ALongProfileListGoesOnInFurtherColumns)
{
    MenuBar bar = CreateMainMenu();
    const int profiles = 1000;
    for (int i = 0; i < profiles; ++i) {
        MenuEntry& entry = bar.ArrayEntry(IDM_FILE_PROFILES, IDM_PROFILE_LIST_FIRST, i);
        entry.Text = std::to_string(i);
        entry.Visible = true;
    }
    HMENU menu = bar.Build();
    HMENU list = SubMenuOf(menu, IDM_FILE_PROFILES);
    const int commands = 6; // New, Edit, Duplicate, Rename, Delete and the bar
    ASSERT_EQ(GetMenuItemCount(list), commands + profiles);
    EXPECT_NE(State(list, IDM_PROFILE_LIST_FIRST + profiles - 1), static_cast<UINT>(-1));
    const int perColumn = EntriesPerMenuColumn(GetSystemMetrics(SM_CYSCREEN), GetSystemMetrics(SM_CYMENUSIZE));
    for (int i = 0; i < GetMenuItemCount(list); ++i) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoA(list, static_cast<UINT>(i), TRUE, &info);
        EXPECT_EQ((info.fType & MFT_MENUBARBREAK) != 0, i > 0 && i % perColumn == 0) << i;
    }
    EXPECT_EQ(Texts(menu).size(), 4u) << "the bar itself stays on one line";
    DestroyMenu(menu);
}
