// Start-up, single instance and shutdown.
#pragma once

#include <windows.h>
#include <string>

// winbase.h maps CreateMutex to CreateMutexA; this module's routine keeps the name. windows.h is
// included first so that its guard keeps the mapping from coming back.
#undef CreateMutex

// The launcher's entry: creates the global objects, loads, shows the main window.
// Returns false when the launcher ends without a window.
bool Main();
// The same on another work folder (the folder of the settings file, config\, doc\ and tools\);
// "" means the launcher's own folder.
bool Main(const std::string& workDirectory);
// Main, then the message loop for as long as the main window lives.
int RunLauncher();
void CreateMutex();
void ClosePublicObjects();
std::string AskForVekoPath(HWND owner, const std::string& currentPath);
std::string AskForEditor(HWND owner, const std::string& currentPath);
std::string GetVekoraFile_VersionInfo(const std::string& vekoraPath);
