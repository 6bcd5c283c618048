// ucTab: one custom-drawn tab that sizes itself to its caption and reports clicks.
#include "controls/ucTab.h"

#include <windowsx.h>
#include <algorithm>
#include <utility>

#include "base/ControlHost.h"
#include "base/ScopedWin.h"

namespace {
constexpr UINT CAPTION_FORMAT = DT_LEFT | DT_TOP | DT_SINGLELINE;
} // namespace

int TabWidthForLabel(int labelWidth)
{
    return 2 * UCTAB_LABEL_LEFT + labelWidth;
}

TabLook TabLookFor(bool active, int innerHeight)
{
    if (active) return TabLook{2, 2, 6, innerHeight + 5};
    return TabLook{1, 4, 8, innerHeight - 4};
}

int TabHeightForText(int textHeight)
{
    return TabLookFor(false, 0).LabelTop + textHeight + 4;
}

bool ucTab::Create(HWND parent, int id, const RECT& rect, const std::string& caption, DWORD style)
{
    m_font = WindowFont(parent);
    // Created at its caption's width, so that its first WM_SIZE finds it sized.
    RECT sized = rect;
    sized.right = sized.left + TabWidthForLabel(MeasureText(caption).cx);
    if (!BaseWindow::Create(parent, id, sized, style, 0, caption.c_str())) return false;
    UserControl_Resize();
    return true;
}

std::string ucTab::Caption() const
{
    return WindowText(m_hwnd);
}

void ucTab::SetCaption(const std::string& caption)
{
    SetWindowTextA(m_hwnd, caption.c_str()); // WM_SETTEXT sizes the tab again
}

void ucTab::SetIsActive(bool active)
{
    m_blnActive = active;
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

int ucTab::Left() const
{
    return RectInParent(m_hwnd, GetParent(m_hwnd)).left;
}

int ucTab::Width() const
{
    RECT rect;
    GetWindowRect(m_hwnd, &rect);
    return rect.right - rect.left;
}

void ucTab::SetLeft(int left)
{
    const RECT rect = RectInParent(m_hwnd, GetParent(m_hwnd));
    SetWindowPos(m_hwnd, nullptr, left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int ucTab::LabelWidth() const
{
    return MeasureCaption().cx;
}

int ucTab::LabelHeight() const
{
    return MeasureCaption().cy;
}

SIZE ucTab::MeasureCaption() const
{
    return MeasureText(Caption());
}

SIZE ucTab::MeasureText(const std::string& caption) const
{
    // A memory DC measures as the screen does, without the window's visible region, which the
    // window system works out for every DC of a window.
    ScopedMemDC dc(nullptr);
    ScopedSelectObject font(dc, m_font);
    RECT rect = {0, 0, 0, 0};
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, CAPTION_FORMAT | DT_CALCRECT);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    // An empty caption still has the height of a line.
    return SIZE{rect.right - rect.left, std::max<LONG>(rect.bottom - rect.top, metrics.tmHeight)};
}

// The tab is exactly as wide as its caption plus equal margins; the host keeps its height.
void ucTab::UserControl_Resize()
{
    RECT client;
    GetClientRect(m_hwnd, &client);
    int width = TabWidthForLabel(LabelWidth());
    if (client.right != width) {
        // The WM_SIZE this causes runs the calculation again and reports there.
        SetWindowPos(m_hwnd, nullptr, 0, 0, width, client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    InvalidateRect(m_hwnd, nullptr, FALSE);
    NotifyHost(m_hwnd, UCTAB_RESIZE);
}

void ucTab::RaiseClick()
{
    HWND self = m_hwnd;
    NotifyHost(m_hwnd, UCTAB_CLICK); // before the tab turns active
    if (IsWindow(self) && m_hwnd == self) SetIsActive(true);
}

void ucTab::Paint(HDC dc)
{
    RECT client;
    GetClientRect(m_hwnd, &client);
    FillRect(dc, &client, ParentBackground(m_hwnd, dc));

    TabLook look = TabLookFor(m_blnActive, client.bottom);
    ScopedGdiObj<HPEN> pen(CreatePen(PS_INSIDEFRAME, look.BorderWidth, UCTAB_BORDER_COLOR));
    ScopedGdiObj<HBRUSH> fill(CreateSolidBrush(UCTAB_FILL_COLOR));
    {
        ScopedSelectObject selectPen(dc, pen.Get());
        ScopedSelectObject selectBrush(dc, fill.Get());
        Rectangle(dc, 0, look.BoxTop, client.right, look.BoxTop + look.BoxHeight);
    }

    ScopedSelectObject font(dc, m_font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    std::string caption = Caption();
    RECT label = {UCTAB_LABEL_LEFT, look.LabelTop, client.right, client.bottom};
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &label, CAPTION_FORMAT);

    if (GetFocus() == m_hwnd && !(SendMessageA(m_hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
        RECT focus = {UCTAB_LABEL_LEFT - 2, look.LabelTop - 1, client.right - UCTAB_LABEL_LEFT + 2,
                      look.LabelTop + LabelHeight() + 1};
        DrawFocusRect(dc, &focus);
    }
}

LRESULT ucTab::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SIZE: UserControl_Resize(); return 0;
    case WM_SETTEXT: {
        LRESULT result = DefaultProc(msg, wParam, lParam);
        UserControl_Resize();
        return result;
    }
    case WM_SETFONT:
        m_font = wParam ? reinterpret_cast<HFONT>(wParam) : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        UserControl_Resize();
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(m_font);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (GetWindowLongPtrA(m_hwnd, GWL_STYLE) & WS_TABSTOP) SetFocus(m_hwnd);
        m_pressed = true;
        SetCapture(m_hwnd);
        return 0;
    case WM_LBUTTONUP: {
        bool wasPressed = std::exchange(m_pressed, false);
        if (GetCapture() == m_hwnd) ReleaseCapture();
        RECT client;
        GetClientRect(m_hwnd, &client);
        POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (wasPressed && PtInRect(&client, point)) RaiseClick();
        return 0;
    }
    case WM_CAPTURECHANGED: m_pressed = false; return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE) RaiseClick();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return DefaultProc(msg, wParam, lParam);
    default: return DefaultProc(msg, wParam, lParam);
    }
}
