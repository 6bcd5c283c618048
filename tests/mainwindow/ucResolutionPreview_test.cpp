// The resolution preview: rounding, the scaled and windowed geometry, and what it draws.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "base/mError.h"
#include "controls/ControlTestHost.h"
#include "mainwindow/ucResolutionPreview.h"
#include "support/TestEnvironment.h"

using controls_test::Canvas;
using controls_test::HostWindow;

namespace {
constexpr COLORREF HOST_BACK = RGB(20, 160, 60);
constexpr int INNER_W = 300;
constexpr int INNER_H = 250;

std::optional<PreviewLayout> Layout(int16_t resW, int16_t resH, bool windowed, bool hasPicture = true)
{
    return ComputePreviewLayout(INNER_W, INNER_H, hasPicture, 210, 207, resW, resH, windowed);
}
} // namespace

TEST(PreviewRounding, NearestWithTiesToEvenWithin16Bits)
{
    const std::pair<double, int> cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {165.6, 166}, {129.375, 129}, {0.4, 0},
        {32767.4, 32767}, {-32768.5, -32768},
    };
    for (auto [value, expected] : cases) EXPECT_EQ(RoundToInt16(value), expected) << value;
    EXPECT_EQ(ErrorOf([] { RoundToInt16(32767.5); }).Number, RTE_OVERFLOW);
    EXPECT_EQ(ErrorOf([] { RoundToInt16(-40000); }).Number, RTE_OVERFLOW);
}

TEST(PreviewGeometry, ScalesThePictureForTheScreenAndCentresIt)
{
    struct Case {
        int16_t resW, resH;
        int w, h;
    };
    const Case cases[] = {
        {640, 480, 210, 207},  // natural size
        {800, 600, 168, 166},  // 0.8 of it (165.6 rounds up)
        {1024, 768, 131, 129}, // 0.625
        {1280, 1024, 105, 97}, // 0.5 x 0.46875
        {320, 240, 420, 414},  // a smaller screen draws it larger
    };
    for (const Case& c : cases) {
        std::optional<PreviewLayout> layout = Layout(c.resW, c.resH, false);
        ASSERT_TRUE(layout) << c.resW;
        EXPECT_FALSE(layout->ShapesVisible);
        EXPECT_EQ(layout->Image1.Width, c.w) << c.resW;
        EXPECT_EQ(layout->Image1.Height, c.h) << c.resW;
        EXPECT_DOUBLE_EQ(layout->Image1.Left, (INNER_W - c.w) / 2.0) << c.resW;
        EXPECT_DOUBLE_EQ(layout->Image1.Top, (INNER_H - c.h) / 2.0) << c.resW;
    }
}

// At 150% the control is half as large again, and so are the picture and the frame around it.
TEST(PreviewGeometry, GrowsWithTheScreensDpi)
{
    const struct { int16_t resW, resH; bool Windowed; int w, h, bar, margin; } cases[] = {
        {640, 480, false, 315, 310, 8, 3}, // 310.5 to the even neighbour
        {1280, 1024, false, 158, 146, 8, 3},
        {0, 0, true, 270, 225, 8, 3},
    };
    for (const auto& c : cases) {
        std::optional<PreviewLayout> layout =
            ComputePreviewLayout(INNER_W * 3 / 2, INNER_H * 3 / 2, true, 210, 207, c.resW, c.resH, c.Windowed, 144);
        ASSERT_TRUE(layout) << c.resW;
        EXPECT_EQ(layout->Image1.Width, c.w) << c.resW;
        EXPECT_EQ(layout->Image1.Height, c.h) << c.resW;
        EXPECT_EQ(layout->Shape1.Height, c.bar);
        EXPECT_DOUBLE_EQ(layout->Shape2.Left, layout->Image1.Left - c.margin);
        EXPECT_DOUBLE_EQ(layout->Shape1.Top + layout->Shape1.Height, layout->Image1.Top - 1);
    }
}

