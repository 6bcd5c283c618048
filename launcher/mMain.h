// Start-up, single instance and shutdown.
#pragma once

// windows.h maps the name CreateMutex to CreateMutexA. Included here, before the routine's
// declaration, the mapping applies to this routine in every file alike, whatever it includes
// first; having no parameters keeps it apart from the system's.
#include <windows.h>
#include <string>

// What the launcher gives the layers below it before anything else runs: its title (also the
// source of run-time errors), its error report window, the errors it shows as plain messages
// and its profile windows.
void InstallLauncherServices();
// OLE (drag and drop, shell links) and the common controls on this thread for the life of the
// object: what every run of the launcher needs before its first window.
class LauncherThreadSetup {
public:
    LauncherThreadSetup();
    ~LauncherThreadSetup();
    LauncherThreadSetup(const LauncherThreadSetup&) = delete;
    LauncherThreadSetup& operator=(const LauncherThreadSetup&) = delete;
};
// Creates g_cApp and g_cTranslate over the work folder ("" for the launcher's own).
void CreatePublicObjects(const std::string& workDirectory);
// The launcher's entry: creates the global objects, loads, shows the main window.
// Returns false when the launcher ends without a window.
bool Main();
// The same on another work folder (the folder of the settings file, config\, doc\ and tools\);
// "" means the launcher's own folder.
bool Main(const std::string& workDirectory);
// Main, then the message loop for as long as the main window lives.
int RunLauncher();
void CreateMutex();
