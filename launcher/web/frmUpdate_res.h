// Control IDs of the update window.
#pragma once

#define IDC_UPDATE_LABEL1 7101
#define IDC_UPDATE_HLINE1 7102
#define IDC_UPDATE_STEPS 7103 // the place of the steps
#define IDC_UPDATE_HLINE2 7104
#define IDC_UPDATE_CMDSEARCHUPDATES 7105
#define IDC_UPDATE_CMDOPENUPDATEPAGE 7106
#define IDC_UPDATE_STEP0 7110 // and 7111

// Step 1: go online and press Next
#define IDC_UPDATE_LABEL2 7121
#define IDC_UPDATE_LABEL3 7122

// Step 2: the answer
#define IDC_UPDATE_LABEL4 7131
#define IDC_UPDATE_LBLUPDATEINFO 7132
#define IDC_UPDATE_LBLOPENUPDATEPAGE 7133
