#pragma once
// Resource and control ids of the condition dialogs, the key condition dialog and the condition
// lists of the element and flow pages.

// Templates.
#define IDD_COND_KIND 170
#define IDD_COND_COMMON_VAR 196
#define IDD_COND_STAGE_VAR 197
#define IDD_KEY_COND 204
#define IDD_COND_CHARA_VAR 218
#define IDD_COND_DISTANCE 219
#define IDD_COND_STATUS 269

// Every condition dialog.
#define IDC_COND_OK 1000
#define IDC_COND_CANCEL 1001
#define IDC_COND_PICTURE 1006

// The kind chooser: one button per kind, and a spare one that stays hidden.
#define IDC_COND_KIND_COMMON 1267
#define IDC_COND_KIND_STAGE 1268
#define IDC_COND_KIND_CHARA 1269
#define IDC_COND_KIND_STATUS 1270
#define IDC_COND_KIND_DISTANCE 1271
#define IDC_COND_KIND_SPARE 1272

// The variable and distance dialogs.
#define IDC_COND_COMMON_VAR 1045
#define IDC_COND_VALUE 1046
#define IDC_COND_VALUE_SPIN 1047
#define IDC_COND_COMPARE 1048
#define IDC_COND_STAGE_VAR 1049
#define IDC_COND_RENAME 1050
#define IDC_COND_CHARA_VAR 1429
#define IDC_COND_DIST_AXIS 1049
#define IDC_COND_DISTANCE 1183
#define IDC_COND_DISTANCE_SPIN 1184

// The status dialog.
#define IDC_CS_LEFT_KIND 11175
#define IDC_CS_LEFT_OWNER 1400
#define IDC_CS_LEFT_STATUS 1401
#define IDC_CS_LEFT_SCOPE 11176
#define IDC_CS_LEFT_VAR 1402
#define IDC_CS_LEFT_RENAME 1405
#define IDC_CS_RIGHT_SOURCE 11177
#define IDC_CS_VALUE 1403
#define IDC_CS_VALUE_SPIN 1404
#define IDC_CS_RAND_MIN 1048
#define IDC_CS_RAND_MIN_SPIN 1053
#define IDC_CS_RAND_MAX 1054
#define IDC_CS_RAND_MAX_SPIN 1055
#define IDC_CS_RIGHT_OWNER 11178
#define IDC_CS_RIGHT_STATUS 1176
#define IDC_CS_RIGHT_SCOPE 11179
#define IDC_CS_RIGHT_VAR 1051
#define IDC_CS_RIGHT_RENAME 1052
#define IDC_CS_PERCENT 1175
#define IDC_CS_COMPARE 1407

// The key condition dialog; the 19 key combos are listed in KeyCondDlg.cpp.
#define IDC_KC_PICTURE 1075
#define IDC_KC_FROM 1038
#define IDC_KC_FROM_SPIN 1039
#define IDC_KC_TO 1109
#define IDC_KC_TO_SPIN 1110
#define IDC_KC_SWAP 1108
#define IDC_KC_ANY_LENGTH 1111
#define IDC_KC_JUDGE 1112
#define IDC_KC_DIR_NEUTRAL 1089
#define IDC_KC_ACTION_NEUTRAL 1090
#define IDC_KC_LEFT 1091
#define IDC_KC_RIGHT 1092
#define IDC_KC_UP 1093
#define IDC_KC_DOWN 1094
#define IDC_KC_LEFT_UP 1095
#define IDC_KC_LEFT_DOWN 1096
#define IDC_KC_RIGHT_UP 1097
#define IDC_KC_RIGHT_DOWN 1098
#define IDC_KC_Z 1099
#define IDC_KC_X 1100
#define IDC_KC_C 1101
#define IDC_KC_V 1102
#define IDC_KC_A 1103
#define IDC_KC_S 1104
#define IDC_KC_D 1105
#define IDC_KC_F 1106
#define IDC_KC_ANY_DIR 1107

// The condition list of the block, chara and item pages, and of the chara flows page.
#define IDC_COND_LIST 1044
#define IDC_COND_INSERT 1041
#define IDC_COND_EDIT 1042
#define IDC_COND_DELETE 1043
#define IDC_FLOW_COND_LIST 1086
#define IDC_FLOW_COND_INSERT 1083
#define IDC_FLOW_COND_EDIT 1084
#define IDC_FLOW_COND_DELETE 1085
// The insert command of the lists' keys (Ctrl+I) and popup menus ("新規挿入").
#define ID_COND_INSERT_KEY 40033
#define ID_COND_INSERT_MENU 40042
#define ID_FLOW_COND_INSERT_KEY 40034
#define ID_FLOW_COND_INSERT_MENU 40106
