// Base of custom-drawn controls and top-level windows that are not dialogs: WM_NCCREATE
// stores `this`, HandleMessage of the derived class gets every later message. A control that
// draws itself chooses its painting (PaintStyle) and draws in Paint: WM_PAINT, WM_PRINTCLIENT
// and WM_ERASEBKGND then never reach HandleMessage.
#pragma once

#include <windows.h>
#include <algorithm>
#include <string>

#include "base/NonClientPaint.h"
#include "base/ScopedWin.h"
#include "base/mError.h"

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

    // Draws the whole control into dc; what WM_PAINT and WM_PRINTCLIENT show.
    virtual void Paint(HDC dc) {}

protected:
    enum class PaintStyle {
        System,   // the window class paints (no custom drawing)
        Direct,   // Paint draws straight into the paint DC
        Buffered, // Paint draws off screen first, so that changes do not flicker
    };
    virtual PaintStyle Painting() const { return PaintStyle::System; }

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

    void PaintWindow()
    {
        ScopedPaint dc(m_hwnd);
        if (Painting() == PaintStyle::Direct) {
            Paint(dc);
            return;
        }
        RECT client;
        GetClientRect(m_hwnd, &client);
        ScopedMemDC memory(dc);
        ScopedGdiObj<HBITMAP> bitmap(
            CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)));
        ScopedSelectObject select(memory, bitmap.Get());
        Paint(memory);
        BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    }

    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == WM_NCPAINT && HasNoNonClientArea(m_hwnd)) return 0;
        if (Painting() != PaintStyle::System) {
            switch (msg) {
            case WM_PAINT: PaintWindow(); return 0;
            case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
            case WM_ERASEBKGND: return 1; // Paint fills everything
            default: break;
            }
        }
        return HandleMessage(msg, wParam, lParam);
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
        // No failure may leave a window procedure: report what the handlers did not.
        try {
            result = self->Dispatch(msg, wParam, lParam);
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
