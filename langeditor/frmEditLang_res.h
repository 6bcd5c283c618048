// Control IDs of the editing window.
#pragma once

#define IDC_EL_LIST 4101
#define IDC_EL_ONLYNOTTRANSLATED 4102
#define IDC_EL_AUTOSAVE 4103
#define IDC_EL_LBLID 4104
#define IDC_EL_SECTION 4105
#define IDC_EL_TRENNER 4106
#define IDC_EL_ID 4107
#define IDC_EL_LBLENGLISH 4108
#define IDC_EL_ENGLISH 4109
#define IDC_EL_LBLTRANSLATION 4110
#define IDC_EL_TRANSLATION 4111
#define IDC_EL_SAVE 4112
#define IDC_EL_TEST 4113
#define IDC_EL_LBLWARNING 4114
#define IDC_EL_WARNINGS 4115
#define IDC_EL_LBLEXAMPLE 4116
#define IDC_EL_NOTES 4117
#define IDC_EL_NEXTUNTRANSLATED 4118
#define IDC_EL_UNTRANSLATED 4119
// Esc in the translation box; a command of the window, not a control.
#define IDM_EL_DISCARD 4120
