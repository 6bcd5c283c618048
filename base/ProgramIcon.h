// The program's own icon in a window's title bar and task-bar button.
#pragma once

#include <windows.h>

// Gives the window the icon resource of the running program in the system's large and small
// sizes (the resource holds both; the system keeps the shared images).
void SetProgramIcon(HWND window, int iconId);
