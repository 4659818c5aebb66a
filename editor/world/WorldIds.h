#pragma once
// Resource, control and command ids of the world map editor's windows.

#define IDD_WORLD_MAP 152
#define IDD_CHIP_PALETTE 154
#define IDR_WORLD_MENU 155
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
