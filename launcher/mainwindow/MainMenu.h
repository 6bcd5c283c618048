// The main window's menu bar as data: entries with text, visibility, check mark, enabled
// state and tag, turned into a real menu whenever it changes. Entries the system menu cannot
// hide are simply left out of the built menu.
#pragma once

#include <windows.h>
#include <string>
#include <vector>

struct MenuEntry {
    UINT Id = 0;          // command ID; submenus carry one too, separators 0 unless they can hide
    std::string Text;     // "-" for a separator
    bool Visible = true;
    bool Checked = false;
    bool Enabled = true;
    std::string Tag;      // key of what a control-array entry stands for
    std::vector<MenuEntry> Children;
    bool IsArrayHolder = false; // a submenu whose entries form a control array

    bool IsSeparator() const { return Text == "-" && Children.empty() && !IsArrayHolder; }
    bool operator==(const MenuEntry&) const = default;
};

class MenuBar {
public:
    explicit MenuBar(std::vector<MenuEntry> entries) : m_entries(std::move(entries)) {}

    // The entry with that ID anywhere in the tree; raises "Subscript out of range" when missing.
    MenuEntry& Entry(UINT id);
    const MenuEntry& Entry(UINT id) const;

    void SetText(UINT id, const std::string& text) { Entry(id).Text = text; }
    void SetVisible(UINT id, bool visible) { Entry(id).Visible = visible; }
    void SetChecked(UINT id, bool checked) { Entry(id).Checked = checked; }
    void SetEnabled(UINT id, bool enabled) { Entry(id).Enabled = enabled; }

    // Control arrays: entry index of the array with the first ID, appended to the submenu
    // parentId when it is not loaded yet (entries are loaded on demand, never unloaded).
    MenuEntry& ArrayEntry(UINT parentId, UINT firstId, int index);
    // How many entries of the array are loaded.
    int ArrayCount(UINT parentId, UINT firstId) const;

    // A new menu bar with the visible entries; the caller owns it.
    HMENU Build() const;

    bool operator==(const MenuBar&) const = default;

private:
    std::vector<MenuEntry> m_entries;
};

// How many entries of a menu fit one column on a screen of that height.
int EntriesPerMenuColumn(int screenHeight, int entryHeight);

// The main window's menu with its English texts (the language file replaces them).
MenuBar CreateMainMenu();
