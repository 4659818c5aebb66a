#pragma once
// Resource, control and command ids of the editor's shell: the main window (dialog 104 with
// menu 128), its toolbar and the accelerator table 105 it shares with the framework's lists.
// Toolbar tooltips are string resources under the id of the button's command.

#define IDI_EDITOR 103
#define IDD_EDIT_WND 104
#define IDR_EDIT_MENU 128
#define IDR_EDIT_ACCEL 105  // the framework's table (framework/ListMenus.rc)

// Controls of the main window.
#define IDC_EDIT_STATUS 1
#define IDC_EDIT_TOOLBAR 124
#define IDC_CANVAS 1006
#define IDC_CANVAS_HBAR 1008
#define IDC_CANVAS_VBAR 1009

// Commands of the main window: menu items, toolbar buttons and accelerators.
#define ID_FILE_NEW 40079
#define ID_FILE_OPEN 40074
#define ID_FILE_CLOSE 40130
#define ID_FILE_SAVE 40077
#define ID_FILE_SAVE_AS 40076
#define ID_FILE_SAVE_COMMON 40129
#define ID_EDIT_UNDO 40052
#define ID_EDIT_REDO 40053
#define ID_LAYER_BLOCKS 40054
#define ID_LAYER_CHARAS 40055
#define ID_LAYER_ITEMS 40056
#define ID_TOOL_BLOCKS 40048
#define ID_TOOL_CHARAS 40049
#define ID_TOOL_ITEMS 40050
#define ID_CLEAR_BLOCKS 40057
#define ID_CLEAR_CHARAS 40058
#define ID_CLEAR_ITEMS 40059
#define ID_VIEW_COMMON 40148
#define ID_VIEW_STAGE 40149
#define ID_VIEW_GROUP 40150
#define ID_STAGE_SETTINGS 40013
#define ID_STAGE_LOAD_PALETTE 40083
#define ID_STAGE_SAVE_PALETTE 40084
#define ID_STAGE_OPTIONS 40085
#define ID_TOOL_DATABASE 40063
#define ID_TOOL_WORLD_MAP 40064
#define ID_TOOL_SYSTEM 40122
#define ID_TOOL_PROJECT_OPTIONS 40062
#define ID_TOOL_BITMAP 40061
#define ID_PLAY_STAGE 40060
#define ID_PLAY_STAGE_BUTTON 40081
#define ID_PLAY_GAME 40131
#define ID_PLAY_GAME_BUTTON 40134

// Accelerators of table 105.
#define ID_ACCEL_COPY 40001
#define ID_ACCEL_INSERT 40002
#define ID_ACCEL_NEW 40003
#define ID_ACCEL_OPEN 40004
#define ID_ACCEL_SAVE 40005
#define ID_ACCEL_PLAY_STAGE 40006
#define ID_ACCEL_PASTE 40007
#define ID_ACCEL_DELETE 40008
#define ID_ACCEL_CUT 40009
#define ID_ACCEL_REDO 40010
#define ID_ACCEL_UNDO 40011
#define ID_ACCEL_PLAY_GAME 40133
