// Start-up, single instance and shutdown.
#include "mMain.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "LauncherErrors.h"
#include "base/DialogBase.h"
#include "base/StartupTrace.h"
#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "core/Application.h"
#include "dialogs/ProfileDialogs.h"
#include "dialogs/frmError.h"
#include "mainwindow/frmMain.h"
#include "translation/cTranslate.h"
#include "web/UpdateNotice.h"

namespace {
std::unique_ptr<frmMain> g_frmMain;
constexpr int PROFILES_PER_IDLE_STEP = 20; // a few milliseconds: input waits no longer

// The profiles the start did not need are read while the player looks at the window, so that
// what their reading corrects (and warns about) is done right after the start as before.
bool LoadProfilesWhenIdle()
{
    bool more = false;
    ShowErrors("mMain.LoadProfilesWhenIdle", [&] {
        more = g_cApp && g_cApp->Profiles().LoadSomePending(PROFILES_PER_IDLE_STEP);
        if (!more) MarkStartup("profiles");
    });
    return more;
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
    SetMessageBoxErrors(LAUNCHER_MESSAGE_BOX_ERRORS);
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
        MarkStartup("settings");
        g_frmMain = std::make_unique<frmMain>();
        g_frmMain->Load();
        MarkStartup("window");
        g_frmMain->InitDialog();
        MarkStartup("texts");
        g_frmMain->LoadData(g_cApp->ActiveProfile());
        MarkStartup("profile");
        g_frmMain->ShowModeless();
        MarkStartup("shown");
        StartQuietUpdateCheck(g_frmMain->Hwnd()); // after the window, so that it costs the start nothing
        RunWhenIdle(LoadProfilesWhenIdle);
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
    MarkStartup("controls");
    int exitCode = 0;
    if (Main()) exitCode = RunMessageLoop();
    g_frmMain.reset();
    return exitCode;
}
