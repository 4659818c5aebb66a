#pragma once
// Control ids of the two pages of the item data sheet (templates 202 and 203). Both pages hold
// the stepping row, the preview and a run of "継承→" toggles from 1024; the page's own
// controls take one prefix a page, since some ids repeat between the pages with other meanings.
#define IDD_ITEM_PAGE1 202
#define IDD_ITEM_PAGE2 203

// Both pages.
#define IDC_IT_PREV 1021
#define IDC_IT_NEXT 1022
#define IDC_IT_NUMBER 1023
#define IDC_IT_INHERIT_FIRST 1024
#define IDC_IT_PREVIEW 1060

// Page 1 (the appearance conditions are the condition list's ids 1041 .. 1044).
#define IDC_I1_INHERIT_SRC 1268
#define IDC_I1_INHERIT_INDEX 1269
#define IDC_I1_NAME 1002
#define IDC_I1_COND_JUDGE 1255
#define IDC_I1_ONCE_TRUE 1051
#define IDC_I1_OFFSET_X 1040
#define IDC_I1_OFFSET_X_SPIN 1045
#define IDC_I1_OFFSET_Y 1048
#define IDC_I1_OFFSET_Y_SPIN 1049
#define IDC_I1_GRAPHIC_SRC 1254
#define IDC_I1_GRAPHIC 1036
#define IDC_I1_GRAPHIC_SPIN 1037
#define IDC_I1_FRAME 1038
#define IDC_I1_FRAME_SPIN 1039
#define IDC_I1_Z 1256
#define IDC_I1_Z_SPIN 1257
#define IDC_I1_TRANSPARENT 1258
#define IDC_I1_MARK_MODE 1260
#define IDC_I1_MARK 11040
#define IDC_I1_MARK_SPIN 1047
#define IDC_I1_PREVIEW_2 1070

// Page 2.
#define IDC_I2_SCALE 1266
#define IDC_I2_TAKE_MODE 1265
#define IDC_I2_SOUND 1131
#define IDC_I2_SHOW_ON_TAKE 1177
#define IDC_I2_CMDS 1095
#define IDC_I2_CMD_INSERT 1068
#define IDC_I2_CMD_DELETE 1069
#define IDC_I2_CMD_EDIT 1070
#define IDC_I2_STRIP 1006

// The effect list's insert command from its accelerator (Ctrl+I) and its popup menu.
#define ID_I2_CMD_INSERT_KEY 40033
#define ID_I2_CMD_INSERT_MENU 40042
