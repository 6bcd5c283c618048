// Child pages and their host.
#include "controls/ChildPages.h"

#include "base/ControlHost.h"

ChildPage::ChildPage(const std::string& templateName, int id) : DialogBase(templateName.c_str()), m_id(id) {}

void ChildPage::OnInit()
{
    SetWindowLongPtrA(Hwnd(), GWLP_ID, m_id);
}

void ChildPage::SetBackColor(COLORREF color)
{
    if (color == m_backColor) return;
    m_backColor = color;
    if (Hwnd()) InvalidateRect(Hwnd(), nullptr, TRUE);
}

void ChildPage::OnCommand(int id, int code, HWND control)
{
    if (HWND host = GetParent(Hwnd())) SendMessageA(host, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

LRESULT ChildPage::OnNotify(NMHDR* header)
{
    HWND host = GetParent(Hwnd());
    return host ? SendMessageA(host, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header)) : 0;
}

void ChildPage::OnOk()
{
    OnCommand(IDOK, BN_CLICKED, nullptr);
}

void ChildPage::OnCancel()
{
    OnCommand(IDCANCEL, BN_CLICKED, nullptr);
}

bool ChildPage::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    switch (msg) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        // The answer is the DC's own brush in the page's colour, a stock object: a control may
        // delete the brush it is given (Wine's link control does after each paint), and a brush
        // of our own would then be gone for every later paint of the page and its controls.
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, m_backColor);
        SetDCBrushColor(dc, m_backColor);
        result = reinterpret_cast<INT_PTR>(GetStockObject(DC_BRUSH));
        return true;
    }
    default:
        return false;
    }
}

void ChildPages::Create(HWND host, const std::vector<std::string>& templateNames, int firstPageId)
{
    CreateLater(host, templateNames, firstPageId);
    for (int i = 0; i < Count(); ++i) CreatePage(i);
}

void ChildPages::CreateLater(HWND host, const std::vector<std::string>& templateNames, int firstPageId)
{
    m_host = host;
    m_pages.clear();
    m_shown = -1;
    for (const std::string& name : templateNames) m_pages.push_back(std::make_unique<ChildPage>(name, firstPageId + Count()));
}

bool ChildPages::CreatePage(int index)
{
    ChildPage& page = Page(index);
    if (page.Hwnd()) return false;
    page.Load(m_host);
    // A new child window goes last among its siblings; it belongs after the nearest loaded page
    // before it, or before the nearest one after it.
    HWND after = nullptr;
    for (int i = index - 1; i >= 0 && !after; --i) after = Page(i).Hwnd();
    if (!after) {
        for (int i = index + 1; i < Count(); ++i) {
            if (HWND next = Page(i).Hwnd()) {
                after = GetWindow(next, GW_HWNDPREV);
                if (!after) after = HWND_TOP;
                break;
            }
        }
    }
    if (after) SetWindowPos(page.Hwnd(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

namespace {
bool IsOptionButton(HWND control)
{
    const LONG_PTR type = GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK;
    return IsWindowOfClass(control, "Button") && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

// Where the focus goes on a page: its first tab stop, or, when that is an option of a group,
// the group's checked option. The focus on an automatic option button checks it, and the
// user's choice would silently become the group's first option.
HWND PageFocusTarget(HWND page)
{
    HWND first = GetNextDlgTabItem(page, nullptr, FALSE);
    if (!first || !IsOptionButton(first)) return first;
    HWND option = first;
    do {
        if (IsOptionButton(option) && SendMessageA(option, BM_GETCHECK, 0, 0) == BST_CHECKED) return option;
        option = GetNextDlgGroupItem(page, option, FALSE);
    } while (option && option != first);
    return first;
}
} // namespace

void ChildPages::Show(int index, const RECT& rect, COLORREF backColor)
{
    HWND focus = GetFocus();
    bool focusHidden = false;
    if (index >= 0 && index < Count()) CreatePage(index);
    for (int i = 0; i < Count(); ++i) {
        ChildPage& page = Page(i);
        if (!page.Hwnd()) continue;
        if (i == index) {
            MoveWindow(page.Hwnd(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
            page.SetBackColor(backColor);
            ShowWindow(page.Hwnd(), SW_SHOW);
        } else {
            if (focus && IsChild(page.Hwnd(), focus)) focusHidden = true;
            ShowWindow(page.Hwnd(), SW_HIDE);
        }
    }
    if (index >= 0 && index < Count()) m_shown = index;
    // A control on a hidden page cannot keep the keyboard focus.
    if (focusHidden && index >= 0 && index < Count()) {
        if (HWND target = PageFocusTarget(Page(index).Hwnd())) SetFocus(target);
    }
}

HWND ChildPages::FindControl(int id) const
{
    for (const auto& page : m_pages) {
        if (!page->Hwnd()) continue;
        if (HWND control = GetDlgItem(page->Hwnd(), id)) return control;
    }
    return nullptr;
}
