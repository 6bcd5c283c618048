// Layout arithmetic of the main window, in pixels: its outer size, the row of tabs, the tab
// area with the start button and version line below it, and the page inside the area.
#pragma once

#include <windows.h>
#include <vector>

#include "core/mFunctions.h"

// The window's outer size in twips (15 twips are one pixel at 96 dots per inch).
constexpr int MAIN_WINDOW_WIDTH_TWIPS = 5370;
constexpr int MAIN_WINDOW_HEIGHT_TWIPS = 5310;

// A length given for 96 dots per inch, at the screen's resolution.
int ScaleForDpi(int pixelsAt96, int dpi);

// Left edges of tabs in a row: the first keeps its place, each next one starts one pixel
// after the right edge of the one before.
std::vector<int> TabLefts(int firstLeft, const std::vector<int>& widths);

// Where the visible page lies inside the tab area (area in the window's client coordinates).
RECT PageRectInArea(const RECT& area, int dpi);

struct MainWindowLayout {
    int TabLeft;
    int TabTop;
    int TabHeight;
    RECT Area;         // the tab area, touching the tabs' lower edge
    RECT StartButton;  // bottom right, below the area
    RECT VersionLabel; // bottom left, beside the start button
};
MainWindowLayout ComputeMainWindowLayout(SIZE client, int dpi, int tabHeight, SIZE startButton, int labelHeight);
