// Window text, host notifications and placeholders.
#include "base/ControlHost.h"

#include "base/ScopedWin.h"
#include "base/mError.h"

std::string WindowText(HWND hwnd)
{
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

HBRUSH ParentBackground(HWND control, HDC dc)
{
    HWND parent = GetParent(control);
    HBRUSH brush = parent ? reinterpret_cast<HBRUSH>(SendMessageA(parent, WM_CTLCOLORSTATIC,
                                                                  reinterpret_cast<WPARAM>(dc),
                                                                  reinterpret_cast<LPARAM>(control)))
                          : nullptr;
    return brush ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

void NotifyHost(HWND control, WORD code)
{
    HWND host = GetParent(control);
    if (!host) return;
    SendMessageA(host, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
}

bool IsWindowOfClass(HWND hwnd, const char* className)
{
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    return lstrcmpiA(name, className) == 0;
}

bool IsDialogWindow(HWND hwnd)
{
    return IsWindowOfClass(hwnd, "#32770") || (GetClassLongPtrA(hwnd, GCL_CBWNDEXTRA) >= DLGWINDOWEXTRA &&
                                                GetWindowLongPtrA(hwnd, DWLP_DLGPROC) != 0);
}

LRESULT AskHost(HWND control, UINT code, NMHDR& header)
{
    HWND host = GetParent(control);
    if (!host) return 0;
    header.hwndFrom = control;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    header.code = code;
    const bool dialog = IsDialogWindow(host);
    if (dialog) SetWindowLongPtrA(host, DWLP_MSGRESULT, 0);
    const LRESULT result = SendMessageA(host, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    return dialog ? GetWindowLongPtrA(host, DWLP_MSGRESULT) : result;
}

RECT PlaceholderRect(HWND dialog, int id)
{
    HWND placeholder = GetDlgItem(dialog, id);
    if (!placeholder) RaiseRuntimeError(RTE_OBJECT_NOT_SET);
    return RectInParent(placeholder, dialog);
}

RECT RectInParent(HWND window, HWND parent)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ReplacePlaceholder(HWND dialog, int id, HWND control)
{
    HWND placeholder = nullptr;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child != control && GetDlgCtrlID(child) == id) placeholder = child;
    }
    if (!placeholder) return;
    SetWindowPos(control, placeholder, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DestroyWindow(placeholder);
}

HFONT WindowFont(HWND hwnd)
{
    const HFONT font = hwnd ? reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)) : nullptr;
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

ScopedGdiObj<HFONT> DerivedFont(HFONT font, const FontChange& change)
{
    LOGFONTA look = {};
    GetObjectA(font, sizeof(look), &look);
    look.lfHeight *= change.HeightTimes;
    if (change.Bold) look.lfWeight = FW_BOLD;
    if (change.Underline) look.lfUnderline = TRUE;
    return ScopedGdiObj<HFONT>(CreateFontIndirectA(&look));
}

int FontLineHeight(HWND hwnd)
{
    const HFONT font = WindowFont(hwnd);
    ScopedGetDC dc(hwnd);
    ScopedSelectObject select(dc, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    return metrics.tmHeight;
}
