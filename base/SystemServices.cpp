// The real Win32 implementation of the system-services seam.
#include "base/SystemServices.h"

#include <commdlg.h>
#include <cstring>

#include "base/ScopedWin.h"
#include "base/ShellFunctions.h"
#include "base/SystemLibrary.h"

namespace {

std::string g_programTitle;
ErrorReportDisplay g_errorReportDisplay = nullptr;

bool OpenClipboardPatiently(HWND owner)
{
    // Another program may hold the clipboard for a moment.
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(20);
    }
    return false;
}

bool PutTextOnClipboard(HWND owner, const std::string& text)
{
    ScopedHGlobal memory(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (!memory.Get()) return false;
    {
        ScopedGlobalLock lock(memory.Get());
        if (!lock.Data()) return false;
        memcpy(lock.Data(), text.c_str(), text.size() + 1);
    }
    if (!OpenClipboardPatiently(owner)) return false;
    EmptyClipboard();
    // The clipboard owns the memory once SetClipboardData succeeds.
    const bool stored = SetClipboardData(CF_TEXT, memory.Get()) != nullptr;
    if (stored) memory.Release();
    CloseClipboard();
    return stored;
}

class Win32Services : public SystemServices {
public:
    int MsgBox(HWND owner, const std::string& text, UINT type) override
    {
        return MessageBoxA(owner ? owner : GetActiveWindow(), text.c_str(), g_programTitle.c_str(), type);
    }

    bool RunOpenFileDialog(OPENFILENAMEA& ofn) override
    {
        return SystemFunction<decltype(&GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA")(&ofn) != FALSE;
    }

    DWORD CommonDialogError() override
    {
        return SystemFunction<decltype(&CommDlgExtendedError)>("comdlg32.dll", "CommDlgExtendedError")();
    }

    std::string BrowseForFolder(HWND owner, const std::string& title, int rootFolder) override
    {
        ScopedCoMem<ITEMIDLIST> root;
        ShellDll::SHGetSpecialFolderLocation(owner, rootFolder, &root);
        char display[MAX_PATH] = {};
        BROWSEINFOA bi = {};
        bi.hwndOwner = owner;
        bi.pidlRoot = root.Get();
        bi.pszDisplayName = display;
        bi.lpszTitle = title.c_str();
        bi.ulFlags = BIF_RETURNONLYFSDIRS;
        ScopedCoMem<ITEMIDLIST> chosen(ShellDll::SHBrowseForFolderA(&bi));
        if (!chosen.Get()) return "";
        char path[512] = {};
        if (!ShellDll::SHGetPathFromIDListA(chosen.Get(), path)) return "";
        return path;
    }

    INT_PTR ShellExecuteFile(HWND owner, const std::string& operation, const std::string& file,
                         const std::string& parameters, const std::string& directory, int show) override
    {
        HINSTANCE result = ShellDll::ShellExecuteA(owner, operation.empty() ? nullptr : operation.c_str(), file.c_str(),
                                         parameters.empty() ? nullptr : parameters.c_str(),
                                         directory.empty() ? nullptr : directory.c_str(), show);
        return reinterpret_cast<INT_PTR>(result);
    }

    bool SetClipboardText(HWND owner, const std::string& text) override
    {
        // Opened without a window, emptying leaves the clipboard without an owner and the
        // system then refuses the data; a hidden helper window stands in for a missing owner.
        HWND helper = nullptr;
        if (!owner) helper = owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                                     GetModuleHandleA(nullptr), nullptr);
        bool stored = PutTextOnClipboard(owner, text);
        if (helper) DestroyWindow(helper);
        return stored;
    }

    void ShowErrorReport(const std::string& description, const std::string& source, int32_t number) override
    {
        if (g_errorReportDisplay) {
            g_errorReportDisplay(description, source, number);
        } else {
            MsgBox(nullptr, description, MB_ICONERROR | MB_OK);
        }
    }
};

Win32Services g_win32Services;
SystemServices* g_services = &g_win32Services;

} // namespace

SystemServices& Sys()
{
    return *g_services;
}

SystemServices* SetSystemServices(SystemServices* services)
{
    SystemServices* previous = g_services;
    g_services = services ? services : &g_win32Services;
    return previous;
}

const std::string& ProgramTitle()
{
    return g_programTitle;
}

void SetProgramTitle(const std::string& title)
{
    g_programTitle = title;
}

void SetErrorReportDisplay(ErrorReportDisplay display)
{
    g_errorReportDisplay = display;
}
