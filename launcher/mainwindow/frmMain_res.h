// Control IDs of the main window.
#pragma once

#define IDC_MAIN_PROFILE 2001
#define IDC_MAIN_CMDLINE 2002
