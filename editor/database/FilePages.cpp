#include "editor/database/FilePages.h"


const cFilePageRow kCharaBmpPageRow = {IDD_DB_CHARA_BMP, IDC_DB_CHARA_BMP_LIST, "bmp\\chara_sp\\", "専用bmpの選択",
                                       "BitmapFile ( *.bmp )\0*.bmp\0", "bmp", 0};
const cFilePageRow kPicturePageRow = {IDD_DB_PICTURE, IDC_DB_PICTURE_LIST, "bmp\\picture\\", "ビットマップの選択",
                                      "BitmapFile ( *.bmp )\0*.bmp\0", "bmp", 0};
const cFilePageRow kSoundPageRow = {IDD_DB_SOUND, IDC_DB_SOUND_LIST, "wave", "効果音の選択",
                                    "WaveFile ( *.wav )\0*.wav\0", "wav", 2};
const cFilePageRow kBgmPageRow = {IDD_DB_BGM, IDC_DB_BGM_LIST, "bgm\\", "BGMの選択",
                                  "BgmFile ( *.mid;*.ogg )\0*.mid;*.ogg\0", "mid;ogg", 1};

