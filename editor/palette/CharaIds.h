#pragma once
// Control ids of the four pages of the chara data sheet (templates 140, 200, 143, 201). The
// pages share the stepping row, the preview and the strip; the ids of the page's own controls
// repeat between pages with other meanings, hence one prefix a page.
#define IDD_CHARA_BASIC 140
#define IDD_CHARA_DISPLAY 200
#define IDD_CHARA_ABILITY 143
#define IDD_CHARA_ACTION 201

// Every page.
#define IDC_CH_PREV 1021
#define IDC_CH_NEXT 1022
#define IDC_CH_NUMBER 1023
#define IDC_CH_INHERIT_FIRST 1024
#define IDC_CH_PREVIEW 1060
#define IDC_CH_STRIP 1006

// Basic page.
#define IDC_CB_INHERIT_SRC 1268
#define IDC_CB_INHERIT_INDEX 1269
#define IDC_CB_NAME 1002
#define IDC_CB_CONTROL 1256
#define IDC_CB_PLAYER_NO 1257
#define IDC_CB_FORCE 1261
#define IDC_CB_FORCE_SPIN 1262
#define IDC_CB_CHARA_ID 1263
#define IDC_CB_CHARA_ID_SPIN 1264
#define IDC_CB_COND_JUDGE 1255
#define IDC_CB_ONCE_TRUE 1051
#define IDC_CB_FACE_RIGHT 1052
#define IDC_CB_CLONES 1259
#define IDC_CB_CLONES_SPIN 1260
#define IDC_CB_OFFSET_X 1040
#define IDC_CB_OFFSET_X_SPIN 1045
#define IDC_CB_CLONE_X 1046
#define IDC_CB_CLONE_X_SPIN 1047
#define IDC_CB_FLIP_X 1053
#define IDC_CB_OFFSET_Y 1048
#define IDC_CB_OFFSET_Y_SPIN 1049
#define IDC_CB_CLONE_Y 1050
#define IDC_CB_CLONE_Y_SPIN 1054
#define IDC_CB_FLIP_Y 1055

// Display page.
#define IDC_CD_GRAPHIC_SRC 1254
#define IDC_CD_GRAPHIC 1036
#define IDC_CD_GRAPHIC_SPIN 1037
#define IDC_CD_SHIFT 1038
#define IDC_CD_SHIFT_SPIN 1039
#define IDC_CD_ANIME_SET 1263
#define IDC_CD_Z 1256
#define IDC_CD_Z_SPIN 1257
#define IDC_CD_TRANSPARENT 1258
#define IDC_CD_START_EFFECT 1270
#define IDC_CD_START_LOOP 1186
#define IDC_CD_DEATH_EFFECT 1264
#define IDC_CD_MARK_MODE 1260
#define IDC_CD_MARK 11040
#define IDC_CD_MARK_SPIN 1047
#define IDC_CD_DIR_LOCK 1059
#define IDC_CD_FLIGHT 1265
#define IDC_CD_INVINCIBLE 1261
#define IDC_CD_BLOCK 1262
#define IDC_CD_SCALE 1266
#define IDC_CD_SIGHT 1267
#define IDC_CD_SIGHT_RANGE 1268
#define IDC_CD_SIGHT_RANGE_SPIN 1269
#define IDC_CD_PREVIEW_2 1070
// The thirteenth inherit button stands apart from the run 1024 .. 1035.
#define IDC_CD_INHERIT_SIGHT 11036

// Ability page.
#define IDC_CA_HP 1061
#define IDC_CA_HP_SPIN 1062
#define IDC_CA_SP 1063
#define IDC_CA_SP_SPIN 1064
#define IDC_CA_BODY_POWER 1065
#define IDC_CA_BODY_POWER_SPIN 1066
#define IDC_CA_BODY_IMPACT 1067
#define IDC_CA_BODY_IMPACT_SPIN 1068
#define IDC_CA_BODY_EFFECT 1230
#define IDC_CA_RESIST 1069
#define IDC_CA_RESIST_SPIN 1070
#define IDC_CA_STOP_EASE 1259
#define IDC_CA_STOP_EASE_SPIN 1260
#define IDC_CA_ACT_RANGE 1257
#define IDC_CA_ACT_JUDGE 1078
#define IDC_CA_HAS_GROUP 1180
#define IDC_CA_GROUP_NO 1079
#define IDC_CA_GROUP_NO_SPIN 1080
#define IDC_CA_SCORE 1071
#define IDC_CA_SCORE_SPIN 1072
#define IDC_CA_EX 1073
#define IDC_CA_EX_SPIN 1074
#define IDC_CA_MONEY 1075
#define IDC_CA_MONEY_SPIN 1076
#define IDC_CA_CARRY_ITEM 1077

// Action page.
#define IDC_CF_FLOWS 1082
#define IDC_CF_FLOW_INSERT 1066
#define IDC_CF_FLOW_DELETE 1067
#define IDC_CF_ID 1096
#define IDC_CF_GROUP 1097
#define IDC_CF_TEST_ONLY 1416
#define IDC_CF_TIMING 1089
#define IDC_CF_COND_JUDGE 1087
#define IDC_CF_ONCE_TRUE 1088
#define IDC_CF_KEYS 1094
#define IDC_CF_KEY_INSERT 1091
#define IDC_CF_KEY_EDIT 1092
#define IDC_CF_KEY_DELETE 1093
#define IDC_CF_KEY_EASE 1081
#define IDC_CF_KEY_EASE_SPIN 1090
#define IDC_CF_KEY_REPEAT 1433
#define IDC_CF_CMDS 1095
#define IDC_CF_CMD_INSERT 1068
#define IDC_CF_CMD_EDIT 1070
#define IDC_CF_CMD_DELETE 1069
#define IDC_CF_NOTE 1417
#define IDC_CF_TEST 1046
#define IDC_CF_OK 1000
#define IDC_CF_CANCEL 1001

// The insert commands of the key-condition and command lists that reach the page (accelerator
// and popup menu).
#define ID_CF_KEY_INSERT_KEY 40036
#define ID_CF_KEY_INSERT_MENU 40111
#define ID_CF_CMD_INSERT_KEY 40101
#define ID_CF_CMD_INSERT_MENU 40119
