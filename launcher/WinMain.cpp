// Process entry of Vekolaunch.exe.
#include <windows.h>
#include "core/mMain.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return RunLauncher();
}
