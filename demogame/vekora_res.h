// Control IDs of the demo game's window.
#pragma once

#define IDD_VEKORA_DEMO 100
#define IDC_PARAMETERS 1001
#define IDC_DIRECTORY 1002
