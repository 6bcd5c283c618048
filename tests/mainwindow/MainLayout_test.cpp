// Layout arithmetic of the main window.
#include <gtest/gtest.h>

#include "mainwindow/MainLayout.h"

TEST(MainLayout, OuterSizeFromTwipsFollowsTheScreenResolution)
{
    EXPECT_EQ(TwipsToPixels(MAIN_WINDOW_WIDTH_TWIPS, 96), 358);
    EXPECT_EQ(TwipsToPixels(MAIN_WINDOW_HEIGHT_TWIPS, 96), 354);
    EXPECT_EQ(TwipsToPixels(MAIN_WINDOW_WIDTH_TWIPS, 120), 448);
    EXPECT_EQ(TwipsToPixels(MAIN_WINDOW_HEIGHT_TWIPS, 144), 531);
    EXPECT_EQ(ScaleForDpi(6, 96), 6);
    EXPECT_EQ(ScaleForDpi(6, 144), 9);
}

TEST(MainLayout, AreaUnderTheTabsButtonAndVersionBelow)
{
    const MainWindowLayout layout = ComputeMainWindowLayout(SIZE{352, 310}, 96, 25, SIZE{105, 23}, 13);
    EXPECT_EQ(layout.TabLeft, 6);
    EXPECT_EQ(layout.TabTop, 6);
    EXPECT_EQ(layout.Area.top, layout.TabTop + layout.TabHeight - 1) << "the tabs stand on the area's border";
    EXPECT_EQ(layout.Area.left, 6);
    EXPECT_EQ(layout.Area.right, 346);
    EXPECT_EQ(layout.StartButton.right, 346);
    EXPECT_EQ(layout.StartButton.bottom, 304);
    EXPECT_EQ(layout.StartButton.bottom - layout.StartButton.top, 23);
    EXPECT_LT(layout.Area.bottom, layout.StartButton.top);
    EXPECT_LT(layout.VersionLabel.right, layout.StartButton.left);
    EXPECT_GE(layout.VersionLabel.top, layout.Area.bottom);
}
