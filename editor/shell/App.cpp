#include "editor/shell/App.h"

#include <mmsystem.h>

#include "data/DataFile.h"
#include "data/Paths.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorFiles.h"
#include "editor/shell/EditorIds.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/EditorSound.h"
#include "editor/shell/EditorState.h"
#include "editor/shell/FrameWnd.h"
#include "editor/shell/LoadProject.h"
#include "editor/shell/ProjectFolders.h"
#include "editor/shell/StageDoc.h"
#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/FrameTimer.h"
#include "framework/Geometry.h"
#include "framework/Hook.h"
#include "framework/MessageBox.h"
#include "framework/Path.h"
#include "framework/SystemReport.h"

namespace {

const char kMutexName[] = "エディター";
const char kReportFile[] = "Report_Editor.txt";
const int kPreviewFps = 60;

// Waits for the next preview frame, or for a message that arrives first: never spins.
void WaitForPreviewFrame() {
    while (!CheckFrame(kPreviewFps))
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT) == WAIT_OBJECT_0) return;
}

}  // namespace

bool RegisterEditorClass(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
    wc.lpfnWndProc = cTopWnd::StaticWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_EDITOR));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = kEditorClass;
    return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool InitApp() {
    cAppState& state = AppState();
    SetDataVersion(kDataVersion);
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof folder, folder);
    state.startFolder = folder;

    if (!CreateDefaultData(nullptr)) {
        // Refused: the person chose to end. Without a factory copy there was nothing to ask.
        if (GetFileAttributesA(g_PathTable[ePathDefault]) == INVALID_FILE_ATTRIBUTES)
            ErrorBox("%s が見つかりません！", g_PathTable[ePathDefault]);
        return false;
    }
    CreateProjectFolders();
    if (!SetUpEditorSound()) return false;

    cEditConfig& config = EditConfig();
    if (!config.LoadFile(g_PathTable[ePathEditConfig])) {
        ErrorLog("EditConfig.Load 失敗");
        config.Init();
    }
    if (!LoadProject()) {
        ErrorBox("プロジェクトのロードに失敗しました！フォルダやファイルの位置や名称が変更された可能性があります！");
        config.m_LastStage.clear();
        SaveEditConfig();
        return false;
    }
    OpenLastStage(config.m_LastStage.c_str());

    if (!CreateFrameWnd()) return false;
    if (!CreateEditWnd()) return false;
    state.initialised = 1;
    return true;
}

void ExitApp() {
    cAppState& state = AppState();
    timeEndPeriod(1);
    if (state.initialised) {
        EditConfig().m_LastStage = StageDoc().m_StagePath;
        SaveEditConfig();
    }
    SaveVarNames();
    CloseEditorSound();
    UninstallKeyboardHook();
    DestroyFrameWnd();
    state.initialised = 0;
}

bool GameHasTheScreen(const cAppState& state, int width, int height) {
    return state.active && state.testPlaying && width == 640 && height == 480;
}

bool IdleFrame() {
    cEditWnd* main = MainEditWnd();
    if (!main) return true;
    if (main->IsAnimating())
        WaitForPreviewFrame();
    else
        WaitMessage();

    cAppState& state = AppState();
    RECT desktop;
    if (GetClientRect(GetDesktopWindow(), &desktop) && GameHasTheScreen(state, desktop.right, desktop.bottom)) {
        state.active = 0;
        return true;
    }
    if (state.restored) {
        state.restored = 0;
        if (state.front == eFrontWorldMap && main->m_lpWorldMapWnd)
            SetFocus(main->m_lpWorldMapWnd->GetHwnd());
        else
            SetFocus(main->GetHwnd());
    }
    state.fps = GetFps();
    ++state.frames;
    EditorGroup().FrameAll();
    // A window's per-frame call may have replaced the main window.
    if (cEditWnd* now = MainEditWnd()) now->RepaintToolWindows();
    return true;
}

int RunMessageLoop() {
    MSG msg;
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
            if (!EditorGroup().PreTranslate(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            // The loop may wait for the next message now: a sheet this one closed goes first.
            EditorGroup().DropClosedSheets();
        } else if (!AppState().active) {
            WaitMessage();
        } else {
            IdleFrame();
        }
    }
}

int EditorMain(HINSTANCE instance) {
    timeBeginPeriod(1);
    StartTimer();
    cPage::SetScrollBarIds(IDC_CANVAS_HBAR, IDC_CANVAS_VBAR);
    SetErrorLog(1, "EC_Editor.txt");

    char report[MAX_PATH];
    CopyText(report, sizeof report, kReportFile);
    MakeAbsolutePath(report);
    if (!OpenReport(report)) {
        ErrorBox("%s を作成できません！", report);
        timeEndPeriod(1);
        return 0;
    }
    Report("App : ver %u", static_cast<unsigned>(kDataVersion));
    WriteSystemReport();

    HANDLE mutex = CreateMutexA(nullptr, FALSE, kMutexName);
    if (!mutex || GetLastError() == ERROR_ALREADY_EXISTS) {
        ShowMessageBox(nullptr, "既に起動しています", "二重起動", MB_OK);
        if (mutex) CloseHandle(mutex);
        timeEndPeriod(1);
        return 0;
    }

    int code = 0;
    AppState().instance = instance;
    if (RegisterEditorClass(instance) && InitApp()) {
        code = RunMessageLoop();
        ExitApp();
    } else {
        DestroyFrameWnd();
        CloseEditorSound();
        timeEndPeriod(1);
    }
    ReleaseMutex(mutex);
    CloseHandle(mutex);
    return code;
}
