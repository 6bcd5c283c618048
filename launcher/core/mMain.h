// Start-up, shutdown and the executable prompts.
#pragma once

#include <string>

// The launcher's entry: creates the global objects, loads, shows the main window.
// Returns false when the launcher ends without a window.
bool Main();
// Main, then the message loop for as long as the main window lives.
int RunLauncher();
void CreateMutex();
void ClosePublicObjects();
std::string AskForVekoPath(const std::string& currentPath);
std::string AskForEditor(const std::string& currentPath);
std::string GetVekoraFile_VersionInfo(const std::string& vekoraPath);
