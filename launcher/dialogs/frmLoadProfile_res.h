// Control IDs of the load-profile window.
#pragma once

#define IDC_LP_LABEL1 3101
#define IDC_LP_PROFILES 3102
#define IDC_LP_HELP 3105
