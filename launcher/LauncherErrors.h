// The launcher's own error numbers (plain, or with the object-error base through RaiseError),
// and those of them that the user sees in a message box rather than the error report.
#pragma once

#include <windows.h>

#include "base/mError.h"

enum LauncherError : int32_t {
    ERR_UPDATE_CHECK = 20000,
    ERR_SELF_CHECK = 20001,
    ERR_RESOLUTION_WARNING = 20002, // only shown inside the resolution warning text
    ERR_CANCELED = 20004,
    ERR_COMMON_DIALOG = 20005,
    ERR_INPUT_CHECK = 20006,
    ERR_LANGUAGE_ABBREV = 20007,
    ERR_CREATE_SHORTCUT = 20008,
};

// A cancellation says so when it has a text; a failed input check names what to correct.
inline constexpr MessageBoxError LAUNCHER_MESSAGE_BOX_ERRORS[] = {
    {ERR_CANCELED, MB_ICONINFORMATION | MB_OK, true},
    {ERR_INPUT_CHECK, MB_ICONEXCLAMATION | MB_OK, false},
};
