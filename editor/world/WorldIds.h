#pragma once
// Resource, control and command ids of the world map editor's windows.

#define IDD_WORLD_MAP 152
#define IDD_WORLD_SETTING 153
#define IDD_CHIP_PALETTE 154
#define IDR_WORLD_MENU 155
#define IDD_EVENT_PALETTE 158
#define IDR_WORLD_POPUP 163

// Controls of the world map window.
#define IDC_WORLD_STATUS 1
#define IDC_WORLD_TOOLBAR 124
#define IDC_WORLD_CANVAS 1006

// Commands of the world map window: menu, toolbar, accelerators (table 105) and popup.
#define ID_WORLD_SAVE 40015
#define ID_WORLD_EXIT 40055
#define ID_WORLD_UNDO 40052
#define ID_WORLD_REDO 40053
#define ID_WORLD_CHIP_MODE 40073
#define ID_WORLD_CHIP_BUTTON 40071
#define ID_WORLD_EVENT_MODE 40050
#define ID_WORLD_EVENT_BUTTON 40072
#define ID_WORLD_CLEAR_CHIPS 40066
#define ID_WORLD_CLEAR_EVENTS 40068
#define ID_WORLD_SETTINGS 40056
#define ID_WORLD_EVENT_EDIT 50059
#define ID_WORLD_EVENT_CUT 40038
#define ID_WORLD_EVENT_COPY 40039
#define ID_WORLD_EVENT_PASTE 40040
#define ID_WORLD_EVENT_DELETE 40043
#define ID_WORLD_EVENT_NEW 40028
#define ID_WORLD_PAINT_TOOL 40044

// Controls of the settings dialog.
#define IDC_WS_OK 1000
#define IDC_WS_CANCEL 1001
#define IDC_WS_WIDTH 11210
#define IDC_WS_WIDTH_SPIN 11212
#define IDC_WS_HEIGHT 11211
#define IDC_WS_HEIGHT_SPIN 11166
#define IDC_WS_START_X 1213
#define IDC_WS_START_X_SPIN 1214
#define IDC_WS_START_Y 1215
#define IDC_WS_START_Y_SPIN 1216
#define IDC_WS_BACK_COLOR 1257
#define IDC_WS_BACK_COLOR_SPIN 1258
#define IDC_WS_SWATCH 1259
#define IDC_WS_USE_IMAGE 1035
#define IDC_WS_IMAGE 1255
#define IDC_WS_BROWSE 1256

// Controls of the event palette.
#define IDC_EP_LIST 1241
#define IDC_EP_INSERT 1066
#define IDC_EP_EDIT 1226
#define IDC_EP_DELETE 1067
#define IDC_EP_COUNT 11071
#define IDC_EP_GROUP 1053
#define IDC_EP_EDIT_PLACED 1037
#define IDC_EP_EDIT_BEFORE 1035
#define IDC_EP_AUTO_NUMBERS 1036
