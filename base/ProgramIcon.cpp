// Program icons on main windows.
#include "base/ProgramIcon.h"

bool RegisterProgramDialogClass(const char* className, int iconId)
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA program = {sizeof(program)};
    if (GetClassInfoExA(instance, className, &program)) return true;
    // The system's dialog class gives its procedure, its window bytes and its cursor.
    if (!GetClassInfoExA(nullptr, WC_DIALOG, &program)) return false;
    program.hInstance = instance;
    program.lpszClassName = className;
    program.hIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_SHARED));
    program.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                                    GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    return RegisterClassExA(&program) != 0;
}