TEST(PreviewGeometry, WindowedTakesSixTenthsOfTheControlWithFrameAndTitleBar)
{
    std::optional<PreviewLayout> layout = Layout(0, 0, true);
    ASSERT_TRUE(layout);
    EXPECT_TRUE(layout->ShapesVisible);
    const PreviewRect& image = layout->Image1;
    EXPECT_EQ(image.Width, 180);
    EXPECT_EQ(image.Height, 150);
    EXPECT_DOUBLE_EQ(image.Left, 60);
    EXPECT_DOUBLE_EQ(image.Top, 50);
    // The frame starts 2 pixels above the picture, the bar 6 pixels above and ends 1 above.
    EXPECT_DOUBLE_EQ(layout->Shape2.Top, image.Top - 2);
    EXPECT_DOUBLE_EQ(layout->Shape1.Top, image.Top - 6);
    EXPECT_DOUBLE_EQ(layout->Shape1.Top + layout->Shape1.Height, image.Top - 1);
    EXPECT_EQ(layout->Shape2.Height, image.Height + 4);
    for (const PreviewRect* shape : {&layout->Shape1, &layout->Shape2}) {
        EXPECT_DOUBLE_EQ(shape->Left, image.Left - 2);
        EXPECT_EQ(shape->Width, image.Width + 4);
    }
    // The windowed size does not depend on the resolution or the picture.
    EXPECT_EQ(ComputePreviewLayout(INNER_W, INNER_H, true, 50, 50, 1024, 768, true)->Image1.Width, 180);
    // An odd leftover puts the picture on a half pixel, drawn from the pixel below it.
    std::optional<PreviewLayout> odd = ComputePreviewLayout(302, 252, true, 210, 207, 0, 0, true);
    EXPECT_DOUBLE_EQ(odd->Image1.Left, 60.5);
    EXPECT_EQ(odd->Image1.Pixels().left, 60);
    EXPECT_EQ(odd->Shape2.Pixels().left, 58);
    EXPECT_EQ(odd->Shape1.Pixels().top, odd->Image1.Pixels().top - 6);
}

TEST(PreviewGeometry, NothingToDrawWithoutPictureOrResolution)
{
    EXPECT_FALSE(Layout(0, 0, false));
    EXPECT_FALSE(Layout(640, 0, false));
    EXPECT_FALSE(Layout(-640, 480, false));
    EXPECT_FALSE(Layout(640, 480, false, false));
    EXPECT_FALSE(Layout(0, 0, true, false));
    EXPECT_EQ(ErrorOf([] { Layout(1, 1, false); }).Number, RTE_OVERFLOW); // 210 x 640 pixels
}

TEST(PreviewPicture, IsAGameScreenOfTheNaturalSize)
{
    ScopedGdiObj<HBITMAP> picture(CreateGameScreenPicture());
    BITMAP info = {};
    ASSERT_TRUE(GetObjectA(picture.Get(), sizeof(info), &info));
    EXPECT_EQ(info.bmWidth, 210);
    EXPECT_EQ(std::abs(info.bmHeight), 207);
    ScopedMemDC dc(nullptr);
    ScopedSelectObject select(dc, picture.Get());
    std::set<COLORREF> colours;
    for (int y = 0; y < 207; y += 3)
        for (int x = 0; x < 210; x += 3) colours.insert(GetPixel(dc, x, y));
    EXPECT_GT(colours.size(), 15u); // a drawn scene, not a blank rectangle
}

class PreviewControl : public testing::Test {
protected:
    HostWindow host{HOST_BACK};
    ucResolutionPreview preview;
    COLORREF pictureCentre = 0;

    void SetUp() override
    {
        ASSERT_TRUE(preview.Create(host.Hwnd(), 4400, RECT{0, 0, INNER_W, INNER_H}));
        HBITMAP picture = CreateGameScreenPicture();
        ScopedMemDC dc(nullptr);
        HGDIOBJ old = SelectObject(dc, picture);
        pictureCentre = GetPixel(dc, 105, 103);
        SelectObject(dc, old);
        preview.SetPicture(picture);
    }
    bool AllBackground()
    {
        Canvas canvas(preview.Hwnd());
        return !canvas.AnyOtherThan(RECT{0, 0, INNER_W, INNER_H}, HOST_BACK);
    }
};

TEST_F(PreviewControl, PictureAloneDrawsNothing)
{
    EXPECT_EQ(preview.PictureWidth(), 210);
    EXPECT_EQ(preview.PictureHeight(), 207);
    EXPECT_FALSE(preview.Layout());
    EXPECT_TRUE(AllBackground());
}

