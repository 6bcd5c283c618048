// The tab control: geometry, sizing from the caption, clicks and the active look.
#include <gtest/gtest.h>

#include <windowsx.h>

#include "base/ScopedWin.h"
#include "controls/ControlTestHost.h"
#include "controls/ucTab.h"

using controls_test::Canvas;
using controls_test::HostWindow;

namespace {
constexpr int TAB_ID = 4100;
constexpr int TAB_HEIGHT = 25;
constexpr COLORREF HOST_BACK = RGB(20, 160, 60);

RECT TabRect(int left = 10)
{
    return RECT{left, 10, left + 40, 10 + TAB_HEIGHT};
}

void ClickAt(HWND hwnd, int x, int y)
{
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

int ClientWidth(HWND hwnd)
{
    RECT client;
    GetClientRect(hwnd, &client);
    return client.right;
}
} // namespace

TEST(TabGeometry, WidthIsTheCaptionWithEqualMargins)
{
    EXPECT_EQ(TabWidthForLabel(0), 16);
    EXPECT_EQ(TabWidthForLabel(1), 17);
    EXPECT_EQ(TabWidthForLabel(73), 89);
}

TEST(TabGeometry, ActiveTabIsLiftedTallerAndOpenBelow)
{
    struct Case {
        bool active;
        int innerHeight;
        TabLook look;
    };
    const Case cases[] = {
        {false, 25, {1, 4, 8, 21}},
        {true, 25, {2, 2, 6, 30}},
        {false, 30, {1, 4, 8, 26}},
        {true, 30, {2, 2, 6, 35}},
    };
    for (const Case& c : cases) {
        TabLook look = TabLookFor(c.active, c.innerHeight);
        EXPECT_EQ(look.BorderWidth, c.look.BorderWidth) << c.active << " " << c.innerHeight;
        EXPECT_EQ(look.BoxTop, c.look.BoxTop) << c.active << " " << c.innerHeight;
        EXPECT_EQ(look.LabelTop, c.look.LabelTop) << c.active << " " << c.innerHeight;
        EXPECT_EQ(look.BoxHeight, c.look.BoxHeight) << c.active << " " << c.innerHeight;
        // The active box always ends below the control, the inactive one on its last row.
        EXPECT_EQ(look.BoxTop + look.BoxHeight > c.innerHeight, c.active);
    }
    EXPECT_EQ(TabHeightForText(13), 25);
}

class TabControl : public testing::Test {
protected:
    HostWindow host{HOST_BACK};
    ucTab tab;
    bool activeDuringClick = true;

