// The one seam for modal system services a test cannot click through: message boxes, the
// open-file dialog, the folder browser, shell starts, the clipboard and the error report.
// The program uses the real Win32 implementation; tests install a scriptable double. Each
// program names itself and installs its own error report at start-up.
#pragma once

#include <windows.h>
#include <cstdint>
#include <string>

class SystemServices {
public:
    virtual ~SystemServices() = default;

    // MessageBoxA with the program's title; a null owner means the active window.
    virtual int MsgBox(HWND owner, const std::string& text, UINT type) = 0;
    // GetOpenFileNameA; on failure the caller asks CommonDialogError (CommDlgExtendedError)
    // whether it was a cancel (0) or an error.
    virtual bool RunOpenFileDialog(OPENFILENAMEA& ofn) = 0;
    virtual DWORD CommonDialogError() = 0;
    // SHBrowseForFolderA limited to file-system folders; "" when cancelled.
    virtual std::string BrowseForFolder(HWND owner, const std::string& title, int rootFolder) = 0;
    // ShellExecuteA; the result as the shell returns it.
    virtual INT_PTR ShellExecuteFile(HWND owner, const std::string& operation, const std::string& file,
                                 const std::string& parameters, const std::string& directory, int show) = 0;
    // Clears the clipboard and puts plain text on it.
    virtual bool SetClipboardText(HWND owner, const std::string& text) = 0;
    // Shows the error report modally (the display the program installed).
    virtual void ShowErrorReport(const std::string& description, const std::string& source, int32_t number) = 0;
};

// The services in force: the real ones unless a test installed others.
SystemServices& Sys();
// Installs other services (nullptr restores the real ones); returns the previous ones.
SystemServices* SetSystemServices(SystemServices* services);

// The title every message box of the program carries; run-time errors are born with it as
// their source. Empty until the program sets it.
const std::string& ProgramTitle();
void SetProgramTitle(const std::string& title);

// How the real services show an error report. Without one installed, a plain error message
// box with the description.
using ErrorReportDisplay = void (*)(const std::string& description, const std::string& source, int32_t number);
void SetErrorReportDisplay(ErrorReportDisplay display);
