// ucTabArea: a framed rectangle that fills the control and lies behind its siblings.
#include "controls/ucTabArea.h"

#include "base/ScopedWin.h"

SIZE TabAreaShapeSize(SIZE previous, SIZE inner)
{
    return SIZE{inner.cx > 0 ? inner.cx : previous.cx, inner.cy > 0 ? inner.cy : previous.cy};
}

bool ucTabArea::Create(HWND parent, int id, const RECT& rect, DWORD style)
{
    if (!BaseWindow::Create(parent, id, rect, style)) return false;
    SendToBack();
    return true;
}

// The pages are placed on top of the area; it must never cover them.
void ucTabArea::SendToBack()
{
    SetWindowPos(m_hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ucTabArea::SetBorderColor(COLORREF color)
{
    m_borderColor = color;
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void ucTabArea::SetBackColor(COLORREF color)
{
    m_backColor = color;
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void ucTabArea::UserControl_Resize(int width, int height)
{
    m_shape = TabAreaShapeSize(m_shape, SIZE{width, height});
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void ucTabArea::Paint(HDC dc)
{
    RECT client;
    GetClientRect(m_hwnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    ScopedGdiObj<HPEN> pen(CreatePen(PS_INSIDEFRAME, 1, m_borderColor));
    ScopedGdiObj<HBRUSH> fill(CreateSolidBrush(m_backColor));
    ScopedSelectObject selectPen(dc, pen.Get());
    ScopedSelectObject selectBrush(dc, fill.Get());
    Rectangle(dc, 0, 0, m_shape.cx, m_shape.cy);
}

LRESULT ucTabArea::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_SIZE: UserControl_Resize(LOWORD(lParam), HIWORD(lParam)); return 0;
    default: return DefaultProc(msg, wParam, lParam);
    }
}
