// Base of custom-drawn controls and top-level windows that are not dialogs: WM_NCCREATE
// stores `this`, HandleMessage of the derived class gets every later message.
#pragma once

#include <windows.h>

#include "core/mError.h"

template <typename Derived>
class BaseWindow {
public:
    BaseWindow() = default;
    virtual ~BaseWindow()
    {
        if (m_hwnd) {
            SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, 0);
            DestroyWindow(m_hwnd);
        }
    }
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;

    HWND Hwnd() const { return m_hwnd; }

    bool Create(HWND parent, int id, const RECT& rect, DWORD style = WS_CHILD | WS_VISIBLE, DWORD exStyle = 0,
                const char* text = "")
    {
        RegisterOnce();
        CreateWindowExA(exStyle, Derived::ClassName(), text, style, rect.left, rect.top, rect.right - rect.left,
                        rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        GetModuleHandleA(nullptr), this);
        return m_hwnd != nullptr;
    }

protected:
    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) { return DefWindowProcA(m_hwnd, msg, wParam, lParam); }

    HWND m_hwnd = nullptr;

private:
    static void RegisterOnce()
    {
        WNDCLASSA existing;
        if (GetClassInfoA(GetModuleHandleA(nullptr), Derived::ClassName(), &existing)) return;
        WNDCLASSA wc = {};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = Derived::ClassName();
        RegisterClassA(&wc);
    }

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        BaseWindow* self = nullptr;
        if (msg == WM_NCCREATE) {
            self = static_cast<BaseWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
            self->m_hwnd = hwnd;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<BaseWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        }
        if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
        LRESULT result = 0;
        try {
            result = self->HandleMessage(msg, wParam, lParam);
        } catch (...) {
            ShowError(std::string(Derived::ClassName()) + ".WindowProc");
        }
        if (msg == WM_NCDESTROY) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            self->m_hwnd = nullptr;
        }
        return result;
    }
};
