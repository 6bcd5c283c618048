// The launcher's own version: used by the version resource and by the code that reports it.
#pragma once

#define VEKOLAUNCH_VER_MAJOR 0
#define VEKOLAUNCH_VER_MINOR 0
#define VEKOLAUNCH_VER_BUILD 0
#define VEKOLAUNCH_VER_REVISION 24
// "major.minor.revision": the one spelling of the version the launcher shows and stores.
#define VEKOLAUNCH_VER_STRING_(n) #n
#define VEKOLAUNCH_VER_STRING(n) VEKOLAUNCH_VER_STRING_(n)
#define VEKOLAUNCH_VER_TEXT                                                                    \
    VEKOLAUNCH_VER_STRING(VEKOLAUNCH_VER_MAJOR) "." VEKOLAUNCH_VER_STRING(VEKOLAUNCH_VER_MINOR) "." \
        VEKOLAUNCH_VER_STRING(VEKOLAUNCH_VER_REVISION)
