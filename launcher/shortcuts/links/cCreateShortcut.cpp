// Link files for the shortcut wizard.
#include "shortcuts/links/cCreateShortcut.h"

#include <windows.h>

#include "LauncherErrors.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "shortcuts/links/cShellLink.h"
#include "translation/cTranslate.h"

std::string cCreateShortcut::LinkNameProblem(const std::string& name)
{
    return PassErrors("cCreateShortcut.LinkNameProblem", [&]() -> std::string {
        const size_t bad = name.find_first_of("\\/:*?\"<>|");
        if (bad != std::string::npos) {
            return g_cTranslate->TranslateEx("CREATE_SHORTCUT_DIALOG_NEW", "MSG_NAME_CHARACTER", name.substr(bad, 1));
        }
        // The system drops trailing dots and blanks: such a name is no name at all.
        if (!name.empty() && name.find_first_not_of(". ") == std::string::npos) {
            return g_cTranslate->TranslateEx("CREATE_SHORTCUT_DIALOG_NEW", "MSG_NAME_ONLYDOTS");
        }
        return "";
    });
}

void cCreateShortcut::CreateShortcut(const std::string& folder, const std::string& name, const std::string& target,
                                     const std::string& arguments, const std::string& iconFile)
{
    PassErrors("cCreateShortcut.CreateShortcut", [&] {
        const std::string problem = LinkNameProblem(TrimWhiteSpace(name));
        if (!problem.empty()) RaisePlainError(ERR_CREATE_SHORTCUT, problem);
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
