#pragma once
// The name-entry window's template and controls.
#define IDD_NAME_ENTRY 102
#define IDC_NAME_PICTURE 1075
#define IDC_NAME_EDIT 1003
#define IDC_NAME_OK 1000
#define IDC_NAME_CANCEL 1001
