// The program's own icon in its main window's title bar and task-bar button.
#pragma once

#include <windows.h>

// Registers, once, the dialog class `className` that a main window's template names (CLASS):
// the system's dialog class carrying the icon resource of the running program in the system's
// large and small sizes. The window system takes a new window's icon from its class; an icon
// set afterwards (WM_SETICON) is taken again, once for each size. False if the class could not
// be registered.
bool RegisterProgramDialogClass(const char* className, int iconId);
