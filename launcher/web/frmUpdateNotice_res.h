// Control IDs of the update notice.
#pragma once

#define IDC_UN_LBLINFO 4301
#define IDC_UN_LBLVERSION 4302
#define IDC_UN_CMDOPENPAGE 4303
#define IDC_UN_CMDREMINDLATER 4304
#define IDC_UN_CMDSKIPVERSION 4305
