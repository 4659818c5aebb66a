#pragma once
// The editor's frame and main window in the test program, on a stage the test sets up, in a
// fresh folder that holds the toolbar strips of the factory project. Everything the windows
// change (the stage document, the stage, the configuration, the thread's queue) is put back.
#include <windows.h>

#include "data/EditConfig.h"
#include "data/Stage.h"
#include "editor/shell/App.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorIds.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/EditorState.h"
#include "editor/shell/FrameWnd.h"
#include "editor/shell/StageDoc.h"
#include "framework/Hook.h"
#include "tests/support/RunningProgram.h"
#include "tests/support/TempDir.h"

// Runs the thread's messages through the editor's group, as its loop does; true when the
// editor ended (WM_QUIT, which is taken off the queue).
inline bool PumpEditor() {
    MSG msg;
    bool quit = false;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quit = true;
            continue;
        }
        if (EditorGroup().PreTranslate(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return quit;
}

// A stage of the size with the hero at the cell (none when hx is negative).
inline void SetUpStage(int width, int height, int hx, int hy) {
    cEdStage& stage = ProjectStage();
    stage.Clear();
    stage.SetSize(width, height);
    stage.m_Charas.clear();
    if (hx >= 0) {
        cEdChara hero;
        hero.m_Graphic = 1;
        hero.m_Control = 0;
        stage.m_Charas.Put(stage.CellIndex(hx, hy), hero);
    }
}

class cEditorFixture {
public:
    // With a stage open: its path names it in the title.
    explicit cEditorFixture(bool stageOpen, int width = 20, int height = 15, int hx = 0, int hy = 0) {
        CopyFactoryFolder("e_bmp");
        CreateDirectoryA("data", nullptr);
        CreateDirectoryA("e_data", nullptr);
        EditConfig().Init();
        StageDoc().Reset();
        SetUpStage(width, height, hx, hy);
        if (stageOpen) {
            StageDoc().m_StageOpen = 1;
            StageDoc().m_StagePath = m_Dir.Path() + "\\data\\stg4\\A.stg4_147";
        }
        AppState().instance = GetModuleHandleA(nullptr);
        cPage::SetScrollBarIds(IDC_CANVAS_HBAR, IDC_CANVAS_VBAR);
        RegisterEditorClass(AppState().instance);
        CreateFrameWnd();
        CreateEditWnd();
        PumpEditor();
    }
    ~cEditorFixture() {
        DestroyFrameWnd();
        // The frame's end posts WM_QUIT: it must not end a later test's loop.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        PumpEditor();
        UninstallKeyboardHook();
        cPage::SetScrollBarIds(0, 0);
        StageDoc().Reset();
        UndoHistory().Clear();
        ProjectStage().Clear();
        EditConfig().Init();
        AppState() = cAppState();
    }
    cEditorFixture(const cEditorFixture&) = delete;
    cEditorFixture& operator=(const cEditorFixture&) = delete;

    cEditWnd& Main() const { return *MainEditWnd(); }
    HWND MainWnd() const { return MainEditWnd()->GetHwnd(); }
    HWND FrameWndHandle() const { return FrameWnd()->GetHwnd(); }
    void Command(int id) const {
        SendMessageA(MainWnd(), WM_COMMAND, id, 0);
        PumpEditor();
    }
    const cTempDir& Dir() const { return m_Dir; }

private:
    cTempDir m_Dir;
};
