// HLine: the etched horizontal separator line (a shadow line above a highlight line),
// always 20 pixels high.
#pragma once

#include <windows.h>

#include "core/BaseWindow.h"

class HLine : public BaseWindow<HLine> {
public:
    static constexpr int LINE_HEIGHT = 20;

    static const char* ClassName() { return "VekolaunchHLine"; }

    // Takes the place, ID and tab position of a placeholder control of a dialog template;
    // the placeholder is destroyed.
    bool ReplaceControl(HWND dialog, int id);

    COLORREF BackColor() const;
    void SetBackColor(COLORREF color);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc) const;
    void OnPaint();
    void UserControl_Resize(WINDOWPOS* pos) const;

    // CLR_INVALID stands for the system button-face colour, which follows the colour scheme.
    COLORREF m_backColor = CLR_INVALID;
};

// Replaces a placeholder control of a dialog by a control window at the same place, with
// the same ID and the same position in the tab order. Returns the placeholder's rectangle in
// the dialog's client coordinates.
RECT TakePlaceholderRect(HWND dialog, int id);
void ReplacePlaceholder(HWND dialog, int id, HWND control);
