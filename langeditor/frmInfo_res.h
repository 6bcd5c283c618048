// Control IDs of the Info window (OK is IDOK).
#pragma once

#define IDC_IN_VERSION 4501
