// Start-up, single instance and shutdown.
#include "mMain.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "base/DialogBase.h"
#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "core/Application.h"
#include "core/mCommonDialog.h"
#include "dialogs/ProfileDialogs.h"
#include "dialogs/frmError.h"
#include "fileinfo/CFileVersionInfo.h"
#include "mainwindow/frmMain.h"
#include "translation/cTranslate.h"
#include "web/UpdateNotice.h"

namespace {
std::unique_ptr<frmMain> g_frmMain;

std::string AskForExecutable(HWND owner, const std::string& initialName, const std::string& titleSection)
{
    OpenFileDialogArgs args;
    // Owned by the window that asks, so that it takes no input, and asks nothing twice, meanwhile.
    args.Owner = owner;
    args.FileName = initialName;
    args.Filter = g_cTranslate->TranslateEx("GLOBAL", "FILETYPEDESC_EXE", "", "") + " (*.exe)|*.exe";
    args.FilterIndex = 1;
    args.Title = g_cTranslate->TranslateEx(titleSection, "DIALOG_CAPTION", "", "");
    args.DefaultExt = ".exe";
    args.FileMustExist = true;
    args.HideReadOnly = true;
    args.RaiseOnCancel = false;
    return ShowOpenFileDialog(args);
}
} // namespace

void CreateMutex()
{
    PassErrors("mMutex.CreateMutex", [&] {
        SECURITY_ATTRIBUTES attributes = {};
        attributes.nLength = sizeof(attributes); // no descriptor, not inheritable
        // The handle is kept by nobody: the mutex lives until the process ends.
        CreateMutexA(&attributes, FALSE, "Vekolaunch_MTX");
    });
}

void InstallLauncherServices()
{
    SetProgramTitle("Vekolaunch");
    SetErrorReportDisplay(&frmError::ShowReport);
    SetProfileWindows(&ProfileDialogs());
}

bool Main()
{
    return Main("");
}

bool Main(const std::string& workDirectory)
{
    InstallLauncherServices();
    bool started = false;
    ShowErrors("mMain.Main", [&] {
        CreateMutex();
        CreatePublicObjects(workDirectory);
        if (!g_cApp->LoadData()) return;
        g_frmMain = std::make_unique<frmMain>();
        g_frmMain->Load();
        g_frmMain->InitDialog();
        g_frmMain->LoadData(g_cApp->ActiveProfile());
        g_frmMain->ShowModeless();
        StartQuietUpdateCheck(g_frmMain->Hwnd()); // after the window, so that it costs the start nothing
        started = true;
    });
    return started;
}

LauncherThreadSetup::LauncherThreadSetup()
{
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

LauncherThreadSetup::~LauncherThreadSetup()
{
    OleUninitialize();
}

void CreatePublicObjects(const std::string& workDirectory)
{
    g_cApp = workDirectory.empty() ? std::make_unique<Application>() : std::make_unique<Application>(workDirectory);
    g_cTranslate = std::make_unique<cTranslate>();
}

int RunLauncher()
{
    const LauncherThreadSetup setup;
    int exitCode = 0;
    if (Main()) exitCode = RunMessageLoop();
    g_frmMain.reset();
    return exitCode;
}

void ClosePublicObjects()
{
    g_cTranslate.reset();
    g_cApp.reset();
}

std::string AskForVekoPath(HWND owner, const std::string& currentPath)
{
    return PassErrors("mMain.AskForVekoPath", [&] {
        const std::string initial = FileExists(currentPath) ? currentPath : "vekora.exe";
        return AskForExecutable(owner, initial, "SELECT_VEKORAFOLDER_DIALOG");
    });
}

std::string AskForEditor(HWND owner, const std::string& currentPath)
{
    return PassErrors("mMain.AskForEditor", [&] {
        const std::string initial =
            FileExists(currentPath) ? currentPath : SetTrailingBackslash(GetWindowsDir(), true) + "write.exe";
        return AskForExecutable(owner, initial, "SELECT_TEXTEDITOR_DIALOG");
    });
}

std::string GetVekoraFile_VersionInfo(const std::string& vekoraPath)
{
    return PassErrors("mMain.GetVekoraFile_VersionInfo", [&]() -> std::string {
        if (vekoraPath.empty()) return "Vekora";
        CFileVersionInfo info;
        info.SetFullPathName(vekoraPath);
        if (info.Available()) {
            const std::string text = info.ProductName() + " " + info.ProductVersion();
            // A resource whose strings cannot be read names nothing; a lone blank is no name.
            if (!TrimWhiteSpace(text).empty()) return text;
        }
        return "Vekora";
    });
}
