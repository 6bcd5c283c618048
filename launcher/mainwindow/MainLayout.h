// Layout arithmetic of the main window, in pixels: its outer size, the row of tabs, the tab
// area with the start button and version line below it.
#pragma once

#include <windows.h>
#include <vector>

#include "base/mFunctions.h"

// The window's outer size in twips (15 twips are one pixel at 96 dots per inch).
constexpr int MAIN_WINDOW_WIDTH_TWIPS = 5370;
constexpr int MAIN_WINDOW_HEIGHT_TWIPS = 5310;

struct MainWindowLayout {
    int TabLeft;
    int TabTop;
    int TabHeight;
    RECT Area;         // the tab area, touching the tabs' lower edge
    RECT StartButton;  // bottom right, below the area
    RECT VersionLabel; // bottom left, beside the start button
};
MainWindowLayout ComputeMainWindowLayout(SIZE client, int dpi, int tabHeight, SIZE startButton, int labelHeight);
