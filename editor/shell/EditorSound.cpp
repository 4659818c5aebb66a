#include "editor/shell/EditorSound.h"

#include "framework/ErrorLog.h"
#include "framework/MessageBox.h"

namespace {

const char kPreviewOgg[] = "bgm\\Free.ogg";
const char kPreviewMidi[] = "bgm\\Free.mid";
const char kPreviewWave[] = "wave\\free.wav";

// One slot for each preview song.
char g_oggNames[2][kOggNameLength];
char g_midiNames[2][kMidiNameLength];

}  // namespace

cBgmPlayer& EditorBgm() {
    static cBgmPlayer player;
    return player;
}

cMciPlayer& EditorWave() {
    static cMciPlayer player;
    return player;
}

bool SetUpEditorSound() {
    cBgmPlayer& bgm = EditorBgm();
    bgm.Init(1, g_oggNames, g_midiNames, 2);
    bgm.SetFile(0, kPreviewOgg);
    bgm.SetFile(1, kPreviewMidi);

    cMciPlayer& wave = EditorWave();
    wave.Enable();
    const char* const files[] = {kPreviewWave, nullptr};
    if (!wave.Init("waveaudio", files)) return false;
    if (!wave.GetDevice(0)) {
        ErrorLogF("waveaudio を開けませんでした：%s（音のプレビューなしで続けます）", kPreviewWave);
        wave.Release();
    }
    return true;
}

void CloseEditorSound() {
    EditorWave().Release();
    EditorBgm().Release();
}

void PlayPreview(ePreviewKind kind, HWND owner, const std::string& path) {
    if (path.empty()) return;
    bool played;
    if (kind == ePreviewMusic) {
        cBgmPlayer& music = EditorBgm();
        played = music.SetFile(0, path.c_str()) && music.Play(0, 0, false, true);
    } else {
        played = PlayMci(owner, EditorWave(), 0, path.c_str(), 0);
    }
    if (!played) ErrorBox("読み込み失敗！");
}
