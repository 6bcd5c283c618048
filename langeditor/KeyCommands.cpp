// The subclass that turns a key of a control into a command of its window.
#include "langeditor/KeyCommands.h"

#include <commctrl.h>

namespace {

constexpr WORD ACCELERATOR_CODE = 1;

LRESULT CALLBACK KeyCommandProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR key, DWORD_PTR command)
{
    switch (msg) {
    case WM_GETDLGCODE:
        // The dialog would otherwise take Esc for its Cancel before the control sees it.
        if (lParam && reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN &&
            reinterpret_cast<const MSG*>(lParam)->wParam == key)
            return DefSubclassProc(hwnd, msg, wParam, lParam) | DLGC_WANTMESSAGE;
        break;
    case WM_KEYDOWN:
        if (wParam != key) break;
        SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), ACCELERATOR_CODE), 0);
        return 0;
    case WM_CHAR:
        // The character the key types (Esc has one) would reach the control after the command.
        if (wParam != 0 && wParam == MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_CHAR)) return 0;
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, KeyCommandProc, key);
        break;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

} // namespace

void SendKeyAsCommand(HWND control, UINT virtualKey, int commandId)
{
    SetWindowSubclass(control, KeyCommandProc, virtualKey, static_cast<DWORD_PTR>(commandId));
}
