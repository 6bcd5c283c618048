// ucResolutionPreview: the preview's geometry, its drawing and the picture of a game screen.
#include "mainwindow/ucResolutionPreview.h"

#include <cmath>

#include "base/ControlHost.h"
#include "base/mError.h"

namespace {
void FillBox(HDC dc, int left, int top, int right, int bottom, COLORREF color)
{
    RECT rect = {left, top, right, bottom};
    ScopedGdiObj<HBRUSH> brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.Get());
}

void FillShape(HDC dc, const POINT* points, int count, COLORREF color)
{
    ScopedGdiObj<HBRUSH> brush(CreateSolidBrush(color));
    ScopedGdiObj<HPEN> pen(CreatePen(PS_SOLID, 1, color));
    ScopedSelectObject selectBrush(dc, brush.Get());
    ScopedSelectObject selectPen(dc, pen.Get());
    Polygon(dc, points, count);
}

void FillRound(HDC dc, int left, int top, int right, int bottom, COLORREF color)
{
    ScopedGdiObj<HBRUSH> brush(CreateSolidBrush(color));
    ScopedGdiObj<HPEN> pen(CreatePen(PS_SOLID, 1, color));
    ScopedSelectObject selectBrush(dc, brush.Get());
    ScopedSelectObject selectPen(dc, pen.Get());
    Ellipse(dc, left, top, right, bottom);
}

