#pragma once
// Resource ids of the flow operation, stage clear, game wait, message, warp, target and status
// operation dialogs. The warp uses the movement ids of FlowCmdIds.h; the game wait and the
// message's time use the command time ids.

#define IDD_CMD_STATUS_OP 215
#define IDD_CMD_FLOW_OP 225
#define IDD_CMD_MESSAGE 239
#define IDD_CMD_GAME_WAIT 244
#define IDD_CMD_STAGE_CLEAR 245
#define IDD_CMD_WARP 264
#define IDD_CMD_TARGET 265

// Flow operation.
#define IDC_FLOWOP_OP 1178
#define IDC_FLOWOP_TARGET 11175
#define IDC_FLOWOP_ID 1096

// Stage clear.
#define IDC_CLEAR_MODE 1313
#define IDC_CLEAR_STAGE 1314
#define IDC_CLEAR_STAGE_SPIN 1315
#define IDC_CLEAR_MAP_WARP 1437
#define IDC_CLEAR_MAP_X 1316
#define IDC_CLEAR_MAP_X_SPIN 1317
#define IDC_CLEAR_MAP_Y 1318
#define IDC_CLEAR_MAP_Y_SPIN 1319

// Message.
#define IDC_MSG_TEXT 1002
#define IDC_MSG_POS 1232
#define IDC_MSG_X 1206
#define IDC_MSG_X_SPIN 1207
#define IDC_MSG_Y 1210
#define IDC_MSG_Y_SPIN 1211
#define IDC_MSG_OFFSET_X 1040
#define IDC_MSG_OFFSET_X_SPIN 1045
#define IDC_MSG_OFFSET_Y 1048
#define IDC_MSG_OFFSET_Y_SPIN 1049
#define IDC_MSG_FIT 1234
#define IDC_MSG_SHOW 1233
#define IDC_MSG_PAUSE 1231

// Target.
#define IDC_TGT_KIND 1390
#define IDC_TGT_RANGE 1391
#define IDC_TGT_SIDE 1261
#define IDC_TGT_SIDE_SPIN 1262
#define IDC_TGT_USE_ID 1395
#define IDC_TGT_ID 1263
#define IDC_TGT_ID_SPIN 1264
#define IDC_TGT_NOT_SELF 1392
#define IDC_TGT_NOT_INVINCIBLE_HIT 1393
#define IDC_TGT_NOT_INVINCIBLE_THROUGH 1396
#define IDC_TGT_NOT_BLOCK 1394

// Status operation.
#define IDC_SOP_LEFT_KIND 11175
#define IDC_SOP_LEFT_SCOPE 11176
#define IDC_SOP_LEFT_NUMBER 1402
#define IDC_SOP_LEFT_OBJECT 1400
#define IDC_SOP_LEFT_STATUS 1401
#define IDC_SOP_LEFT_RENAME 1405
#define IDC_SOP_OPERATOR 1174
#define IDC_SOP_RIGHT_KIND 11177
#define IDC_SOP_CONST 1403
#define IDC_SOP_CONST_SPIN 1404
#define IDC_SOP_RAND_FROM 1048
#define IDC_SOP_RAND_FROM_SPIN 1053
#define IDC_SOP_RAND_TO 1054
#define IDC_SOP_RAND_TO_SPIN 1055
#define IDC_SOP_RIGHT_SCOPE 11179
#define IDC_SOP_RIGHT_NUMBER 1051
#define IDC_SOP_RIGHT_RENAME 1052
#define IDC_SOP_RIGHT_OBJECT 11178
#define IDC_SOP_RIGHT_STATUS 1176
#define IDC_SOP_PERCENT 1175
#define IDC_SOP_CALC 11180
#define IDC_SOP_BAR 1398
#define IDC_SOP_GUARD 1399
