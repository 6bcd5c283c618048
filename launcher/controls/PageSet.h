// A page set: a row of tabs (ucTab) over a tab area (ucTabArea) with one child page per tab,
// the one of the active tab visible inside the area. The main window's pages are one; the About
// window's two tabs are another in the same arrangement.
#pragma once

#include <windows.h>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "controls/ChildPages.h"
#include "controls/DeferredControlValues.h"
#include "controls/ucTab.h"
#include "controls/ucTabArea.h"

// Left edges of tabs in a row: the first keeps its place, each next one starts one pixel
// after the right edge of the one before.
std::vector<int> TabLefts(int firstLeft, const std::vector<int>& widths);
// The page that Ctrl+Tab or Ctrl+PgDn (the next) or Ctrl+Shift+Tab or Ctrl+PgUp (the one before)
// leads to from the active one, round the ends; -1 for any other key.
int PageForKey(int active, int count, UINT key, bool control, bool shift);
// Where the visible page lies inside the tab area (area in the host's client coordinates).
RECT PageRectInArea(const RECT& area, int dpi);

struct PageSpec {
    std::string Caption;      // the tab's text before translation
    std::string TemplateName; // the page's dialog template
};

// Where a page set's parts go in the host and which control IDs they take.
struct PageSetPlace {
    POINT FirstTab;  // top left corner of the first tab
    int TabHeight;   // TabHeightForText of the host's font
    RECT Area;       // the tab area, touching the tabs' lower edge
    int Dpi;         // the screen's dots per inch, for the page's margins inside the area
    int FirstTabId;  // tab k gets FirstTabId + k
    int AreaId;
    int FirstPageId; // page k gets FirstPageId + k
};

// When a page set's pages are created: all with the set, or each when first shown (a window
// that opens on one page then pays for the others only when they are asked for).
enum class PageCreation { AtOnce, WhenFirstShown };

// Usage: m_pages.Create(Hwnd(), {{"General", "frmAboutPage0"}, {"Credits", "frmAboutPage1"}}, place);
// m_pages.Activate(0); in OnCommand: if (int tab = m_pages.ClickedTab(id, code); tab >= 0) ...;
// after translation: m_pages.SetCaption(k, text) for each tab, then m_pages.LayoutTabs().
class PageSet {
public:
    // Creates the tabs (tab stops: Space on a tab opens its page), the area behind them and
    // the pages, all hidden until the first Activate.
    void Create(HWND host, const std::vector<PageSpec>& pages, const PageSetPlace& place,
                PageCreation creation = PageCreation::AtOnce);
    // Creates the page (0-based) unless it is there; true when this call created it (the host
    // then sets up what it adds to the page). Its controls get the values kept for them.
    bool CreatePage(int index);

    int Count() const { return static_cast<int>(m_tabs.size()); }
    // Makes the tab (0-based) the active one and shows its page in the area.
    void Activate(int index);
    // Shows the page (0-based) in the area without touching the tabs' looks.
    void ShowPage(int index);
    // The active tab, -1 before the first is chosen.
    int ActiveTab() const;
    // The tab whose click this command is, or -1 for any other command.
    int ClickedTab(int id, int code) const;

    void SetCaption(int index, const std::string& caption);
    // Lines the tabs up again after their captions changed their widths.
    void LayoutTabs();

    // A control on any page, nullptr if none has it.
    HWND FindControl(int id) const { return m_pages.FindControl(id); }

    // The values of the controls on the pages: those of a page not created yet are kept until
    // it is, and answered as its controls would answer them.
    std::string Text(int id) const;
    void SetText(int id, const std::string& text);
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);
    // Replaces a list box's or combo box's entries; a list keeps its selection, a combo box its text.
    void SetEntries(int id, const std::vector<std::string>& entries);
    // A list box's selection (combo boxes are read and set by their text).
    int Selection(int id) const;
    void SetSelection(int id, int index);

    ucTab& Tab(int index) { return *m_tabs.at(static_cast<size_t>(index)); }
    ucTabArea& Area() { return m_area; }
    ChildPage& Page(int index) { return m_pages.Page(index); }

private:
    HWND m_host = nullptr;
    std::vector<std::unique_ptr<ucTab>> m_tabs;
    ucTabArea m_area;
    ChildPages m_pages;
    DeferredControlValues m_deferred;
    int m_firstTabId = 0;
    int m_dpi = 96;
};
