// Lingobench's start: its title and error display, the main window and its message loop.
#include <windows.h>
#include <commctrl.h>

#include "base/DialogBase.h"
#include "base/SystemServices.h"
#include "base/mFunctions.h"
#include "langeditor/frmLingobench.h"

namespace {

// Lingobench has no error report of its own: a failure is told in a plain message box.
void ShowErrorMessage(const std::string& description, const std::string& source, int32_t number)
{
    Sys().MsgBox(nullptr, description, MB_OK | MB_ICONEXCLAMATION);
}

std::string ExeTitle()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    name = name.substr(name.find_last_of('\\') + 1);
    return name.substr(0, name.find_last_of('.'));
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    SetProgramTitle("Lingobench");
    SetErrorReportDisplay(ShowErrorMessage);
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    frmLingobench main;
    main.Load();
    if (!main.InitDialog(GetAppPath(), ExeTitle())) return 0;
    main.ShowModeless();
    UpdateWindow(main.Hwnd());
    return RunMessageLoop();
}
