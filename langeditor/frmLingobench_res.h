// Control IDs of the main window.
#pragma once

#define IDR_LINGOBENCH_MENU 4000
#define IDC_LB_LANG 4001
#define IDC_LB_EDIT 4002
#define IDC_LB_NEW 4003
#define IDC_LB_UPLOAD 4004
#define IDC_LB_HELP 4005
#define IDM_LB_FILE_QUIT 4010
#define IDM_LB_EDIT_NEW 4011
#define IDM_LB_EDIT_EDIT 4012
#define IDM_LB_HELP_HELP 4013
#define IDM_LB_HELP_INFO 4014
// The program's icon (16, 32 and 48 pixels): the first icon of the executable, and the main window's.
#define IDI_LINGOBENCH 1
// The main window's dialog class, which carries that icon.
#define FRMLINGOBENCH_CLASS "Lingobench_frmLingobench"
