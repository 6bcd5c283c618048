// The special folders the wizard offers.
#include <gtest/gtest.h>
#include <shlobj.h>

#include "base/mFunctions.h"
#include "shortcuts/links/ShellFolders.h"

TEST(ShellFolders, QuickLaunchHasOneBackslashBelowApplicationData)
{
    EXPECT_EQ(QuickLaunchFolderOf("C:\\Users\\x\\AppData"), "C:\\Users\\x\\AppData\\Microsoft\\Internet Explorer\\Quick Launch");
    EXPECT_EQ(QuickLaunchFolderOf("C:\\Users\\x\\AppData\\"), "C:\\Users\\x\\AppData\\Microsoft\\Internet Explorer\\Quick Launch");
    // Not a folder relative to wherever the program runs.
    EXPECT_EQ(QuickLaunchFolderOf(""), "");
}

TEST(ShellFolders, ShellFoldersAreExistingFoldersOrEmpty)
{
    for (const std::string& folder : {GetDesktopFolder(), GetStartmenuFolder(), GetAppDataFolder()}) {
        EXPECT_TRUE(FolderExists(folder)) << folder;
    }
    // The drives folder is no file-system folder: the shell has no path for it.
    EXPECT_EQ(GetSpecialfolder(CSIDL_DRIVES), "");
}