    void SetUp() override
    {
        ASSERT_TRUE(tab.Create(host.Hwnd(), TAB_ID, TabRect(), "Display"));
        host.WhileNotified = [this](const controls_test::Notification& n) {
            if (n.Code == UCTAB_CLICK) activeDuringClick = tab.IsActive();
        };
        host.Notifications.clear();
    }
};

TEST_F(TabControl, TakesItsWidthFromTheCaptionAndKeepsItsHeight)
{
    EXPECT_GT(tab.LabelWidth(), 10);
    EXPECT_EQ(tab.Width(), 16 + tab.LabelWidth());
    RECT window;
    GetWindowRect(tab.Hwnd(), &window);
    EXPECT_EQ(window.bottom - window.top, TAB_HEIGHT);
    EXPECT_EQ(tab.Left(), 10);
    EXPECT_FALSE(tab.IsActive()); // every tab starts inactive
}

TEST_F(TabControl, LongerCaptionWidensTheTabAndRaisesResize)
{
    int shortWidth = tab.Width();
    tab.SetCaption("Game settings and more");
    EXPECT_EQ(tab.Caption(), "Game settings and more");
    EXPECT_GT(tab.Width(), shortWidth);
    EXPECT_EQ(tab.Width(), 16 + tab.LabelWidth());
    EXPECT_EQ(ClientWidth(tab.Hwnd()), tab.Width());
    EXPECT_EQ(host.Count(TAB_ID, UCTAB_RESIZE), 1);

    tab.SetCaption("X");
    EXPECT_LT(tab.Width(), shortWidth);
    EXPECT_EQ(host.Count(TAB_ID, UCTAB_RESIZE), 2);
}

TEST_F(TabControl, CaptionSetByWindowTextSizesTooAndEmptyCaptionLeavesTheMargins)
{
    SetDlgItemTextA(host.Hwnd(), TAB_ID, "");
    EXPECT_EQ(tab.Width(), 16);
    EXPECT_GT(tab.LabelHeight(), 0);
    SetDlgItemTextA(host.Hwnd(), TAB_ID, "Scenario");
    EXPECT_EQ(tab.Width(), 16 + tab.LabelWidth());
}

TEST_F(TabControl, MeasuresWithTheParentsFont)
{
    ScopedGdiObj<HFONT> big(CreateFontA(-28, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma"));
    HostWindow bigHost;
    bigHost.SetFont(big.Get());
    ucTab bigTab;
    ASSERT_TRUE(bigTab.Create(bigHost.Hwnd(), TAB_ID, TabRect(), "Display"));
    EXPECT_GT(bigTab.Width(), tab.Width());
    EXPECT_EQ(SendMessageA(bigTab.Hwnd(), WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(big.Get()));
}

TEST_F(TabControl, ClickRaisesClickFirstThenTurnsActive)
{
    ClickAt(tab.Hwnd(), 5, 12);
    EXPECT_FALSE(activeDuringClick);
    EXPECT_TRUE(tab.IsActive());
    ASSERT_EQ(host.Count(TAB_ID, UCTAB_CLICK), 1);
    EXPECT_EQ(host.Notifications.back().From, tab.Hwnd());
}

TEST_F(TabControl, ReleaseOutsideTheTabIsNoClick)
{
    SendMessageA(tab.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(tab.Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(tab.Width() + 20, 5));
    SendMessageA(tab.Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); // no press before it
    EXPECT_FALSE(tab.IsActive());
    EXPECT_EQ(host.Count(TAB_ID, UCTAB_CLICK), 0);
}

TEST_F(TabControl, HostDecidesWhichTabIsActive)
{
    ucTab second;
    ASSERT_TRUE(second.Create(host.Hwnd(), TAB_ID + 1, TabRect(tab.Left() + tab.Width() + 1), "Extra"));
    ucTab* tabs[] = {&tab, &second};
    auto activate = [&](int index) {
        for (int i = 0; i < 2; ++i) tabs[i]->SetIsActive(i == index);
    };
    host.WhileNotified = [&](const controls_test::Notification& n) {
        if (n.Code == UCTAB_CLICK) activate(n.Id - TAB_ID);
    };

    ClickAt(second.Hwnd(), 3, 12);
    EXPECT_FALSE(tab.IsActive());
    EXPECT_TRUE(second.IsActive());
    ClickAt(tab.Hwnd(), 3, 12);
    EXPECT_TRUE(tab.IsActive());
    EXPECT_FALSE(second.IsActive());
}

TEST_F(TabControl, SpaceClicksATabThatTakesTheFocus)
{
    ucTab focusable;
    ASSERT_TRUE(focusable.Create(host.Hwnd(), TAB_ID + 2, TabRect(100), "Refresh",
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP));
    SendMessageA(focusable.Hwnd(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(host.Count(TAB_ID + 2, UCTAB_CLICK), 1);
    EXPECT_TRUE(focusable.IsActive());
}

TEST_F(TabControl, ActiveAndInactiveLookDiffer)
{
    const COLORREF border = UCTAB_BORDER_COLOR;
    const COLORREF fill = UCTAB_FILL_COLOR;
    int middle = tab.Width() / 2;
    int last = TAB_HEIGHT - 1;

    Canvas inactive(tab.Hwnd());
    EXPECT_EQ(inactive.Pixel(middle, 3), HOST_BACK);  // above the box: the parent's background
    EXPECT_EQ(inactive.Pixel(middle, 4), border);     // top border
    EXPECT_EQ(inactive.Pixel(0, 10), border);         // one-pixel side border
    EXPECT_EQ(inactive.Pixel(1, 10), fill);
    EXPECT_EQ(inactive.Pixel(middle, last), border);  // closed at the bottom
    EXPECT_EQ(inactive.Pixel(middle, last - 1), fill);
    EXPECT_TRUE(inactive.AnyOtherThan(RECT{8, 8, tab.Width() - 8, last}, fill)); // the caption

    tab.SetIsActive(true);
    Canvas active(tab.Hwnd());
    EXPECT_EQ(active.Pixel(middle, 1), HOST_BACK);
    EXPECT_EQ(active.Pixel(middle, 2), border);       // lifted by two pixels
    EXPECT_EQ(active.Pixel(middle, 3), border);       // two pixels wide
    EXPECT_EQ(active.Pixel(1, 10), border);
    EXPECT_EQ(active.Pixel(2, 10), fill);
    EXPECT_EQ(active.Pixel(middle, last), fill);      // open towards the tab area
    EXPECT_EQ(active.Pixel(0, last), border);
    EXPECT_TRUE(active.AnyOtherThan(RECT{8, 6, tab.Width() - 8, last}, fill));
}

TEST_F(TabControl, SettingActiveTwiceLooksLikeOnce)
{
    tab.SetIsActive(true);
    std::vector<uint32_t> once = Canvas(tab.Hwnd()).Pixels();
    tab.SetIsActive(true);
    EXPECT_EQ(Canvas(tab.Hwnd()).Pixels(), once);
    tab.SetIsActive(false);
    EXPECT_NE(Canvas(tab.Hwnd()).Pixels(), once);
}
