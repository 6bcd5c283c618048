// Lingobench's start: its title and error display, the main window and its message loop, or
// the check of the command line, which opens no window.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <vector>

#include "base/DialogBase.h"
#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "langeditor/CheckCommand.h"
#include "langeditor/ConsoleOutput.h"
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

int RunFromCommandLine(const std::vector<std::string>& args)
{
    const ConsoleOutput output;
    try {
        return RunCommandLine(args, GetAppPath(), [&](const std::string& line) { output.WriteLine(line); });
    } catch (...) {
        output.WriteLine("The check failed: " + CurrentError().Description);
        return CHECK_BAD_INPUT;
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    SetProgramTitle("Lingobench");
    SetErrorReportDisplay(ShowErrorMessage);
    if (__argc > 1) return RunFromCommandLine(std::vector<std::string>(__argv + 1, __argv + __argc));
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    frmLingobench main;
    main.Load();
    if (!main.InitDialog(GetAppPath(), ExeTitle())) return 0;
    main.ShowModeless();
    UpdateWindow(main.Hwnd());
    return RunMessageLoop();
}
