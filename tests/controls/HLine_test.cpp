// The separator line: its fixed height, the two lines it draws and its background colour.
#include <gtest/gtest.h>

#include "base/ControlHost.h"
#include "base/ScopedWin.h"
#include "controls/HLine.h"
#include "support/TestEnvironment.h"

class SeparatorLine : public testing::Test {
protected:
    void SetUp() override
    {
        m_host = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
        RECT rect = {5, 30, 205, 80};
        ASSERT_TRUE(m_line.Create(m_host, 5, rect));
    }
    void TearDown() override { DestroyWindow(m_host); }

    SIZE Size() const
    {
        RECT rect;
        GetWindowRect(m_line.Hwnd(), &rect);
        return {rect.right - rect.left, rect.bottom - rect.top};
    }
    // The colour of a pixel of the line as it paints itself.
    COLORREF Pixel(int x, int y) const
    {
        const SIZE size = Size();
        ScopedGetDC screen(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        ScopedGdiObj<HBITMAP> bitmap(CreateCompatibleBitmap(screen, size.cx, size.cy));
        COLORREF color;
        {
            ScopedSelectObject select(dc, bitmap.Get());
            SendMessageA(m_line.Hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
            color = GetPixel(dc, x, y);
        }
        DeleteDC(dc);
        return color;
    }

    HWND m_host = nullptr;
    HLine m_line;
};

TEST_F(SeparatorLine, AlwaysTwentyPixelsHigh)
{
    EXPECT_EQ(Size().cx, 200);
    EXPECT_EQ(Size().cy, 20);
    MoveWindow(m_line.Hwnd(), 0, 0, 120, 3, TRUE);
    EXPECT_EQ(Size().cx, 120);
    EXPECT_EQ(Size().cy, 20);
}

TEST_F(SeparatorLine, ShadowAboveHighlightAcrossTheWidth)
{
    for (int x : {0, 100, 199}) {
        EXPECT_EQ(Pixel(x, 10), GetSysColor(COLOR_BTNSHADOW)) << x;
        EXPECT_EQ(Pixel(x, 11), GetSysColor(COLOR_3DHILIGHT)) << x;
    }
    EXPECT_EQ(Pixel(50, 9), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(Pixel(50, 12), GetSysColor(COLOR_BTNFACE));
}

TEST_F(SeparatorLine, BackColor)
{
    EXPECT_EQ(m_line.BackColor(), GetSysColor(COLOR_BTNFACE));
    m_line.SetBackColor(RGB(224, 224, 224));
    EXPECT_EQ(m_line.BackColor(), RGB(224, 224, 224));
    EXPECT_EQ(Pixel(50, 3), RGB(224, 224, 224));
    EXPECT_EQ(Pixel(50, 10), GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(SeparatorLine, TakesThePlaceOfAPlaceholder)
{
    HWND first = CreateWindowExA(0, "BUTTON", "a", WS_CHILD | WS_TABSTOP, 0, 0, 10, 10, m_host,
                                 reinterpret_cast<HMENU>(1), nullptr, nullptr);
    HWND placeholder = CreateWindowExA(0, "STATIC", "", WS_CHILD, 10, 100, 150, 7, m_host,
                                       reinterpret_cast<HMENU>(9), nullptr, nullptr);
    HLine line;
    ASSERT_TRUE(PlaceAtPlaceholder(line, m_host, 9));
    EXPECT_FALSE(IsWindow(placeholder));
    EXPECT_EQ(GetDlgItem(m_host, 9), line.Hwnd());
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), line.Hwnd()); // same place in the tab order
    const RECT rect = RectInParent(line.Hwnd(), m_host);
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.top, 100);
    EXPECT_EQ(rect.right, 160);
    EXPECT_EQ(rect.bottom, 120);
}
