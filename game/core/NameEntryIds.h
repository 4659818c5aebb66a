#pragma once
// The name-entry window's template and controls. The template takes a number of its own: the
// framework's text input dialog, which the game links too, holds 102.
#define IDD_NAME_ENTRY 112
#define IDC_NAME_PICTURE 1075
#define IDC_NAME_EDIT 1003
#define IDC_NAME_OK 1000
#define IDC_NAME_CANCEL 1001