void DrawLine(HDC dc, int x1, int y1, int x2, int y2, int width, COLORREF color)
{
    ScopedGdiObj<HPEN> pen(CreatePen(PS_SOLID, width, color));
    ScopedSelectObject selectPen(dc, pen.Get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// A house seen from the front: wall, roof and two windows.
void DrawHouse(HDC dc, int x, int y, COLORREF wall, COLORREF roof)
{
    FillBox(dc, x, y, x + 14, y + 10, wall);
    POINT top[] = {{x - 2, y}, {x + 7, y - 7}, {x + 16, y}};
    FillShape(dc, top, 3, roof);
    FillBox(dc, x + 3, y + 3, x + 6, y + 6, RGB(250, 230, 120));
    FillBox(dc, x + 8, y + 3, x + 11, y + 6, RGB(250, 230, 120));
}

void DrawTree(HDC dc, int x, int y)
{
    FillBox(dc, x + 3, y + 7, x + 5, y + 11, RGB(100, 70, 30));
    FillRound(dc, x, y, x + 9, y + 9, RGB(30, 110, 40));
}

// The game's view: toolbar, landscape with river, road, railway, town and train, status bar.
void DrawGameScreen(HDC dc, int width, int height)
{
    FillBox(dc, 0, 0, width, height, RGB(110, 170, 80));                       // grass
    FillBox(dc, 0, 0, width, 16, RGB(192, 192, 192));                          // toolbar
    for (int i = 0; i < 9; ++i) {
        FillBox(dc, 3 + i * 15, 3, 14 + i * 15, 13, RGB(230, 230, 230));
        FillBox(dc, 5 + i * 15, 5, 12 + i * 15, 11, i % 3 == 0 ? RGB(180, 40, 40) : RGB(60, 90, 160));
    }
    FillBox(dc, 0, 16, width, 17, RGB(90, 90, 90));

    POINT river[] = {{0, 120}, {40, 110}, {90, 128}, {140, 118}, {210, 132},
                     {210, 146}, {140, 132}, {90, 142}, {40, 124}, {0, 134}};
    FillShape(dc, river, 10, RGB(60, 120, 200));
    FillBox(dc, 118, 112, 134, 150, RGB(150, 120, 90));                        // bridge

    DrawLine(dc, 0, 75, width, 60, 7, RGB(120, 120, 120));                     // road
    DrawLine(dc, 0, 75, width, 60, 1, RGB(240, 240, 240));

    for (int x = 0; x < width; x += 5) DrawLine(dc, x, 95, x, 103, 2, RGB(120, 80, 40)); // sleepers
    DrawLine(dc, 0, 97, width, 97, 1, RGB(60, 60, 60));                        // rails
    DrawLine(dc, 0, 101, width, 101, 1, RGB(60, 60, 60));

    FillBox(dc, 40, 90, 62, 100, RGB(200, 30, 30));                            // locomotive
    FillBox(dc, 56, 85, 62, 90, RGB(200, 30, 30));
    FillBox(dc, 64, 91, 86, 100, RGB(40, 80, 170));                            // wagons
    FillBox(dc, 88, 91, 110, 100, RGB(40, 80, 170));
    FillBox(dc, 112, 91, 134, 100, RGB(230, 180, 40));

    DrawHouse(dc, 20, 38, RGB(230, 200, 160), RGB(160, 50, 40));
    DrawHouse(dc, 44, 34, RGB(240, 240, 230), RGB(90, 90, 110));
    DrawHouse(dc, 70, 40, RGB(220, 180, 140), RGB(160, 50, 40));
    DrawHouse(dc, 150, 28, RGB(240, 240, 230), RGB(160, 50, 40));
    DrawHouse(dc, 174, 34, RGB(230, 200, 160), RGB(90, 90, 110));
    FillBox(dc, 110, 24, 128, 52, RGB(170, 170, 190));                         // tower block
    for (int y = 28; y < 50; y += 5) FillBox(dc, 113, y, 125, y + 2, RGB(80, 120, 170));

    const POINT trees[] = {{12, 160}, {30, 170}, {55, 158}, {160, 165}, {182, 158}, {190, 175}, {8, 80}, {95, 70}};
    for (const POINT& tree : trees) DrawTree(dc, tree.x, tree.y);
    FillBox(dc, 75, 160, 125, 185, RGB(200, 180, 90));                         // field
    for (int y = 163; y < 185; y += 4) DrawLine(dc, 77, y, 123, y, 1, RGB(170, 150, 70));

    FillBox(dc, 0, height - 14, width, height, RGB(192, 192, 192));            // status bar
    FillBox(dc, 0, height - 15, width, height - 14, RGB(90, 90, 90));
    FillBox(dc, 4, height - 10, 60, height - 5, RGB(40, 40, 40));
    FillBox(dc, 150, height - 10, 205, height - 5, RGB(40, 120, 40));
}
} // namespace

RECT PreviewRect::Pixels() const
{
    LONG left = static_cast<LONG>(std::floor(Left));
    LONG top = static_cast<LONG>(std::floor(Top));
    return RECT{left, top, left + Width, top + Height};
}

int16_t RoundToInt16(double value)
{
    double rounded = std::nearbyint(value); // the default rounding mode sends ties to even
    if (!(rounded >= INT16_MIN && rounded <= INT16_MAX)) RaiseRuntimeError(RTE_OVERFLOW);
    return static_cast<int16_t>(rounded);
}

std::optional<PreviewLayout> ComputePreviewLayout(int innerWidth, int innerHeight, bool hasPicture,
                                                  int16_t pictureWidth, int16_t pictureHeight,
                                                  int16_t resWidth, int16_t resHeight, bool windowed, int dpi)
{
    if (!hasPicture) return std::nullopt;
    if (!windowed && (resWidth < 1 || resHeight < 1)) return std::nullopt;

    PreviewLayout layout;
    layout.ShapesVisible = windowed;
    int w = 0;
    int h = 0;
    if (windowed) {
        w = RoundToInt16(innerWidth * 0.6);
        h = RoundToInt16(innerHeight * 0.6);
    } else {
        w = RoundToInt16(static_cast<double>(pictureWidth) * dpi / 96 / resWidth * 640);
        h = RoundToInt16(static_cast<double>(pictureHeight) * dpi / 96 / resHeight * 480);
    }
    const auto scaled = [&](int pixels) { return RoundToInt16(pixels * dpi / 96.0); };
    layout.Image1 = PreviewRect{(innerWidth - w) / 2.0, (innerHeight - h) / 2.0, w, h};
    const PreviewRect& image = layout.Image1;
    const int margin = scaled(2);
    layout.Shape1 = PreviewRect{image.Left - margin, image.Top - scaled(6), image.Width + 2 * margin, scaled(5)};
    layout.Shape2 = PreviewRect{image.Left - margin, image.Top - margin, image.Width + 2 * margin, image.Height + 2 * margin};
    return layout;
}

HBITMAP CreateGameScreenPicture()
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = PREVIEW_PICTURE_WIDTH;
    info.bmiHeader.biHeight = -PREVIEW_PICTURE_HEIGHT;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) RaiseRuntimeError(RTE_OUT_OF_MEMORY);
    ScopedMemDC dc(nullptr);
    ScopedSelectObject select(dc, bitmap);
    DrawGameScreen(dc, PREVIEW_PICTURE_WIDTH, PREVIEW_PICTURE_HEIGHT);
    GdiFlush();
    return bitmap;
}

