// Control IDs of the new-language window (Ok and Cancel are IDOK and IDCANCEL).
#pragma once

#define IDC_NL_LANGNAME 4201
#define IDC_NL_USERNAME 4202
#define IDC_NL_ABBREV 4203
