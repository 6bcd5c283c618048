// Control IDs of the error report window.
#pragma once

#define IDC_ERR_TABSTRIP 1001
#define IDC_ERR_LABEL1 1002
#define IDC_ERR_DESC 1003
#define IDC_ERR_CONTACT 1004
#define IDC_ERR_DETAILS 1005
#define IDC_ERR_NOTE 1006
#define IDC_ERR_REPORT 1007
#define IDC_ERR_COPY 1008
#define IDC_ERR_MAIL 1009
#define IDC_ERR_ICON 1011
#define IDC_ERR_PAGE0 1020 // the pages "General" and "Contact author": 1020 and 1021