bool ucResolutionPreview::Create(HWND parent, int id, const RECT& rect, DWORD style)
{
    return BaseWindow::Create(parent, id, rect, style);
}

void ucResolutionPreview::SetPicture(HBITMAP picture)
{
    PassErrors("ucResolutionPreview.Set Picture", [&] {
        if (picture != m_picture.Get()) m_picture.Reset(picture);
        BITMAP info = {};
        if (picture && GetObjectA(picture, sizeof(info), &info)) {
            m_intPictureWidth = RoundToInt16(info.bmWidth);
            m_intPictureHeight = RoundToInt16(std::abs(info.bmHeight));
        } else {
            m_intPictureWidth = 0;
            m_intPictureHeight = 0;
        }
        // The picture keeps its place and shows at its natural size until the next drawing.
        if (m_layout) {
            m_layout->Image1.Width = m_intPictureWidth;
            m_layout->Image1.Height = m_intPictureHeight;
            InvalidateRect(m_hwnd, nullptr, FALSE);
        }
    });
}

void ucResolutionPreview::SetResolution(int width, int height, bool windowed)
{
    PassErrors("ucResolutionPreview.SetResolution", [&] {
        m_intResWidth = RoundToInt16(width);
        m_intResHeight = RoundToInt16(height);
        m_blnWindowed = windowed;
        DrawImage();
    });
}

void ucResolutionPreview::DrawImage()
{
    PassErrors("ucResolutionPreview.DrawImage", [&] {
        RECT client = {0, 0, 0, 0};
        if (m_hwnd) GetClientRect(m_hwnd, &client);
        int dpi = 96;
        if (m_hwnd) {
            ScopedGetDC dc(m_hwnd);
            dpi = GetDeviceCaps(dc, LOGPIXELSX);
        }
        std::optional<PreviewLayout> layout =
            ComputePreviewLayout(client.right, client.bottom, HasPicture(), m_intPictureWidth, m_intPictureHeight,
                                 m_intResWidth, m_intResHeight, m_blnWindowed, dpi);
        if (!layout) return; // the last drawing stays
        m_layout = layout;
        if (m_hwnd) InvalidateRect(m_hwnd, nullptr, FALSE);
    });
}

void ucResolutionPreview::Paint(HDC dc)
{
    RECT client;
    GetClientRect(m_hwnd, &client);
    FillRect(dc, &client, ParentBackground(m_hwnd, dc));
    if (!m_layout) return;

    if (m_layout->ShapesVisible) {
        // The frame lies behind the picture; the title bar overlaps the frame's top edge.
        RECT frame = m_layout->Shape2.Pixels();
        ScopedGdiObj<HPEN> framePen(CreatePen(PS_INSIDEFRAME, 1, GetSysColor(COLOR_BTNSHADOW)));
        {
            ScopedSelectObject pen(dc, framePen.Get());
            ScopedSelectObject brush(dc, GetSysColorBrush(COLOR_BTNFACE));
            Rectangle(dc, frame.left, frame.top, frame.right, frame.bottom);
        }
        RECT bar = m_layout->Shape1.Pixels();
        ScopedGdiObj<HBRUSH> barBrush(CreateSolidBrush(PREVIEW_TITLEBAR_COLOR));
        FillRect(dc, &bar, barBrush.Get());
    }

    if (!m_picture.Get()) return;
    RECT image = m_layout->Image1.Pixels();
    ScopedMemDC source(dc);
    ScopedSelectObject select(source, m_picture.Get());
    int oldMode = SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, image.left, image.top, image.right - image.left, image.bottom - image.top, source, 0, 0,
               m_intPictureWidth, m_intPictureHeight, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
}

LRESULT ucResolutionPreview::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(msg, wParam, lParam);
}
