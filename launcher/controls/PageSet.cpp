// Tabs, tab area and pages.
#include "controls/PageSet.h"

#include "base/ControlHost.h"
#include "base/mFunctions.h"

std::vector<int> TabLefts(int firstLeft, const std::vector<int>& widths)
{
    std::vector<int> lefts;
    int left = firstLeft;
    for (int width : widths) {
        lefts.push_back(left);
        left += width + 1;
    }
    return lefts;
}

int PageForKey(int active, int count, UINT key, bool control, bool shift)
{
    if (!control || count <= 0) return -1;
    int step = 0;
    if (key == VK_TAB) step = shift ? -1 : 1;
    else if (key == VK_NEXT && !shift) step = 1;
    else if (key == VK_PRIOR && !shift) step = -1;
    if (step == 0) return -1;
    return ((active < 0 ? 0 : active) + step + count) % count;
}

RECT PageRectInArea(const RECT& area, int dpi)
{
    const int left = area.left + ScaleForDpi(6, dpi);
    const int top = area.top + ScaleForDpi(10, dpi);
    const int width = (area.right - area.left) - ScaleForDpi(12, dpi);
    const int height = (area.bottom - area.top) - ScaleForDpi(17, dpi);
    return RECT{left, top, left + width, top + height};
}

void PageSet::Create(HWND host, const std::vector<PageSpec>& pages, const PageSetPlace& place, PageCreation creation)
{
    m_host = host;
    m_firstTabId = place.FirstTabId;
    m_dpi = place.Dpi;
    m_tabs.clear();
    int left = place.FirstTab.x;
    std::vector<std::string> templates;
    for (const PageSpec& page : pages) {
        auto tab = std::make_unique<ucTab>();
        tab->Create(host, place.FirstTabId + Count(),
                    RECT{left, place.FirstTab.y, left + 1, place.FirstTab.y + place.TabHeight}, page.Caption,
                    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP);
        left = tab->Left() + tab->Width() + 1;
        m_tabs.push_back(std::move(tab));
        templates.push_back(page.TemplateName);
    }
    m_area.Create(host, place.AreaId, place.Area);
    if (creation == PageCreation::AtOnce) m_pages.Create(host, templates, place.FirstPageId);
    else m_pages.CreateLater(host, templates, place.FirstPageId);
    m_area.SendToBack();
}

bool PageSet::CreatePage(int index)
{
    if (!m_pages.CreatePage(index)) return false;
    // The area stays behind every page.
    m_area.SendToBack();
    m_deferred.ApplyTo(m_pages.Page(index).Hwnd());
    return true;
}

void PageSet::Activate(int index)
{
    for (int i = 0; i < Count(); ++i) Tab(i).SetIsActive(i == index);
    ShowPage(index);
}

void PageSet::ShowPage(int index)
{
    if (index >= 0 && index < Count()) CreatePage(index);
    m_pages.Show(index, PageRectInArea(RectInParent(m_area.Hwnd(), m_host), m_dpi), m_area.BackColor());
}

int PageSet::ActiveTab() const
{
    for (int i = 0; i < Count(); ++i) {
        if (m_tabs[static_cast<size_t>(i)]->IsActive()) return i;
    }
    return -1;
}

int PageSet::ClickedTab(int id, int code) const
{
    if (code != UCTAB_CLICK || id < m_firstTabId || id >= m_firstTabId + Count()) return -1;
    return id - m_firstTabId;
}

void PageSet::SetCaption(int index, const std::string& caption)
{
    Tab(index).SetCaption(caption);
}

void PageSet::LayoutTabs()
{
    if (m_tabs.empty()) return;
    std::vector<int> widths;
    for (int i = 0; i < Count(); ++i) widths.push_back(Tab(i).Width());
    const std::vector<int> lefts = TabLefts(Tab(0).Left(), widths);
    for (int i = 1; i < Count(); ++i) Tab(i).SetLeft(lefts[static_cast<size_t>(i)]);
}

std::string PageSet::Text(int id) const
{
    if (HWND control = FindControl(id)) return WindowText(control);
    return m_deferred.Text(id);
}

void PageSet::SetText(int id, const std::string& text)
{
    if (HWND control = FindControl(id)) SetWindowTextA(control, text.c_str());
    else m_deferred.SetText(id, text);
}

bool PageSet::IsChecked(int id) const
{
    if (HWND control = FindControl(id)) return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return m_deferred.IsChecked(id);
}

void PageSet::SetChecked(int id, bool checked)
{
    if (HWND control = FindControl(id)) SendMessageA(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    else m_deferred.SetChecked(id, checked);
}

void PageSet::SetEntries(int id, const std::vector<std::string>& entries)
{
    if (HWND control = FindControl(id)) ReplaceEntries(control, entries);
    else m_deferred.SetEntries(id, entries);
}

int PageSet::Selection(int id) const
{
    if (HWND control = FindControl(id)) return static_cast<int>(SendMessageA(control, LB_GETCURSEL, 0, 0));
    return m_deferred.Selection(id);
}

void PageSet::SetSelection(int id, int index)
{
    if (HWND control = FindControl(id)) SendMessageA(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    else m_deferred.SetSelection(id, index);
}
