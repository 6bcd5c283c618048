// The separator line control.
#include "controls/HLine.h"

#include "base/ControlHost.h"
#include "base/ScopedWin.h"
#include "base/mError.h"

COLORREF HLine::BackColor() const
{
    return PassErrors("HLine.BackColor", [&] {
        return m_backColor == CLR_INVALID ? GetSysColor(COLOR_BTNFACE) : m_backColor;
    });
}

void HLine::SetBackColor(COLORREF color)
{
    PassErrors("HLine.BackColor", [&] {
        m_backColor = color;
        if (m_hwnd) InvalidateRect(m_hwnd, nullptr, TRUE);
    });
}

LRESULT HLine::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: SetWindowPos(m_hwnd, nullptr, 0, 0, reinterpret_cast<CREATESTRUCTA*>(lParam)->cx, LINE_HEIGHT,
                                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE); return 0;
    case WM_WINDOWPOSCHANGING: UserControl_Resize(reinterpret_cast<WINDOWPOS*>(lParam)); return 0;
    case WM_SIZE: InvalidateRect(m_hwnd, nullptr, FALSE); return 0;
    case WM_NCHITTEST: return HTTRANSPARENT; // a line takes no clicks
    default: return DefaultProc(msg, wParam, lParam);
    }
}

// Whatever height the host gives it, the line keeps its own.
void HLine::UserControl_Resize(WINDOWPOS* pos) const
{
    ShowErrors("HLine.UserControl_Resize", [&] { if (!(pos->flags & SWP_NOSIZE)) pos->cy = LINE_HEIGHT; });
}

void HLine::Paint(HDC dc)
{
    RECT client;
    GetClientRect(m_hwnd, &client);
    // Unless told otherwise the line lies on whatever its parent shows (a tab page's grey too).
    if (m_backColor == CLR_INVALID) {
        FillRect(dc, &client, ParentBackground(m_hwnd, dc));
    } else {
        ScopedGdiObj<HBRUSH> back(CreateSolidBrush(m_backColor));
        FillRect(dc, &client, back.Get());
    }
    RECT shadow = {0, 10, client.right, 11};
    RECT highlight = {0, 11, client.right, 12};
    FillRect(dc, &shadow, GetSysColorBrush(COLOR_BTNSHADOW));
    FillRect(dc, &highlight, GetSysColorBrush(COLOR_3DHILIGHT));
}
