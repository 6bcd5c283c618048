// The launcher's own version: used by the version resource, the manifest and the code that reports it.
#pragma once

#include "base/Stringize.h"

#define VEKOLAUNCH_VER_MAJOR 0
#define VEKOLAUNCH_VER_MINOR 0
#define VEKOLAUNCH_VER_BUILD 0
#define VEKOLAUNCH_VER_REVISION 24
// "major.minor.revision": the one spelling of the version the launcher shows and stores.
#define VEKOLAUNCH_VER_TEXT                                                                    \
    STRINGIZE_VALUE(VEKOLAUNCH_VER_MAJOR) "." STRINGIZE_VALUE(VEKOLAUNCH_VER_MINOR) "." \
        STRINGIZE_VALUE(VEKOLAUNCH_VER_REVISION)
