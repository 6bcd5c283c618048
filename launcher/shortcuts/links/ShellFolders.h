// Paths of the Windows special folders the shortcut wizard offers as destinations.
#pragma once

#include <string>

// The path of the folder with that CSIDL number (shlobj.h), or "" when the shell cannot give one.
std::string GetSpecialfolder(int csidl);
std::string GetDesktopFolder();
std::string GetStartmenuFolder();
std::string GetAppDataFolder();
// The quick-launch folder below an application-data folder; "" for an unknown one.
std::string QuickLaunchFolderOf(const std::string& appDataFolder);
std::string GetQuickLaunchFolder();
bool ExistsQuickLaunchFolder();
