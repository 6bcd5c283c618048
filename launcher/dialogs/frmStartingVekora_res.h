// Control IDs of the start confirmation window.
#pragma once

#define IDC_SV_INFO 3001
#define IDC_SV_CAPTION 3002
#define IDC_SV_WARNING 3003
#define IDC_SV_DONTSHOW 3004
#define IDC_SV_HLINE1 3007
#define IDC_SV_IMAGE1 3008
