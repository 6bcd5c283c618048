// ucResolutionPreview: shows how large the game screen looks at a resolution, or as a window.
#pragma once

#include <windows.h>
#include <cstdint>
#include <optional>

#include "base/BaseWindow.h"
#include "base/ScopedWin.h"

// Natural size of the picture of a game screen the launcher shows.
constexpr int PREVIEW_PICTURE_WIDTH = 210;
constexpr int PREVIEW_PICTURE_HEIGHT = 207;
constexpr COLORREF PREVIEW_TITLEBAR_COLOR = RGB(0, 0, 160);

// A rectangle with the left and top as computed (they may lie on half pixels).
struct PreviewRect {
    double Left = 0;
    double Top = 0;
    int Width = 0;
    int Height = 0;
    // The pixels it covers: left and top rounded down.
    RECT Pixels() const;
};

// Where the picture (Image1), the frame (Shape2) and the title bar (Shape1) go.
struct PreviewLayout {
    bool ShapesVisible = false; // frame and title bar: only when drawn as a window
    PreviewRect Image1;
    PreviewRect Shape1;         // title bar
    PreviewRect Shape2;         // frame
};

// Rounds to the nearest 16-bit integer, a tie going to the even number; error 6 outside.
int16_t RoundToInt16(double value);
// The drawing for a control of inner size W x H; nullopt when nothing is to be drawn (no
// picture, or a resolution below 1 x 1 that is not windowed). The picture's natural size and
// the frame's margins are those of a 96-dpi screen and grow with the screen's dpi, as the
// control itself does.
std::optional<PreviewLayout> ComputePreviewLayout(int innerWidth, int innerHeight, bool hasPicture,
                                                  int16_t pictureWidth, int16_t pictureHeight,
                                                  int16_t resWidth, int16_t resHeight, bool windowed, int dpi = 96);

// A picture of a game screen of the natural preview size, drawn in code: the caller owns it.
HBITMAP CreateGameScreenPicture();

// Usage: ucResolutionPreview UserControl11; UserControl11.Create(hwndPage, IDC_PREVIEW, rect);
// UserControl11.SetPicture(CreateGameScreenPicture()); then SetResolution at every click on the
// resolution list. The control draws only in SetResolution; a picture alone shows nothing yet.
// Its background is what its parent answers to WM_CTLCOLORSTATIC (button face otherwise).
class ucResolutionPreview : public BaseWindow<ucResolutionPreview> {
public:
    static const char* ClassName() { return "Vekolaunch_ucResolutionPreview"; }

    bool Create(HWND parent, int id, const RECT& rect, DWORD style = WS_CHILD | WS_VISIBLE);

    // The picture to show; the control takes ownership of the bitmap. Its natural size is
    // taken now; nothing is redrawn until the next SetResolution.
    void SetPicture(HBITMAP picture);
    // Width and height of the game screen in pixels (16-bit values, error 6 outside) and
    // whether the game runs in a window; stores them and draws.
    void SetResolution(int width, int height, bool windowed);
    void DrawImage();

    bool HasPicture() const { return m_picture.Get() != nullptr; }
    int16_t PictureWidth() const { return m_intPictureWidth; }
    int16_t PictureHeight() const { return m_intPictureHeight; }
    // The last drawing; nullopt before the first one.
    const std::optional<PreviewLayout>& Layout() const { return m_layout; }

    // Draws the control into dc (also what WM_PAINT and WM_PRINTCLIENT do).
    void Paint(HDC dc) override;

protected:
    PaintStyle Painting() const override { return PaintStyle::Direct; }
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    ScopedGdiObj<HBITMAP> m_picture;
    int16_t m_intPictureWidth = 0;
    int16_t m_intPictureHeight = 0;
    int16_t m_intResWidth = 0;
    int16_t m_intResHeight = 0;
    bool m_blnWindowed = false;
    std::optional<PreviewLayout> m_layout;
};
