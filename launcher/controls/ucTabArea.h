// ucTabArea: the framed light-grey rectangle under the tabs in which the pages lie.
#pragma once

#include <windows.h>

#include "base/BaseWindow.h"

constexpr COLORREF UCTABAREA_DEFAULT_BORDER = RGB(128, 128, 128);
constexpr COLORREF UCTABAREA_DEFAULT_BACK = RGB(224, 224, 224);

// The rectangle's new size after a resize: a direction of size 0 keeps the previous value.
SIZE TabAreaShapeSize(SIZE previous, SIZE inner);

// Usage: ucTabArea area; area.Create(hwndParent, IDC_TABAREA, rect);
// The area goes behind all its siblings when created and clips them, so the pages the host
// places inside it stay visible; a host that creates pages later calls SendToBack once they
// exist. The area lets mouse clicks through and sends no notifications.
class ucTabArea : public BaseWindow<ucTabArea> {
public:
    static const char* ClassName() { return "Vekolaunch_ucTabArea"; }

    bool Create(HWND parent, int id, const RECT& rect, DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);

    COLORREF BorderColor() const { return m_borderColor; }
    void SetBorderColor(COLORREF color);
    COLORREF BackColor() const { return m_backColor; }
    void SetBackColor(COLORREF color);
    // Puts the area behind every sibling window.
    void SendToBack();
    // The rectangle as last sized, in pixels inside the control.
    SIZE ShapeSize() const { return m_shape; }

    // Draws the area into dc (also what WM_PAINT and WM_PRINTCLIENT do).
    void Paint(HDC dc) override;

protected:
    PaintStyle Painting() const override { return PaintStyle::Direct; }
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void UserControl_Resize(int width, int height);

    COLORREF m_borderColor = UCTABAREA_DEFAULT_BORDER;
    COLORREF m_backColor = UCTABAREA_DEFAULT_BACK;
    SIZE m_shape = {0, 0};
};
