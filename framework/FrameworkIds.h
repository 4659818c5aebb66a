#pragma once
// Resource ids of the framework's own dialogs, and the accelerator tables and popup menus of
// the data lists' command id sets.
#define IDD_INPUT_VALUE 101
#define IDD_INPUT_STRING 102
#define IDD_MESSAGE_WND 132

#define IDC_INPUT_OK 1000
#define IDC_INPUT_CANCEL 1001
#define IDC_INPUT_EDIT 1003
#define IDC_INPUT_SPIN 1011
#define IDC_MESSAGE_TEXT 1017
#define IDC_INPUT_LABEL 1075

// Accelerator tables of the list keys (Ctrl+X, C, V, I and Delete among the window's keys).
#define IDR_ACCEL_SET1_CLEAR 105
#define IDR_ACCEL_SET2_CLEAR 106
#define IDR_ACCEL_SET3_CLEAR 107
#define IDR_ACCEL_SET1_DELETE 108
#define IDR_ACCEL_SET3_DELETE 109
#define IDR_ACCEL_SET2_DELETE 110
#define IDR_ACCEL_SET4_CLEAR 111
#define IDR_ACCEL_SET4_DELETE 112

// Popup menus of the lists.
#define IDR_MENU_SET1_CLEAR 112
#define IDR_MENU_SET2_CLEAR 113
#define IDR_MENU_SET3_CLEAR 114
#define IDR_MENU_SET1_DELETE 115
#define IDR_MENU_SET2_DELETE 116
#define IDR_MENU_SET3_DELETE 117
#define IDR_MENU_SET4_CLEAR 176
#define IDR_MENU_SET4_DELETE 177