TEST_F(PreviewControl, ZeroResolutionChangesNothing)
{
    preview.SetResolution(0, 0, false);
    EXPECT_FALSE(preview.Layout());
    EXPECT_TRUE(AllBackground());

    preview.SetResolution(800, 600, false);
    std::vector<uint32_t> drawn = Canvas(preview.Hwnd()).Pixels();
    preview.SetResolution(0, 0, false);
    EXPECT_EQ(preview.Layout()->Image1.Width, 168);
    EXPECT_EQ(Canvas(preview.Hwnd()).Pixels(), drawn);
}

TEST_F(PreviewControl, NaturalSizeAfterWindowedHidesFrameAndBar)
{
    preview.SetResolution(0, 0, true);
    {
        Canvas windowed(preview.Hwnd());
        RECT image = preview.Layout()->Image1.Pixels();
        EXPECT_EQ(windowed.Pixel(image.left + 10, image.top - 4), PREVIEW_TITLEBAR_COLOR);
        EXPECT_EQ(windowed.Pixel(image.left - 1, image.top + 20), GetSysColor(COLOR_BTNFACE)); // frame
        EXPECT_EQ(windowed.Pixel(image.left - 3, image.top + 20), HOST_BACK);
        EXPECT_NE(windowed.Pixel(image.left + 20, image.top + 20), GetSysColor(COLOR_BTNFACE));
    }

    preview.SetResolution(640, 480, false);
    const PreviewLayout& layout = *preview.Layout();
    EXPECT_FALSE(layout.ShapesVisible);
    EXPECT_EQ(layout.Image1.Width, 210);
    EXPECT_EQ(layout.Image1.Height, 207);
    RECT image = layout.Image1.Pixels();
    EXPECT_EQ(image.left, 45);
    EXPECT_EQ(image.top, 21); // 21.5, drawn from the pixel row below
    Canvas canvas(preview.Hwnd());
    EXPECT_EQ(canvas.Pixel(image.left + 105, image.top + 103), pictureCentre); // unscaled copy
    EXPECT_EQ(canvas.Pixel(image.left + 10, image.top - 4), HOST_BACK);        // no title bar
    EXPECT_EQ(canvas.Pixel(image.left - 1, image.top + 20), HOST_BACK);        // no frame
    EXPECT_EQ(canvas.Pixel(image.left - 1, image.top - 1), HOST_BACK);
}

TEST_F(PreviewControl, LargerScreenDrawsASmallerPicture)
{
    preview.SetResolution(1280, 1024, false);
    Canvas canvas(preview.Hwnd());
    RECT image = preview.Layout()->Image1.Pixels();
    EXPECT_EQ(image.right - image.left, 105);
    EXPECT_EQ(canvas.Pixel(image.left - 1, INNER_H / 2), HOST_BACK);
    EXPECT_EQ(canvas.Pixel(image.right, INNER_H / 2), HOST_BACK);
    EXPECT_TRUE(canvas.AnyOtherThan(image, HOST_BACK));
}

TEST(PreviewWithoutPicture, DrawsNothingWhateverTheResolution)
{
    HostWindow host(HOST_BACK);
    ucResolutionPreview preview;
    ASSERT_TRUE(preview.Create(host.Hwnd(), 4400, RECT{0, 0, INNER_W, INNER_H}));
    preview.SetResolution(640, 480, false);
    preview.SetResolution(0, 0, true);
    EXPECT_FALSE(preview.Layout());
    Canvas canvas(preview.Hwnd());
    EXPECT_FALSE(canvas.AnyOtherThan(RECT{0, 0, INNER_W, INNER_H}, HOST_BACK));
}

TEST_F(PreviewControl, OutOfRangeResolutionIsPassedOnAsOverflow)
{
    AppError e = ErrorOf([this] { preview.SetResolution(40000, 480, false); });
    EXPECT_EQ(e.Number, RTE_OVERFLOW);
    EXPECT_NE(e.Source.find("ucResolutionPreview.SetResolution"), std::string::npos);
    e = ErrorOf([this] { preview.SetResolution(1, 1, false); });
    EXPECT_NE(e.Source.find("ucResolutionPreview.DrawImage"), std::string::npos);
}
