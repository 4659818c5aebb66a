// The editor's threaded stage open.
#include <windows.h>

#include <memory>
#include <new>

#include "data/Paths.h"
#include "data/Stage.h"
#include "framework/MessageBox.h"
#include "framework/Path.h"
#include "framework/Thread.h"

namespace {

enum eLoadResult { eLoadFailed, eLoadDone, eLoadOutOfMemory };

struct cStageLoad {
    std::string path;
    cEdStage stage;
    eLoadResult result = eLoadFailed;
};

DWORD WINAPI StageLoadWorker(void* parameter) {
    cStageLoad& load = *static_cast<cStageLoad*>(parameter);
    try {
        load.result = load.stage.LoadFile(load.path.c_str()) ? eLoadDone : eLoadFailed;
    } catch (const std::bad_alloc&) {
        load.result = eLoadOutOfMemory;
    }
    return 0;
}

// Waits for the worker, taking this thread's messages off its queue: drained without
// dispatching them but the paints (nothing in the editor may change the project while the
// worker reads), or dispatched. True when WM_QUIT came; its exit code is kept for posting it again.
bool PumpUntilEnded(cThread& thread, cEdStage::ePump pump, int& exitCode) {
    HANDLE handle = thread.Handle();
    while (MsgWaitForMultipleObjectsEx(1, &handle, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) != WAIT_OBJECT_0) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                exitCode = static_cast<int>(msg.wParam);
                return true;
            }
            // A window that needs painting keeps its WM_PAINT in the queue until it is painted:
            // drained unpainted it would come back at once, for ever. Painting only reads.
            if (pump == cEdStage::ePumpDispatch || msg.message == WM_PAINT) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
    }
    return false;
}

}  // namespace

// The worker reads into a stage of its own, and the caller waits for it however long it takes
// (a file is read whole from memory, so it always ends): the open stage is never written while
// the caller is not looking, and a slow load is not a failure.
bool cEdStage::LoadStageFile(const char* path, bool newest, ePump pump, eHeroRule hero) {
    std::unique_ptr<cStageLoad> load(new cStageLoad);
    if (!newest)
        load->path = path ? path : "";
    else if (!path || !FindNumberedFile(load->path, path, g_ExtTable[eExtStage]))
        return false;

    cThread thread;
    bool quit = false;
    int exitCode = 0;
    if (thread.Start(StageLoadWorker, load.get())) {
        quit = PumpUntilEnded(thread, pump, exitCode);
        thread.Wait();
    } else {
        StageLoadWorker(load.get());
    }

    bool opened = false;
    if (load->result == eLoadOutOfMemory)
        ErrorBox("メモリ不足により、ファイルの読み込みに失敗しました！");
    else if (load->result == eLoadFailed)
        ErrorBox("ステージファイル %s の読み込みに失敗しました！", load->path.c_str());
    else if (hero == eHeroNeeded && !load->stage.HasHero())
        ErrorBox("主人公が配置されていないのでプレイできません！");
    else
        opened = true;
    if (opened) {
        Adopt(load->stage);
        m_FilePath = load->path;
        m_Newest = newest ? 1 : 0;
    }
    if (quit) PostQuitMessage(exitCode);
    return opened;
}
