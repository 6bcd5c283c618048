// Link files for the shortcut wizard.
#include "shortcuts/links/cCreateShortcut.h"

#include <windows.h>

#include "base/mError.h"
#include "base/mFunctions.h"
#include "shortcuts/links/cShellLink.h"

void cCreateShortcut::CreateShortcut(const std::string& folder, const std::string& name, const std::string& target,
                                     const std::string& arguments, const std::string& iconFile)
{
    PassErrors("cCreateShortcut.CreateShortcut", [&] {
        const std::string linkFolder = TrimWhiteSpace(SetTrailingBackslash(TrimWhiteSpace(folder), true));
        CreateFolderPath(linkFolder);
        CreateShortcut2(GetShortcutFolder(linkFolder, name), target, arguments, iconFile);
    });
}

std::string cCreateShortcut::GetShortcutFolder(const std::string& folder, const std::string& name)
{
    return PassErrors("cCreateShortcut.GetShortcutFolder", [&] {
        std::string fileName = TrimWhiteSpace(name);
        if (fileName.size() < 4 || LowerCase(fileName.substr(fileName.size() - 4)) != ".lnk") fileName += ".lnk";
        return folder + fileName;
    });
}

void cCreateShortcut::CreateShortcut2(const std::string& LnkFile, const std::string& ExeFile, const std::string& ExeArgs,
                                      const std::string& IconFile)
{
    PassErrors("cCreateShortcut.CreateShortcut2", [&] {
        cShellLink link;
        if (!link.CreateShellLink(LnkFile, ExeFile, ExtractPath(ExeFile), ExeArgs, IconFile, 0, SW_SHOW)) {
            RaisePlainError(ERR_CREATE_SHORTCUT, link.FailureText());
        }
    });
}
