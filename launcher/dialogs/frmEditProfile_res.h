// Control IDs of the profile window (new profile and edit).
#pragma once

#define IDC_EP_LBLNAME 3201
#define IDC_EP_NAME 3202
#define IDC_EP_LBLDESC 3203
#define IDC_EP_DESCRIPTION 3204
#define IDC_EP_HLINE1 3205
