// The tab area: its rectangle's size rule, colours and place behind the pages.
#include <gtest/gtest.h>

#include "controls/ControlTestHost.h"
#include "controls/ucTabArea.h"

using controls_test::Canvas;
using controls_test::HostWindow;

TEST(TabAreaGeometry, ZeroSizeKeepsThePreviousSizeInThatDirection)
{
    struct Case {
        SIZE previous, inner, expected;
    };
    const Case cases[] = {
        {{0, 0}, {300, 200}, {300, 200}},
        {{300, 200}, {0, 150}, {300, 150}},
        {{300, 200}, {120, 0}, {120, 200}},
        {{300, 200}, {0, 0}, {300, 200}},
        {{300, 200}, {-5, 40}, {300, 40}},
    };
    for (const Case& c : cases) {
        SIZE size = TabAreaShapeSize(c.previous, c.inner);
        EXPECT_EQ(size.cx, c.expected.cx) << c.inner.cx << "x" << c.inner.cy;
        EXPECT_EQ(size.cy, c.expected.cy) << c.inner.cx << "x" << c.inner.cy;
    }
}

class TabAreaControl : public testing::Test {
protected:
    HostWindow host;
    ucTabArea area;
    void SetUp() override { ASSERT_TRUE(area.Create(host.Hwnd(), 4200, RECT{5, 30, 305, 230})); }
};

TEST_F(TabAreaControl, RectangleFollowsTheControlButNotToZero)
{
    EXPECT_EQ(area.ShapeSize().cx, 300);
    EXPECT_EQ(area.ShapeSize().cy, 200);
    SetWindowPos(area.Hwnd(), nullptr, 0, 0, 0, 120, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(area.ShapeSize().cx, 300);
    EXPECT_EQ(area.ShapeSize().cy, 120);
    SetWindowPos(area.Hwnd(), nullptr, 0, 0, 250, 0, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(area.ShapeSize().cx, 250);
    EXPECT_EQ(area.ShapeSize().cy, 120);
}

TEST_F(TabAreaControl, DrawsAFramedRectangleInItsColours)
{
    EXPECT_EQ(area.BorderColor(), RGB(128, 128, 128));
    EXPECT_EQ(area.BackColor(), RGB(224, 224, 224));
    {
        Canvas canvas(area.Hwnd());
        EXPECT_EQ(canvas.Pixel(0, 0), RGB(128, 128, 128));
        EXPECT_EQ(canvas.Pixel(299, 199), RGB(128, 128, 128));
        EXPECT_EQ(canvas.Pixel(150, 0), RGB(128, 128, 128));
        EXPECT_EQ(canvas.Pixel(1, 1), RGB(224, 224, 224));
        EXPECT_EQ(canvas.Pixel(150, 100), RGB(224, 224, 224));
    }
    area.SetBorderColor(RGB(0, 0, 255));
    area.SetBackColor(RGB(255, 255, 0));
    Canvas canvas(area.Hwnd());
    EXPECT_EQ(canvas.Pixel(0, 100), RGB(0, 0, 255));
    EXPECT_EQ(canvas.Pixel(150, 100), RGB(255, 255, 0));
}

TEST_F(TabAreaControl, LiesBehindThePagesPlacedOnIt)
{
    HWND page = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 11, 40, 288, 183, host.Hwnd(), nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    area.SendToBack();
    EXPECT_EQ(GetWindow(host.Hwnd(), GW_CHILD), page);
    EXPECT_EQ(GetWindow(page, GW_HWNDNEXT), area.Hwnd());
    POINT inside = {150, 100};
    EXPECT_EQ(ChildWindowFromPointEx(host.Hwnd(), inside, CWP_SKIPINVISIBLE), page);
    DestroyWindow(page);
}
