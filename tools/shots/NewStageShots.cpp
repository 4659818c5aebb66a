// Opens the new-stage dialog of the editor on the project in the current folder (its data\ folder
// made beforehand), set to copy a template stage and to read the stage palette from a file (its
// last mode, so that every control is enabled), and writes what the screen shows of it as a BMP
// file into the folder given:
//   new_stage_shots.exe FOLDER
#include <windows.h>

#include <cstdio>

#include "data/EditConfig.h"
#include "editor/palette/NewStageDlg.h"
#include "editor/shell/App.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorIds.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/EditorState.h"
#include "editor/shell/FrameWnd.h"
#include "editor/shell/LoadProject.h"
#include "framework/Page.h"
#include "tools/shots/WindowPicture.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc != 2) {
        std::fprintf(stderr, "usage: new_stage_shots FOLDER\n");
        return 2;
    }
    SetPictureFolder(__argv[1], "new_stage_shots");
    AppState().instance = instance;
    if (!LoadProject()) return 1;
    cPage::SetScrollBarIds(IDC_CANVAS_HBAR, IDC_CANVAS_VBAR);
    RegisterEditorClass(instance);
    if (!CreateFrameWnd() || !CreateEditWnd()) return 1;
    PumpMessages(300);

    cEditConfig& config = EditConfig();
    config.m_TemplateStage = "data\\stg4\\Template.stg4_147";
    config.m_StagePaletteChoice = 3;
    config.m_StagePaletteFile = "data\\plt4\\Forest.plt4";
    WhileModal("ステージの新規作成", [] { RunNewStageDlg(MainEditWnd()); }, [](HWND dlg) {
        SetWindowPos(dlg, HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE);
        ShootWindow(dlg, "new-stage");
        PostMessageA(dlg, WM_CLOSE, 0, 0);
    });
    PumpMessages(200);
    DestroyFrameWnd();
    return 0;
}
