// Windows without a non-client area, which need no WM_NCPAINT.
#pragma once

#include <windows.h>

// Whether nothing of the window lies outside its client area (no frame, border, caption, menu
// bar or scroll bar). WM_NCPAINT then has nothing to draw, while the system's default handling
// still takes a device context of the whole window for it; under Wine that costs about as much
// as painting a small control.
inline bool HasNoNonClientArea(HWND hwnd)
{
    RECT window = {};
    RECT client = {};
    return GetWindowRect(hwnd, &window) && GetClientRect(hwnd, &client) &&
           window.right - window.left == client.right && window.bottom - window.top == client.bottom;
}
