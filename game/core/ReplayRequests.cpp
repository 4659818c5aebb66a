#include "game/core/ReplayRequests.h"

#include "data/Stage.h"
#include "framework/FileDialogs.h"
#include "framework/Format.h"
#include "framework/MessageBox.h"
#include "game/core/GameModes.h"
#include "game/core/GameWnd.h"
#include "game/core/SceneManager.h"
#include "game/data/ReplayData.h"
#include "game/data/StorySave.h"

namespace {

const char kReplayFolder[] = "user_data\\rpl4\\";

// A filter list for the dialogs: its caption and pattern, each ending in a zero, then a zero.
std::string Filter(const std::string& pattern) {
    std::string filter = Format("ReplayFile ( *.%s )", pattern.c_str());
    filter += '\0';
    filter += "*." + pattern;
    filter += '\0';
    return filter;
}

int SaveRequest(HWND owner, WPARAM which) {
    char name[MAX_PATH];
    if (!AskReplaySaveName(owner, name, StoryState().m_StageFile)) return 0;
    return SaveChosenReplay(owner, name, which);
}

int OpenRequest(HWND owner, WPARAM) {
    char name[MAX_PATH] = "";
    std::string filter = Filter("rpl4_*");
    if (!OpenFileDialog(owner, name, MAX_PATH, kReplayFolder, "リプレイファイルの選択", filter.c_str(), "rpl4_*", 0,
                        nullptr))
        return 0;
    return LoadChosenReplay(owner, name);
}

}  // namespace

int AskReplaySaveName(HWND owner, char* name, const std::string& stageName) {
    std::string proposed = ProposeReplayName(stageName);
    CopyText(name, MAX_PATH, proposed.c_str());
    std::string ext = ReplayExt();
    std::string filter = Filter(ext);
    return SaveFileDialog(owner, name, kReplayFolder, "保存先のファイル選択", filter.c_str(), ext.c_str(), 1);
}

int SaveChosenReplay(HWND owner, const char* path, WPARAM which) {
    cReplayData& replay = which ? PreviousReplay() : CurrentReplay();
    if (replay.SaveReplayFile(path, ProjectStage())) return 1;
    ErrorBoxTo(owner, "%s の保存に失敗！", path);
    return 0;
}

int LoadChosenReplay(HWND owner, const char* path) {
    if (CurrentReplay().LoadReplayFile(path, ProjectStage())) return 1;
    ErrorBoxTo(owner, "%s の読み込みに失敗！", path);
    return 0;
}

void InstallReplayRequests() {
    SetUiRequestHandler(UM_SAVE_REPLAY, SaveRequest);
    SetUiRequestHandler(UM_OPEN_REPLAY, OpenRequest);
}

int CheckReplaySaveKey(const cInputDevices& devices) {
    if (SceneManager().m_nGameMode == eModeReplay) return 0;
    WPARAM which;
    if (devices.KeyDown(VK_F1))
        which = 0;
    else if (devices.KeyDown(VK_F2))
        which = 1;
    else
        return 0;
    if ((which ? PreviousReplay() : CurrentReplay()).Empty()) {
        PlaySystemSe(3);
        return 0;
    }
    PlaySystemSe(1);
    RequestUi(UM_SAVE_REPLAY, which);
    return 1;
}

int RequestReplayOpen() { return RequestUi(UM_OPEN_REPLAY, 0); }
