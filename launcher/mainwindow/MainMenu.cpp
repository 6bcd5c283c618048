// The main window's menu model and its entries.
#include "mainwindow/MainMenu.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "base/mError.h"
#include "mainwindow/frmMain_res.h"

namespace {
const MenuEntry* FindIn(const std::vector<MenuEntry>& entries, UINT id)
{
    for (const MenuEntry& entry : entries) {
        if (entry.Id == id) return &entry;
        if (const MenuEntry* found = FindIn(entry.Children, id)) return found;
    }
    return nullptr;
}

void AppendEntries(HMENU menu, const std::vector<MenuEntry>& entries, int perColumn, int submenuPerColumn)
{
    int shown = 0;
    for (const MenuEntry& entry : entries) {
        if (!entry.Visible) continue;
        // A menu taller than the screen would hide its last entries: go on in a new column.
        const UINT columnBreak = shown > 0 && shown % perColumn == 0 ? MF_MENUBARBREAK : 0;
        ++shown;
        if (entry.IsSeparator()) {
            AppendMenuA(menu, MF_SEPARATOR | columnBreak, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | columnBreak;
        if (entry.Checked) flags |= MF_CHECKED;
        if (!entry.Enabled) flags |= MF_GRAYED;
        if (!entry.Children.empty() || entry.IsArrayHolder) {
            HMENU sub = CreatePopupMenu();
            AppendEntries(sub, entry.Children, submenuPerColumn, submenuPerColumn);
            AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), entry.Text.c_str());
            // The submenu's own ID, so that it can be found by command as well.
            MENUITEMINFOA info = {};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_ID;
            info.wID = entry.Id;
            SetMenuItemInfoA(menu, GetMenuItemCount(menu) - 1, TRUE, &info);
        } else {
            AppendMenuA(menu, flags, entry.Id, entry.Text.c_str());
        }
    }
}

MenuEntry Item(UINT id, const std::string& text)
{
    MenuEntry entry;
    entry.Id = id;
    entry.Text = text;
    return entry;
}
MenuEntry Bar(UINT id = 0) { return Item(id, "-"); }
MenuEntry Sub(UINT id, const char* text, std::vector<MenuEntry> children)
{
    MenuEntry entry = Item(id, text);
    entry.Children = std::move(children);
    return entry;
}
MenuEntry ArrayHolder(UINT id, const char* text, std::vector<MenuEntry> children)
{
    MenuEntry entry = Sub(id, text, std::move(children));
    entry.IsArrayHolder = true;
    return entry;
}
} // namespace

const MenuEntry& MenuBar::Entry(UINT id) const
{
    const MenuEntry* entry = FindIn(m_entries, id);
    if (!entry) RaiseRuntimeError(RTE_SUBSCRIPT);
    return *entry;
}

MenuEntry& MenuBar::Entry(UINT id)
{
    return const_cast<MenuEntry&>(std::as_const(*this).Entry(id));
}

namespace {
// Where an array's entries begin in their submenu: they come last, after the fixed entries,
// in the order of their indexes.
size_t ArrayStart(const MenuEntry& parent, UINT firstId)
{
    size_t start = 0;
    while (start < parent.Children.size() && parent.Children[start].Id < firstId) ++start;
    return start;
}
} // namespace

MenuEntry& MenuBar::ArrayEntry(UINT parentId, UINT firstId, int index)
{
    // Reached by its index, not by a search among the loaded entries: filling an array of ten
    // thousand profiles entry by entry would otherwise grow with the square of their number.
    MenuEntry& parent = Entry(parentId);
    const size_t start = ArrayStart(parent, firstId);
    const size_t loaded = parent.Children.size() - start;
    if (index < 0 || static_cast<size_t>(index) > loaded) RaiseRuntimeError(RTE_SUBSCRIPT); // loaded in order
    if (static_cast<size_t>(index) < loaded) return parent.Children[start + static_cast<size_t>(index)];
    parent.Children.push_back(Item(firstId + static_cast<UINT>(index), ""));
    return parent.Children.back();
}

int MenuBar::ArrayCount(UINT parentId, UINT firstId) const
{
    const MenuEntry& parent = Entry(parentId);
    return static_cast<int>(parent.Children.size() - ArrayStart(parent, firstId));
}

int EntriesPerMenuColumn(int screenHeight, int entryHeight)
{
    // Two entries' room for the menu's frame and the bar above it; never fewer than ten a column.
    if (entryHeight <= 0) return 10;
    return std::max(10, screenHeight / entryHeight - 2);
}

HMENU MenuBar::Build() const
{
    HMENU bar = CreateMenu();
    AppendEntries(bar, m_entries, INT_MAX,
                  EntriesPerMenuColumn(GetSystemMetrics(SM_CYSCREEN), GetSystemMetrics(SM_CYMENUSIZE)));
    return bar;
}

MenuBar CreateMainMenu()
{
    MenuEntry defaultProfile = Item(IDM_PROFILE_LIST_FIRST, "&Default");
    defaultProfile.Visible = false;
    return MenuBar({
        Sub(IDM_FILE, "&File",
            {
                Item(IDM_FILE_SAVE, "&Save changes"),
                ArrayHolder(IDM_FILE_PROFILES, "&Profiles",
                            {Item(IDM_PROFILE_NEW, "&New..."), Item(IDM_PROFILE_EDIT, "&Edit..."),
                             Item(IDM_PROFILE_DUPLICATE, "&Duplicate..."), Item(IDM_PROFILE_RENAME, "&Rename..."),
                             Item(IDM_PROFILE_DELETE, "De&lete..."), Bar(),
                             defaultProfile}),
                Bar(),
                Item(IDM_FILE_QUIT, "&Quit"),
            }),
        Sub(IDM_EDIT, "&Edit", {Item(IDM_EDIT_COPYCMDLINE, "&Copy commandline to clipboard")}),
        Sub(IDM_EXTRA, "&Extra",
            {
                Item(IDM_EXTRA_CREATESHORTCUT, "&Create shortcut..."),
                Bar(),
                ArrayHolder(IDM_OPTIONS_LANG, "&Language", {Item(IDM_LANG_ITEM_FIRST, "-")}),
                Bar(),
                Sub(IDM_EXTRA_ACCESSORIES, "&Accessories",
                    {Item(IDM_EXTRA_ACCESSORIES_LINGOBENCH, "&Language editor...")}),
                Bar(IDM_EXTRA_BARAFTERACCESSORIES),
                Item(IDM_EXTRA_OPTIONS, "&Options..."),
                Bar(),
                Item(IDM_EXTRA_UPDATE, "&Search for updates..."),
            }),
        Sub(IDM_HELP, "&?",
            {
                Item(IDM_HELP_WEBPAGE, "Vekolaunch &webpage"),
                Item(IDM_HELP_FAQ, "&FAQ"),
                Item(IDM_HELP_FAQ_EN, "&FAQ (english)"),
                Bar(),
                Item(IDM_HELP_FEEDBACK, "&Send feedback..."),
                Bar(),
                Item(IDM_HELP_ABOUT, "Info..."),
            }),
    });
}
