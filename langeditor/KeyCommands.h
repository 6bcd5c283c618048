// Keys that a control hands to its window as commands, the way an accelerator would.
#pragma once

#include <windows.h>

// From now on a press of virtualKey in the control does not reach the control's own handling:
// the control's parent gets WM_COMMAND with commandId and the accelerator code 1 instead.
void SendKeyAsCommand(HWND control, UINT virtualKey, int commandId);
