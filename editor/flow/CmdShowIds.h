#pragma once
// Resource ids of the status switch, item, graphic, anime, effect, picture, screen, background,
// sound, music and code dialogs. Time edits use the command time ids of FlowCmdIds.h.

#define IDD_CMD_CHARA_EFFECT 213
#define IDD_CMD_ANIME 227
#define IDD_CMD_SOUND 228
#define IDD_CMD_BGM 229
#define IDD_CMD_ANIME_SET 230
#define IDD_CMD_SCR_EFFECT 231
#define IDD_CMD_GRAPHIC 232
#define IDD_CMD_PICTURE 233
#define IDD_CMD_EFFECT 234
#define IDD_CMD_SCREEN_COLOR 238
#define IDD_CMD_BACKGROUND 240
#define IDD_CMD_CODE 252
#define IDD_CMD_STATUS_OP2 266
#define IDD_CMD_ITEM_GET 268

// Status switch.
#define IDC_SW_SUBJECT 11174
#define IDC_SW_STATUS 1173
#define IDC_SW_SETTING 1397

// Item.
#define IDC_GET_PALETTE 1408
#define IDC_GET_ITEM 1409

// Graphic.
#define IDC_GFX_KIND 1254
#define IDC_GFX_NUMBER 1036
#define IDC_GFX_NUMBER_SPIN 1037
#define IDC_GFX_SHIFT 1038
#define IDC_GFX_SHIFT_SPIN 1039
#define IDC_GFX_PREVIEW 1070

// Anime set and anime.
#define IDC_ANIME_SET 1223
#define IDC_ANIME 1263

// Effect and picture.
#define IDC_FX_EFFECT 1230
#define IDC_FX_PICTURE 1234
#define IDC_FX_POS 1232
#define IDC_FX_X 1206
#define IDC_FX_X_SPIN 1207
#define IDC_FX_Y 1210
#define IDC_FX_Y_SPIN 1211
#define IDC_FX_OFFSET_X 1040
#define IDC_FX_OFFSET_X_SPIN 1045
#define IDC_FX_OFFSET_Y 1048
#define IDC_FX_OFFSET_Y_SPIN 1049
#define IDC_FX_SCALE 1208
#define IDC_FX_SCALE_SPIN 1209
#define IDC_FX_SHOW 1233
#define IDC_FX_PAUSE 1231

// Chara and screen effects.
#define IDC_FX_CHARA_EFFECT 1264
#define IDC_FX_SCR_EFFECT 1235
#define IDC_FX_LOOP 1168

// Screen colour.
#define IDC_COLOR_RED 1245
#define IDC_COLOR_GREEN 1246
#define IDC_COLOR_BLUE 1247
#define IDC_COLOR_PERCENT 1251
#define IDC_COLOR_RED_EDIT 1242
#define IDC_COLOR_GREEN_EDIT 1243
#define IDC_COLOR_BLUE_EDIT 1244
#define IDC_COLOR_PERCENT_EDIT 1250
#define IDC_COLOR_RESTORE 1241
#define IDC_COLOR_FLASH 1248
#define IDC_COLOR_FLASH_COUNT 1208
#define IDC_COLOR_FLASH_COUNT_SPIN 1209
#define IDC_COLOR_PREVIEW 1249

// Background.
#define IDC_BACK_LAYER 1259
#define IDC_BACK_LAYER_SPIN 1260
#define IDC_BACK_ACTION 1261

// Sound and music.
#define IDC_SND_SOUND 1131
#define IDC_SND_SKIP_OFFSCREEN 1435
#define IDC_BGM_MUSIC 11222
#define IDC_BGM_PLAY 1309

// Code.
#define IDC_CODE_TEXT 1377
#define IDC_CODE_COMMON_VAR 1045
#define IDC_CODE_COMMON_RENAME 1378
#define IDC_CODE_STAGE_VAR 1049
#define IDC_CODE_STAGE_RENAME 1051
