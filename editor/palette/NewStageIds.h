#pragma once
// Control ids of the new-stage dialog (template 247).
#define IDD_NEW_STAGE 247
#define IDC_NS_OK 1000
#define IDC_NS_CANCEL 1001
#define IDC_NS_TEMPLATE 1247
#define IDC_NS_TEMPLATE_BROWSE 1248
#define IDC_NS_PALETTE_MODE 1310
#define IDC_NS_PALETTE_FILE 1311
#define IDC_NS_PALETTE_BROWSE 1312
