#include "game/play/GameHost.h"

#include <windows.h>
#include <mmsystem.h>

#include <vector>

#include "framework/ErrorLog.h"
#include "framework/FrameTimer.h"
#include "framework/MessageBox.h"
#include "game/core/GameGlobals.h"
#include "game/core/GameLoop.h"
#include "game/core/GameModes.h"
#include "game/core/GameWnd.h"
#include "game/core/Input.h"
#include "game/core/InputDevices.h"
#include "game/core/ReplayRequests.h"
#include "game/core/SceneManager.h"
#include "game/core/StageMusic.h"
#include "game/data/StageLoad.h"
#include "game/data/StorySave.h"
#include "game/media/Bitmap.h"
#include "game/media/Display.h"
#include "game/media/PictureTable.h"
#include "game/play/PlayBitmaps.h"
#include "game/play/PlayPaint.h"
#include "game/play/PlayScene.h"

namespace {

const DWORD kInactiveWaitMs = 20;
const int kFirstPlayPicture = 1;
const int kLastPlayPicture = 44;
const int kFirstWorkSurface = 61;

// A loop of passes over the scene on a thread of its own, each pass with player 0's buttons of
// a frame: the blocking wait and the ranking view. The game thread waits for it, so the scene is
// used by one thread at a time.
struct cSceneLoop {
    cPlayScene* scene;
    bool (cPlayScene::*pass)(int16_t buttons);
    const char* exitLine;  // logged when the loop ends, or null
};

DWORD WINAPI SceneLoop(void* parameter) {
    const cSceneLoop& loop = *static_cast<const cSceneLoop*>(parameter);
    cPlayScene& scene = *loop.scene;
    cGameShell& shell = GameShell();
    scene.m_WaitButtons = GetPlayerInput(0).m_wButtons;
    // The loop reads a copy of player 0's input, started empty, so that play finds its own
    // input, history and key logs as it left them when the loop ends.
    cInput input = GetPlayerInput(0);
    input.ClearHistory();
    input.ResetKeyLogs();
    input.ClearDirection();
    input.ClearButtons();
    for (;;) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message == WM_QUIT) break;
        if (shell.bQuit) break;
        if (!shell.bAppActive) {
            Sleep(kInactiveWaitMs);
            continue;
        }
        while (!CheckFrame(SceneManager().m_nFps)) Sleep(1);
        if (!FrameStart()) {
            PostMessageA(shell.hDDWnd, WM_CLOSE, 0, 0);
            break;
        }
        PollInput(input);
        input.RecordHistory();
        if (CheckReplaySaveKey(SystemInputDevices())) continue;
        if (!(scene.*loop.pass)(input.m_wButtons)) break;
        Present();
    }
    if (loop.exitLine) ErrorLog(loop.exitLine);
    return 0;
}

// The pictures of play that start-up leaves out (the blocks, characters, shots, items, mirrored
// marks and the work surfaces), loaded when play first needs them.
bool LoadPlayPictures() {
    std::vector<int> rows;
    for (int row = kFirstPlayPicture; row <= kLastPlayPicture; ++row)
        if (!SystemSurfaces()[row].lpSurface) rows.push_back(row);
    for (int row = kFirstWorkSurface; row < kPictureTableRows; ++row)
        if (!SystemSurfaces()[row].lpSurface) rows.push_back(row);
    return rows.empty() || DDLoadSurfaces(SystemSurfaces(), rows.data(), static_cast<int>(rows.size()));
}

class cGameHost : public cPlayHost {
public:
    void PlaySystemSound(int number) override { PlaySystemSe(number); }
    void PlaySound(int id) override { PlaySe(id); }
    void PlayMusic(int bgm) override { PlayStageMusic(bgm); }
    void StopMusic() override { ::StopMusic(); }
    bool IsMusicPlaying(int bgm) override { return IsStageMusicPlaying(bgm); }
    bool KeyHeld(int virtualKey) override {
        return GameShell().bAppActive && (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
    }
    bool ReplaySaveKey() override { return CheckReplaySaveKey(SystemInputDevices()) != 0; }
    void Paint(cPlayScene& scene, int flag1, int flag2, int flag3, int flag4) override {
        PaintPlayScene(scene, Display().Back, flag1, flag2, flag3, flag4);
    }
    void LoadPictures(cPlayScene& scene) override {
        if (!LoadPlayPictures()) CloseGame();
        LoadBackLayerPictures(scene);
        LoadCharaBitmaps();
        LoadSwordBitmaps();
        LoadEffectBitmaps();
    }
    void ReleasePictures() override { ReleasePlayBitmaps(); }
    void RunWait(cPlayScene& scene) override {
        cSceneLoop loop = {&scene, &cPlayScene::WaitPass, "thPause.Exit()"};
        // A wait that cannot start is skipped: the play goes on without it.
        if (!RunLoop(loop)) ErrorLog("thPause: the wait thread did not start; the wait is skipped");
    }
    void ShowRanking(cPlayScene& scene) override {
        cSceneLoop loop = {&scene, &cPlayScene::RankingViewPass, nullptr};
        if (!RunLoop(loop)) ErrorLog("the ranking view's thread did not start; the ranking is not shown");
    }
    uint32_t NewSeed() override { return timeGetTime(); }
    bool ReopenStartFile() override { return OpenStartFile(StartFile().c_str(), 0); }
    bool ReloadStage() override { return LoadStageAndStart(CurrentStagePath().c_str(), 0) == 1; }
    void CloseGame() override { PostMessageA(GameShell().hDDWnd, WM_CLOSE, 0, 0); }
    bool StartedWithFile() override { return GameShell().bDirectPlay != 0; }
    bool TestPlay() override { return GameShell().bTestPlay != 0; }
    // The window edits the story's player name; it answers at once while the game closes.
    bool EnterName(std::string& name) override {
        StoryState().m_PlayerName = name;
        const bool shown = RequestUi(UM_NAME_ENTRY, 0) != 0;
        name = StoryState().m_PlayerName;
        return shown;
    }
    void ReportFailure(const char* text) override {
        cPlayHost::ReportFailure(text);
        ErrorBox("%s", text);
    }
    bool LoadStage(const std::string& path) override { return LoadStageAndStart(path.c_str(), 0) == 1; }

private:
    static bool RunLoop(cSceneLoop& loop) {
        cThread& thread = PauseThread();
        if (!thread.Start(SceneLoop, &loop)) return false;
        thread.Wait();
        return true;
    }
};

cGameHost& GameHost() {
    static cGameHost host;
    return host;
}

cScene* MakePlayScene() {
    cPlayScene* scene = new cPlayScene();
    scene->SetHost(&GameHost());
    return scene;
}

}  // namespace

void InstallPlayScene() { SceneManager().SetCreator(eScenePlay, MakePlayScene); }
