// The page set: its layout arithmetic, and tabs, area and pages driven as a host drives them.
#include <gtest/gtest.h>

#include "base/ControlHost.h"
#include "base/DialogBase.h"
#include "base/ProgramIcon.h"
#include "controls/PageSet.h"
#include "mainwindow/frmMain_res.h"

TEST(PageSetLayout, TabsStandOnePixelApart)
{
    EXPECT_EQ(TabLefts(6, {80, 60, 55}), (std::vector<int>{6, 87, 148}));
    EXPECT_EQ(TabLefts(0, {}), std::vector<int>{});
}

TEST(PageSetLayout, PageLiesInsideTheArea)
{
    const RECT area = {6, 30, 346, 274};
    const RECT page = PageRectInArea(area, 96);
    EXPECT_EQ(page.left, 12);
    EXPECT_EQ(page.top, 40);
    EXPECT_EQ(page.right - page.left, 340 - 12);
    EXPECT_EQ(page.bottom - page.top, 244 - 17);
    const RECT large = PageRectInArea(area, 192);
    EXPECT_EQ(large.left, 18);
    EXPECT_EQ(large.top, 50);
    EXPECT_EQ(large.right - large.left, 340 - 24);
    EXPECT_EQ(large.bottom - large.top, 244 - 34);
}

namespace {
// A host of three of the main window's page templates, driven as a window drives its pages.
class PageSetHost : public DialogBase {
public:
    // The main window's template, which names the main window's class.
    PageSetHost() : DialogBase("frmMain") { RegisterProgramDialogClass(FRMMAIN_CLASS, IDI_VEKOLAUNCH); }
    PageSet Pages;
    std::vector<int> Clicks;

protected:
    void OnInit() override
    {
        Pages.Create(Hwnd(), {{"One", "frmMainPage0"}, {"Two", "frmMainPage1"}, {"Three", "frmMainPage3"}},
                     PageSetPlace{POINT{6, 6}, 20, RECT{6, 25, 300, 250}, 96, 500, 510, 520});
    }
    void OnCommand(int id, int code, HWND) override
    {
        if (const int tab = Pages.ClickedTab(id, code); tab >= 0) {
            Clicks.push_back(tab);
            Pages.Activate(tab);
        } else if (code == BN_CLICKED) {
            Clicks.push_back(id);
        }
    }
};
} // namespace

TEST(PageSet, TabsShowTheirPagesOneAtATime)
{
    PageSetHost host;
    host.Load();
    host.ShowModeless();
    PageSet& pages = host.Pages;
    EXPECT_EQ(pages.ActiveTab(), -1);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(IsWindowVisible(pages.Page(i).Hwnd()));
    pages.Activate(0);
    SendMessageA(pages.Tab(2).Hwnd(), WM_KEYUP, VK_SPACE, 0); // Space on a tab clicks it
    EXPECT_EQ(host.Clicks, std::vector<int>{2});
    EXPECT_EQ(pages.ActiveTab(), 2);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(IsWindowVisible(pages.Page(i).Hwnd()) != FALSE, i == 2) << i;
        EXPECT_EQ(pages.Tab(i).IsActive(), i == 2) << i;
    }
    const RECT page = RectInParent(pages.Page(2).Hwnd(), host.Hwnd());
    const RECT expected = PageRectInArea(RECT{6, 25, 300, 250}, 96);
    EXPECT_EQ(page.left, expected.left);
    EXPECT_EQ(page.top, expected.top);
    EXPECT_EQ(pages.Page(2).BackColor(), pages.Area().BackColor());
}

TEST(PageSet, ControlsOnEveryPageAreFoundAndReportToTheHost)
{
    PageSetHost host;
    host.Load();
    HWND button = host.Pages.FindControl(IDC_CMDSELECTVEKOPATH);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(IsChild(host.Pages.Page(0).Hwnd(), button));
    EXPECT_NE(host.Pages.FindControl(IDC_LSTREFRESH), nullptr);
    EXPECT_EQ(host.Pages.FindControl(IDC_CMDSTART), nullptr) << "the host's own control is no page's";
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(host.Clicks, std::vector<int>{IDC_CMDSELECTVEKOPATH});
}

TEST(PageSet, TranslatedCaptionsLineTheTabsUpAgain)
{
    PageSetHost host;
    host.Load();
    PageSet& pages = host.Pages;
    pages.SetCaption(0, "A much longer caption than before");
    pages.LayoutTabs();
    for (int i = 1; i < pages.Count(); ++i) EXPECT_EQ(pages.Tab(i).Left(), pages.Tab(i - 1).Left() + pages.Tab(i - 1).Width() + 1);
}
