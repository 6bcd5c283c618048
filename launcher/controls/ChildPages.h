// Child pages: one child dialog per page, each made from its own template, lying in one place
// of a host window with at most one of them visible. The controls on a page belong to the
// host: their commands and notifications go to it as if they were its own. Tabs (PageSet) and
// a wizard's steps both show their pages this way.
#pragma once

#include <windows.h>
#include <memory>
#include <string>
#include <vector>

#include "base/DialogBase.h"

// One page: a child window from a template with DS_CONTROL | WS_CHILD (not visible).
class ChildPage : public DialogBase {
public:
    ChildPage(const std::string& templateName, int id);

    COLORREF BackColor() const { return m_backColor; }
    void SetBackColor(COLORREF color);

protected:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT OnNotify(NMHDR* header) override;
    // Enter and Escape on a page are the host's OK and Cancel.
    void OnOk() override;
    void OnCancel() override;
    // A page cannot be closed on its own.
    void OnClose() override {}
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    int m_id;
    COLORREF m_backColor = GetSysColor(COLOR_BTNFACE);
};

// Usage: pages.Create(hwnd, {"frmWizardStep1", "frmWizardStep2"}, IDC_STEP_PAGE0);
// pages.Show(1, rect); HWND edit = pages.FindControl(IDC_STEP2_NAME);
class ChildPages {
public:
    // Loads one hidden page per template as children of the host; page k gets the control ID
    // firstPageId + k.
    void Create(HWND host, const std::vector<std::string>& templateNames, int firstPageId);
    // The same pages, none of them loaded yet: each is loaded when first shown or asked for.
    void CreateLater(HWND host, const std::vector<std::string>& templateNames, int firstPageId);
    // Loads the page (0-based) unless it is loaded already; true when this call loaded it. In
    // the host's z-order, and so in its tab order, it takes the place among the other pages it
    // would have had if all had been loaded at once.
    bool CreatePage(int index);

    int Count() const { return static_cast<int>(m_pages.size()); }
    ChildPage& Page(int index) { return *m_pages.at(static_cast<size_t>(index)); }
    const ChildPage& Page(int index) const { return *m_pages.at(static_cast<size_t>(index)); }
    // Shows the page (0-based) in the rectangle of the host's client area, in the colour given,
    // loading it first if need be, and hides every other. The keyboard focus on a page that goes
    // moves to the first tab stop of the one shown.
    void Show(int index, const RECT& rect, COLORREF backColor);
    // The page shown, -1 before the first Show.
    int Shown() const { return m_shown; }
    // A control on any of the pages, nullptr if none has it.
    HWND FindControl(int id) const;

private:
    HWND m_host = nullptr;
    std::vector<std::unique_ptr<ChildPage>> m_pages;
    int m_shown = -1;
};
