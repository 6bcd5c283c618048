// Shell starts with a message when they fail.
#include "shell/ShellStart.h"

#include <shellapi.h>

#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "translation/cTranslate.h"

std::string ShellFailureReasonId(INT_PTR shellResult)
{
    switch (shellResult) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_FORMAT: return "ERR_ShellFileNotFound";
    case SE_ERR_ACCESSDENIED: return "ERR_ShellAccessDenied";
    case SE_ERR_NOASSOC:
    case SE_ERR_ASSOCINCOMPLETE: return "ERR_ShellNoAssociation";
    case 0:
    case SE_ERR_OOM: return "ERR_ShellOutOfMemory";
    default: return "ERR_ShellOther";
    }
}

bool OpenWithShell(HWND owner, const std::string& file, const std::string& parameters, const std::string& directory)
{
    return PassErrors("mShellStart.OpenWithShell", [&] {
        INT_PTR result = 0;
        if (ExecuteFile(owner, file, "open", parameters, directory, SW_SHOWNORMAL, &result)) return true;
        const std::string reason =
            g_cTranslate->TranslateEx("ERROR_MESSAGES", ShellFailureReasonId(result), std::to_string(result), "");
        Sys().MsgBox(owner, g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_ShellStartFailed", file, reason),
                     MB_OK | MB_ICONEXCLAMATION);
        return false;
    });
}
