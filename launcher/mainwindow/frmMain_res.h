// Control and menu IDs of the main window and its five pages.
#pragma once

// The window's own children.
#define IDC_MAIN_TAB0 2010 // ucTab1(0) to ucTab1(4): 2010 to 2014
#define IDC_MAIN_TABAREA 2015
#define IDC_MAIN_PAGE0 2020 // picPage(0) to picPage(4): 2020 to 2024
#define IDC_CMDSTART 2030
#define IDC_LBLVERSION 2031

// Page 0: game settings.
#define IDC_LBLVEKOPATH 2100
#define IDC_TXTVEKORAPATH 2101
#define IDC_CMDSELECTVEKOPATH 2102
#define IDC_CKFREEPLAY 2103
#define IDC_LBLFREEPLAYMODE_DESC 2104
#define IDC_CKLOGMESSAGES 2105
#define IDC_LBLLOGMSG 2106
#define IDC_CMDLOGFILE2 2107

// Page 1: scenario.
#define IDC_LBLSCENARIOS 2200
#define IDC_TXTSCENARIO 2201
#define IDC_LBLSCENARIOINFO 2202
#define IDC_LBLGRAPHICPAK 2203
#define IDC_TXTGRAPHICPACK 2204
#define IDC_LBLGRAPHICPAKINFO 2205

// Page 2: display.
#define IDC_FRMRESOLUTION 2300
#define IDC_OPRESOLUTION0 2301
#define IDC_OPRESOLUTION1 2302
#define IDC_LSTRESOLUTION 2303
#define IDC_TXTRES_WIDTH 2304
#define IDC_LABEL16 2305
#define IDC_TXTRES_HEIGHT 2306
#define IDC_LBLWIDTH_HEIGTH 2307
#define IDC_USERCONTROL11 2308
#define IDC_LBLRESOLUTION_WARNING 2309

// Page 3: refresh.
#define IDC_FRMSCREENREFRESH 2400
#define IDC_LSTREFRESH 2401

// Page 4: extra.
#define IDC_FRMOPENVEKOFOLDER 2450
#define IDC_CMDOPENVEKODIR 2451
#define IDC_LBLOPENVEKOFOLDER 2452
#define IDC_FRMOPENLOGFILE 2453
#define IDC_CMDLOGFILE 2454
#define IDC_LBLOPENLOGFILEDESC 2455

// Menu bar. Submenu titles carry IDs of their own so that their texts can be set.
#define IDM_FILE 2500
#define IDM_FILE_SAVE 2501
#define IDM_FILE_PROFILES 2502
#define IDM_PROFILE_NEW 2503
#define IDM_PROFILE_EDIT 2504
#define IDM_FILE_QUIT 2505
#define IDM_PROFILE_DUPLICATE 2506
#define IDM_PROFILE_RENAME 2507
#define IDM_PROFILE_DELETE 2508
#define IDM_EDIT 2510
#define IDM_EDIT_COPYCMDLINE 2511
#define IDM_EXTRA 2520
#define IDM_EXTRA_CREATESHORTCUT 2521
#define IDM_OPTIONS_LANG 2522
#define IDM_EXTRA_ACCESSORIES 2523
#define IDM_EXTRA_ACCESSORIES_LINGOBENCH 2524
#define IDM_EXTRA_BARAFTERACCESSORIES 2525
#define IDM_EXTRA_OPTIONS 2526
#define IDM_EXTRA_UPDATE 2527
#define IDM_HELP 2530
#define IDM_HELP_WEBPAGE 2531
#define IDM_HELP_FAQ 2532
#define IDM_HELP_FAQ_EN 2533
#define IDM_HELP_FEEDBACK 2534
#define IDM_HELP_ABOUT 2535
// Menu control arrays: entry i has the first ID + i.
// Profiles have a range of their own, large enough for any settings file a player keeps.
#define IDM_PROFILE_LIST_FIRST 10000
#define IDM_PROFILE_LIST_LAST 59999
#define IDM_LANG_ITEM_FIRST 2800
#define IDM_LANG_ITEM_LAST 2899
// The program's icon (16, 32 and 48 pixels): the first icon of the executable, which the shell
// shows for the program and for a shortcut to it, and the main window's.
#define IDI_VEKOLAUNCH 1
// The main window's dialog class, which carries that icon.
#define FRMMAIN_CLASS "Vekolaunch_frmMain"
