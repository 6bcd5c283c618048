// Program icons on windows.
#include "base/ProgramIcon.h"

void SetProgramIcon(HWND window, int iconId)
{
    const struct { WPARAM Kind; int Width, Height; } sizes[] = {
        {ICON_BIG, SM_CXICON, SM_CYICON}, {ICON_SMALL, SM_CXSMICON, SM_CYSMICON}};
    for (const auto& size : sizes) {
        HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                 GetSystemMetrics(size.Width), GetSystemMetrics(size.Height), LR_SHARED);
        SendMessageA(window, WM_SETICON, size.Kind, reinterpret_cast<LPARAM>(icon));
    }
}
