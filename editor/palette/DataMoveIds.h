#pragma once
// Control ids of the data move dialog (template 138).
#define IDD_DATA_MOVE 138
#define IDC_DM_OK 1000
#define IDC_DM_CANCEL 1001
#define IDC_DM_FIRST 1038
#define IDC_DM_FIRST_SPIN 1039
#define IDC_DM_LAST 1004
#define IDC_DM_LAST_SPIN 1012
#define IDC_DM_DEST 1005
#define IDC_DM_DEST_SPIN 1013
#define IDC_DM_OP 1040
