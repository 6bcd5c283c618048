// A page of the main window.
#include "mainwindow/frmMainPage.h"

#include "mainwindow/frmMain_res.h"

namespace {
std::string PageTemplateName(int index)
{
    return "frmMainPage" + std::to_string(index);
}
} // namespace

frmMainPage::frmMainPage(int index) : DialogBase(PageTemplateName(index).c_str()), m_index(index) {}

void frmMainPage::OnInit()
{
    SetWindowLongPtrA(Hwnd(), GWLP_ID, IDC_MAIN_PAGE0 + m_index);
    SetBackColor(m_backColor);
}

void frmMainPage::SetBackColor(COLORREF color)
{
    m_backColor = color;
    m_backBrush.Reset(CreateSolidBrush(color));
    if (Hwnd()) InvalidateRect(Hwnd(), nullptr, TRUE);
}

void frmMainPage::OnCommand(int id, int code, HWND control)
{
    HWND parent = GetParent(Hwnd());
    if (parent) SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

bool frmMainPage::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    switch (msg) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        SetBkColor(reinterpret_cast<HDC>(wParam), m_backColor);
        result = reinterpret_cast<INT_PTR>(m_backBrush.Get());
        return true;
    default:
        return false;
    }
}
