// Process entry of Vekolaunch.exe.
#include <windows.h>
#include "mMain.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return RunLauncher();
}
