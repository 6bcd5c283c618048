// HLine: the etched horizontal separator line (a shadow line above a highlight line),
// always 20 pixels high.
#pragma once

#include <windows.h>

#include "base/BaseWindow.h"

// Usage: PlaceAtPlaceholder(m_hLine1, Hwnd(), IDC_X_HLINE1) in the host's OnInit (base/ControlHost.h).

class HLine : public BaseWindow<HLine> {
public:
    static constexpr int LINE_HEIGHT = 20;

    static const char* ClassName() { return "VekolaunchHLine"; }

    COLORREF BackColor() const;
    void SetBackColor(COLORREF color);

    void Paint(HDC dc) override;

protected:
    PaintStyle Painting() const override { return PaintStyle::Direct; }
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void UserControl_Resize(WINDOWPOS* pos) const;

    // CLR_INVALID stands for the system button-face colour, which follows the colour scheme.
    COLORREF m_backColor = CLR_INVALID;
};
