// Control IDs of the About window.
#pragma once

#define IDC_INFO_IMAGE1 7201
#define IDC_INFO_SHAPE1 7202
#define IDC_INFO_LBLVERSION 7203
#define IDC_INFO_TAB0 7210 // and 7211
#define IDC_INFO_PAGE0 7220 // and 7221

// Page 0: the program
#define IDC_INFO_LBLWRITTENBY 7231
#define IDC_INFO_LBLDESIGNEDFOR 7232
#define IDC_INFO_HLINE1 7233
#define IDC_INFO_LBLWEBPAGE_INFO 7234
#define IDC_INFO_LBLWEBPAGE 7235
#define IDC_INFO_LBLEMAIL_INFO 7236
#define IDC_INFO_LBLEMAIL 7237

// Page 1: the credits
#define IDC_INFO_LBLPROGRAMMING 7241
#define IDC_INFO_LBLTRANSLATION 7242
#define IDC_INFO_LBLFAQ 7243
#define IDC_INFO_CREDIT 7250 // the fixed names beside the three labels
