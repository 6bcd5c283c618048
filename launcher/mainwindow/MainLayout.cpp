// Layout arithmetic of the main window.
#include "mainwindow/MainLayout.h"

namespace {
constexpr int MARGIN = 6;     // between the window's edge and its contents
constexpr int BUTTON_GAP = 6; // between the tab area and the start button
} // namespace

MainWindowLayout ComputeMainWindowLayout(SIZE client, int dpi, int tabHeight, SIZE startButton, int labelHeight)
{
    const int margin = ScaleForDpi(MARGIN, dpi);
    MainWindowLayout layout = {};
    layout.TabLeft = margin;
    layout.TabTop = margin;
    layout.TabHeight = tabHeight;
    const int buttonTop = client.cy - margin - startButton.cy;
    layout.StartButton = RECT{client.cx - margin - startButton.cx, buttonTop, client.cx - margin, client.cy - margin};
    // The tabs' lowest pixel row lies on the area's upper border, so the active tab, whose box
    // reaches below its own edge, covers that border and opens into the area.
    layout.Area = RECT{margin, margin + tabHeight - 1, client.cx - margin, buttonTop - ScaleForDpi(BUTTON_GAP, dpi)};
    const int labelTop = buttonTop + (startButton.cy - labelHeight) / 2;
    layout.VersionLabel = RECT{margin, labelTop, layout.StartButton.left - margin, labelTop + labelHeight};
    return layout;
}
