// The launcher's own version: used by the version resource and by the code that reports it.
#pragma once

#define VEKOLAUNCH_VER_MAJOR 0
#define VEKOLAUNCH_VER_MINOR 0
#define VEKOLAUNCH_VER_BUILD 0
#define VEKOLAUNCH_VER_REVISION 24
#define VEKOLAUNCH_VER_TEXT "0.0.24"
