// Control IDs of the save window.
#pragma once

#define IDC_SAVE_LISTTITLE 3301
#define IDC_SAVE_PROFILES 3302
#define IDC_SAVE_INFO 3303
