#include "editor/database/FilePages.h"

#include "editor/shell/EditorSound.h"
#include "framework/MessageBox.h"

const cFilePageRow kCharaBmpPageRow = {IDD_DB_CHARA_BMP, IDC_DB_CHARA_BMP_LIST, "bmp\\chara_sp\\", "専用bmpの選択",
                                       "BitmapFile ( *.bmp )\0*.bmp\0", "bmp", 0};
const cFilePageRow kPicturePageRow = {IDD_DB_PICTURE, IDC_DB_PICTURE_LIST, "bmp\\picture\\", "ビットマップの選択",
                                      "BitmapFile ( *.bmp )\0*.bmp\0", "bmp", 0};
const cFilePageRow kSoundPageRow = {IDD_DB_SOUND, IDC_DB_SOUND_LIST, "wave", "効果音の選択",
                                    "WaveFile ( *.wav )\0*.wav\0", "wav", 2};
const cFilePageRow kBgmPageRow = {IDD_DB_BGM, IDC_DB_BGM_LIST, "bgm\\", "BGMの選択",
                                  "BgmFile ( *.mid;*.ogg )\0*.mid;*.ogg\0", "mid;ogg", 1};

void PlayFile(int kind, HWND owner, const std::string& path) {
    if (path.empty()) return;
    bool played;
    if (kind == 1) {
        cBgmPlayer& music = EditorBgm();
        played = music.SetFile(0, path.c_str()) && music.Play(0, 0, false, true);
    } else {
        played = PlayMci(owner, EditorWave(), 0, path.c_str(), 0);
    }
    if (!played) ErrorBox("読み込み失敗！");
}
