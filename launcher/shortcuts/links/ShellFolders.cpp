// Special folders through the shell's item lists.
#include "shortcuts/links/ShellFolders.h"

#include <windows.h>

#include "base/ScopedWin.h"
#include "base/ShellFunctions.h"
#include "base/mError.h"
#include "base/mFunctions.h"

std::string GetSpecialfolder(int csidl)
{
    return PassErrors("mGetSpecialfolder.GetSpecialfolder", [&]() -> std::string {
        ScopedCoMem<ITEMIDLIST> items;
        if (FAILED(ShellDll::SHGetSpecialFolderLocation(nullptr, csidl, &items)) || !items.Get()) return "";
        char buffer[512] = {};
        if (!ShellDll::SHGetPathFromIDListA(items.Get(), buffer)) return "";
        return CutAtNull(std::string(buffer, sizeof(buffer)));
    });
}

std::string GetDesktopFolder()
{
    return GetSpecialfolder(CSIDL_DESKTOP);
}

std::string GetStartmenuFolder()
{
    return GetSpecialfolder(CSIDL_STARTMENU);
}

std::string GetAppDataFolder()
{
    return GetSpecialfolder(CSIDL_APPDATA);
}

std::string QuickLaunchFolderOf(const std::string& appDataFolder)
{
    // Without an application-data folder the sub-path alone would be taken relative to
    // whatever the current folder happens to be.
    if (appDataFolder.empty()) return "";
    return SetTrailingBackslash(appDataFolder, true) + "Microsoft\\Internet Explorer\\Quick Launch";
}

std::string GetQuickLaunchFolder()
{
    return PassErrors("mGetSpecialfolder.GetQuickLaunchFolder", [&] {
        return QuickLaunchFolderOf(GetAppDataFolder());
    });
}

bool ExistsQuickLaunchFolder()
{
    return PassErrors("mGetSpecialfolder.ExistsQuickLaunchFolder", [&] {
        return FolderExists(GetQuickLaunchFolder());
    });
}
