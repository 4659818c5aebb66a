#include "editor/shell/TestPlay.h"

#include <shellapi.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "data/Stage.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/EditorState.h"
#include "editor/shell/StageDoc.h"
#include "editor/shell/StageFiles.h"
#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/MessageBox.h"

namespace {

const char kGameMark[] = "GAME";
const UINT_PTR kWatchTimer = 0x7e57;
const UINT kWatchMs = 250;

HANDLE g_gameProcess = nullptr;
HWND g_watchWnd = nullptr;
void (*g_gameGone)() = nullptr;

// Reads string 1 of a program without running any of its code.
bool IsGameProgram(const char* file) {
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(file, MAX_PATH, full, nullptr);
    if (n == 0 || n >= MAX_PATH) return false;
    HMODULE module = LoadLibraryExA(full, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return false;
    char text[16] = "";
    int length = LoadStringA(module, 1, text, sizeof text);
    FreeLibrary(module);
    return length > 0 && strcmp(text, kGameMark) == 0;
}

void CALLBACK CheckGameProcess(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_gameProcess || WaitForSingleObject(g_gameProcess, 0) == WAIT_TIMEOUT) return;
    ErrorLog("テストプレイ：ゲームプログラムが終了の通知なしに終わりました");
    void (*gone)() = g_gameGone;
    ForgetGameProcess();
    if (gone) gone();
}

}  // namespace

bool FindGameProgram(char* name) {
    name[0] = '\0';
    const cPrjOption& option = ProjectOption();
    if (!option.m_AutoGamePath) {
        CopyText(name, MAX_PATH, option.m_GamePath.c_str());
        DWORD attributes = GetFileAttributesA(name);
        if (name[0] && attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
        name[0] = '\0';
        return false;
    }
    char folder[MAX_PATH];
    DWORD n = GetCurrentDirectoryA(MAX_PATH, folder);
    if (n == 0 || n >= MAX_PATH) return false;
    std::string pattern = Format("%s\\*.exe", folder);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool matched = false;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (IsGameProgram(found.cFileName)) {
            CopyText(name, MAX_PATH, found.cFileName);
            matched = true;
        }
    } while (!matched && FindNextFileA(search, &found));
    FindClose(search);
    return matched;
}

void WatchGameProcess(HANDLE process, HWND timerWnd, void (*gameGone)()) {
    ForgetGameProcess();
    if (!process) return;
    g_gameProcess = process;
    g_watchWnd = timerWnd;
    g_gameGone = gameGone;
    SetTimer(g_watchWnd, kWatchTimer, kWatchMs, CheckGameProcess);
}

void ForgetGameProcess() {
    if (g_watchWnd || g_gameProcess) KillTimer(g_watchWnd, kWatchTimer);
    if (g_gameProcess) CloseHandle(g_gameProcess);
    g_gameProcess = nullptr;
    g_watchWnd = nullptr;
    g_gameGone = nullptr;
}

bool StartTestPlay(HWND owner, HWND frame, int whole, void (*gameGone)()) {
    char program[MAX_PATH];
    if (!FindGameProgram(program)) {
        ErrorBox("ゲームプログラムが見つかりません！");
        return false;
    }
    cAppState& app = AppState();
    if (app.testPlaying) {
        ErrorBox("二重起動はできません！");
        return false;
    }
    app.testPlaying = 1;
    cStageDoc& doc = StageDoc();
    cEdStage& stage = ProjectStage();
    if (doc.m_StageOpen) {
        if (doc.m_StagePath.empty()) {
            ErrorBox("ステージファイルのパスが無効です！\n1度はステージを保存しないと、テストプレイは実行できません！");
            app.testPlaying = 0;
            return false;
        }
        if (!SaveStage(owner, true)) {
            ErrorBox("ステージファイルのパスが無効です！\n1度ステージを保存する必要があります！");
            app.testPlaying = 0;
            return false;
        }
        // The game reads the common palette too: a stale one is no test.
        if (!SaveCommonPalette()) {
            app.testPlaying = 0;
            return false;
        }
        UndoHistory().Clear();
    }

    std::string parameters;
    // The game takes the rest of its command line as the path, blanks and all: no quotes needed.
    if (!whole && doc.m_StageOpen) parameters = doc.m_StagePath;
    SHELLEXECUTEINFOA start = {};
    start.cbSize = sizeof start;
    start.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    start.hwnd = frame;
    start.lpVerb = "open";
    start.lpFile = program;
    start.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    start.nShow = kTestPlayShow;
    bool started = ShellExecuteExA(&start) && reinterpret_cast<INT_PTR>(start.hInstApp) > 32;
    if (!started) {
        if (start.hProcess) CloseHandle(start.hProcess);
        app.testPlaying = 0;
        // Nothing runs: the author edits on with undo at hand.
        if (doc.m_StageOpen) UndoHistory().Init(stage.m_UndoCount, stage.m_Stride, stage.m_Height);
        ErrorBoxTo(frame, "ゲームプログラムが呼び出せません！");
        return false;
    }
    ErrorLogF("テストプレイ：%s %s を起動しました", program, parameters.c_str());
    WatchGameProcess(start.hProcess, frame, gameGone);
    app.active = 0;
    return true;
}

bool TakeGameNotice(const COPYDATASTRUCT* data) {
    if (!data || data->cbData < sizeof(int32_t) || !data->lpData) return false;
    int32_t value;
    memcpy(&value, data->lpData, sizeof value);
    ErrorLogF("テストプレイ：ゲームプログラムからの通知 %lu (%ld)", static_cast<unsigned long>(data->dwData),
              static_cast<long>(value));
    // Only the end of the game this editor started ends a test play: any other end notice
    // would throw away the author's undo steps.
    if (data->dwData != kGameClosed || !value || !AppState().testPlaying) return false;
    ForgetGameProcess();
    return true;
}
