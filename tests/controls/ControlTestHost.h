// A parent window for control tests that records WM_COMMAND notifications, and an off-screen
// canvas to render a control into and read its pixels.
#pragma once

#include <windows.h>
#include <cstdint>
#include <functional>
#include <vector>

namespace controls_test {

struct Notification {
    int Id;
    int Code;
    HWND From;
};

// A hidden top-level window. Its background colour is what it answers to WM_CTLCOLORSTATIC;
// its font (WM_GETFONT) can be set to check that children take it.
class HostWindow {
public:
    explicit HostWindow(COLORREF background = RGB(20, 160, 60)) : m_brush(CreateSolidBrush(background))
    {
        WNDCLASSA wc = {};
        if (!GetClassInfoA(GetModuleHandleA(nullptr), ClassName(), &wc)) {
            wc.lpfnWndProc = WindowProc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
            wc.lpszClassName = ClassName();
            RegisterClassA(&wc);
        }
        m_hwnd = CreateWindowExA(0, ClassName(), "host", WS_OVERLAPPEDWINDOW, 0, 0, 500, 400, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), this);
    }
    ~HostWindow()
    {
        DestroyWindow(m_hwnd);
        DeleteObject(m_brush);
    }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND Hwnd() const { return m_hwnd; }
    void SetFont(HFONT font) { m_font = font; }
    int Count(int id, int code) const
    {
        int count = 0;
        for (const Notification& n : Notifications)
            if (n.Id == id && n.Code == code) ++count;
        return count;
    }

    std::vector<Notification> Notifications;
    // Called at each notification, while the control that sent it waits for the host.
    std::function<void(const Notification&)> WhileNotified;

private:
    static const char* ClassName() { return "VekolaunchControlTestHost"; }
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == WM_NCCREATE)
            SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self) {
            switch (msg) {
            case WM_COMMAND:
                self->Notifications.push_back({LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
                if (self->WhileNotified) self->WhileNotified(self->Notifications.back());
                return 0;
            case WM_CTLCOLORSTATIC: return reinterpret_cast<LRESULT>(self->m_brush);
            case WM_GETFONT: return reinterpret_cast<LRESULT>(self->m_font);
            default: break;
            }
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }

    HWND m_hwnd = nullptr;
    HBRUSH m_brush;
    HFONT m_font = nullptr;
};

// A 32-bit top-down bitmap the size of a window's client area, filled by WM_PRINTCLIENT.
class Canvas {
public:
    explicit Canvas(HWND hwnd)
    {
        RECT client;
        GetClientRect(hwnd, &client);
        m_width = client.right;
        m_height = client.bottom;
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = m_width;
        info.bmiHeader.biHeight = -m_height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_old = SelectObject(m_dc, m_bitmap);
        SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc), PRF_CLIENT | PRF_ERASEBKGND);
        GdiFlush();
    }
    ~Canvas()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF Pixel(int x, int y) const
    {
        uint32_t value = m_bits[static_cast<size_t>(y) * m_width + x];
        return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
    }
    std::vector<uint32_t> Pixels() const
    {
        return std::vector<uint32_t>(m_bits, m_bits + static_cast<size_t>(m_width) * m_height);
    }
    // Whether some pixel of the rectangle differs from the colour.
    bool AnyOtherThan(const RECT& area, COLORREF color) const
    {
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (Pixel(x, y) != color) return true;
        return false;
    }

private:
    int m_width = 0;
    int m_height = 0;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    uint32_t* m_bits = nullptr;
};

} // namespace controls_test
