// Skipping WM_NCPAINT for the system's controls without a non-client area.
#include "base/NonClientPaint.h"

#include <commctrl.h>

namespace {
LRESULT CALLBACK EmptyNonClientProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR)
{
    if (msg == WM_NCPAINT && HasNoNonClientArea(hwnd)) return 0; // checked each time: scroll bars may come
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, EmptyNonClientProc, id);
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

bool IsProgramClass(HWND hwnd)
{
    return reinterpret_cast<HINSTANCE>(GetClassLongPtrA(hwnd, GCLP_HMODULE)) == GetModuleHandleA(nullptr);
}
} // namespace

void SkipEmptyNonClientPaint(HWND dialog)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (HasNoNonClientArea(child) && !IsProgramClass(child)) SetWindowSubclass(child, EmptyNonClientProc, 1, 0);
    }
}
