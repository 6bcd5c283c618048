// Control IDs of the test window.
#pragma once

#define IDR_TEST_MENU 4300
#define IDM_TEST_TEST 4301
#define IDC_TS_TEXT 4302
#define IDC_TS_BUTTON 4303
#define IDC_TS_CHECK 4304
