// Control IDs of the upload window (Close is IDOK).
#pragma once

#define IDC_UP_FOLDER 4401
#define IDC_UP_OPEN 4402
#define IDC_UP_LINK 4403
