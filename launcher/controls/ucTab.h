// ucTab: one custom-drawn tab (a caption in a light-grey box) that knows whether it is active.
#pragma once

#include <windows.h>
#include <string>

#include "base/BaseWindow.h"

// Notification codes in the high word of the WM_COMMAND the tab sends to its parent
// (low word: the tab's control ID, lParam: the tab's window).
constexpr WORD UCTAB_CLICK = BN_CLICKED; // the user clicked the tab; sent before it turns active
constexpr WORD UCTAB_RESIZE = 0x0101;    // the tab has taken its width from its caption

// Geometry of a tab, in pixels inside the control.
constexpr int UCTAB_LABEL_LEFT = 8;
constexpr COLORREF UCTAB_BORDER_COLOR = RGB(128, 128, 128);
constexpr COLORREF UCTAB_FILL_COLOR = RGB(224, 224, 224);

struct TabLook {
    int BorderWidth; // of the box
    int BoxTop;
    int LabelTop;
    int BoxHeight;   // the active box reaches below the control, so its lower border is hidden
};

// Width of a tab whose caption is labelWidth pixels wide: equal margins left and right.
int TabWidthForLabel(int labelWidth);
// The box and caption placement of an active or inactive tab of that inner height.
TabLook TabLookFor(bool active, int innerHeight);
// A tab height that fits the caption in both looks: caption top + text height + margin.
int TabHeightForText(int textHeight);

// Usage (the host creates the tab in code; a dialog template cannot carry the object):
//   ucTab tab; tab.Create(hwndParent, IDC_TAB0, RECT{left, top, left + 1, top + height}, "Display");
// The tab takes the parent's font (WM_GETFONT, else the default GUI font), sets its own width
// from the caption at once and keeps the height it was given. Clicks and size changes reach the
// host as WM_COMMAND(UCTAB_CLICK / UCTAB_RESIZE). Give the tab WS_TABSTOP (style argument) to
// let it take the focus; Space then clicks it. A page set (controls/PageSet.h) owns a row of them.
class ucTab : public BaseWindow<ucTab> {
public:
    static const char* ClassName() { return "Vekolaunch_ucTab"; }

    bool Create(HWND parent, int id, const RECT& rect, const std::string& caption = "",
                DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);

    // The caption; writing it sizes the tab again (and reports UCTAB_RESIZE).
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // Writing it changes the look only; the host decides which tab is the active one.
    bool IsActive() const { return m_blnActive; }
    void SetIsActive(bool active);

    int Left() const;
    int Width() const;
    // Moves the tab; its width stays the one its caption gives.
    void SetLeft(int left);
    // Width of the caption in pixels with the tab's font.
    int LabelWidth() const;
    int LabelHeight() const;

    // Draws the tab into dc (also what WM_PAINT and WM_PRINTCLIENT do).
    void Paint(HDC dc) override;

protected:
    // Drawn off screen first so that switching tabs does not flicker.
    PaintStyle Painting() const override { return PaintStyle::Buffered; }
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void UserControl_Resize();
    void RaiseClick();
    SIZE MeasureCaption() const;
    SIZE MeasureText(const std::string& caption) const;

    bool m_blnActive = false;
    bool m_pressed = false;
    HFONT m_font = nullptr; // not owned: the parent's font or a stock font
};
