// Opens the block palette windows, the block data window, the data move dialog, the chara
// group window, the four pages of the chara data sheet and the two pages of the item data sheet
// of the editor on the project in the current folder (its data\ folder made beforehand) and
// writes what the screen shows of each as a BMP file into the folder given:
//   palette_shots.exe FOLDER
#include <windows.h>
#include <prsht.h>

#include <cstdio>
#include <string>

#include "data/CommonPalette.h"
#include "data/EditConfig.h"
#include "data/Stage.h"
#include "editor/palette/BlockIds.h"
#include "editor/palette/BlockWnd.h"
#include "editor/palette/GroupWnd.h"
#include "editor/palette/PaletteDlg.h"
#include "editor/palette/PaletteIds.h"
#include "editor/shell/App.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorIds.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/EditorState.h"
#include "editor/shell/FrameWnd.h"
#include "editor/shell/LoadProject.h"
#include "editor/shell/StageDoc.h"
#include "framework/Page.h"
#include "tools/shots/WindowPicture.h"

namespace {

// The data move dialog with a move filled in: pictured, then cancelled.
void ShootDataMove(HWND dlg) {
    SetDlgItemTextA(dlg, 1038, "5");
    SetDlgItemTextA(dlg, 1004, "7");
    SetDlgItemTextA(dlg, 1005, "2");
    SetWindowPos(dlg, HWND_TOP, 40, 440, 0, 0, SWP_NOSIZE);
    ShootWindow(dlg, "4-data-move");
    PostMessageA(dlg, WM_COMMAND, 1001, 0);
}

// The open stage: a small one with the common palette as its own palette and charas in two groups.
void SetUpStage() {
    cEdStage& stage = ProjectStage();
    stage.SetSize(20, 15);
    stage.m_Palette = ProjectCommonPalette();
    for (int column = 2; column < 5; ++column) {
        cEdChara chara = stage.m_Palette.m_Charas.size() > 1 ? stage.m_Palette.m_Charas[1] : cEdChara();
        chara.m_Graphic = 1;
        chara.m_Control = 1;
        chara.m_HasGroup = 1;
        chara.m_GroupNo = static_cast<uint16_t>(column == 4 ? 12 : 7);
        stage.PutChara(stage.CellIndex(column, 5), chara);
    }
    StageDoc().m_StageOpen = 1;
    StageDoc().m_StagePath = "data\\stg4\\Sample.stg4_147";
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc != 2) {
        std::fprintf(stderr, "usage: palette_shots FOLDER\n");
        return 2;
    }
    SetPictureFolder(__argv[1], "palette_shots");
    AppState().instance = instance;
    if (!LoadProject()) return 1;
    SetUpStage();
    cPage::SetScrollBarIds(IDC_CANVAS_HBAR, IDC_CANVAS_VBAR);
    RegisterEditorClass(instance);
    if (!CreateFrameWnd() || !CreateEditWnd()) return 1;
    cEditWnd* main = MainEditWnd();
    SetWindowPos(main->GetHwnd(), nullptr, 10, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EditConfig().m_Windows[7].m_Shown = 1;
    ShowPaletteWindows(main, eLayerBlock);
    PumpMessages(300);

    cPaletteDlg* common = dynamic_cast<cPaletteDlg*>(main->m_lpPaletteWnd[ePaletteCommon][eKindBlock]);
    cPaletteDlg* stage = dynamic_cast<cPaletteDlg*>(main->m_lpPaletteWnd[ePaletteStage][eKindBlock]);
    if (!common || !stage) return 1;
    SetWindowPos(common->GetHwnd(), nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(stage->GetHwnd(), nullptr, 320, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    StageDoc().m_SelPalette = 0;
    StageDoc().m_SelIndex = 3;
    common->OnPaint();
    ShootWindow(common->GetHwnd(), "1-common-blocks");
    stage->OnPaint();
    ShootWindow(stage->GetHwnd(), "2-stage-blocks");

    StageDoc().m_SelPalette = 1;
    StageDoc().m_SelIndex = 3;
    SendMessageA(stage->GetHwnd(), WM_COMMAND, ID_ELEMENT_EDIT, 0);
    PumpMessages(300);
    if (cPropSheet* sheet = stage->DataWnd()) {
        SetWindowPos(sheet->GetHwnd(), nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShootWindow(sheet->GetHwnd(), "3-block");
        PostMessageA(sheet->GetHwnd(), WM_COMMAND, IDCANCEL, 0);
        PumpMessages(300);
    }

    WhileModal("データの移動", [&] { SendMessageA(stage->GetHwnd(), WM_COMMAND, ID_PALETTE_MOVE, 0); }, ShootDataMove);

    ShowPaletteWindows(main, eLayerChara);
    PumpMessages(300);
    if (main->m_lpGroupWnd) {
        SetWindowPos(main->m_lpGroupWnd->GetHwnd(), HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE);
        main->m_lpGroupWnd->OnPaint();
        ShootWindow(main->m_lpGroupWnd->GetHwnd(), "5-group");
    }

    // The four pages of the chara data sheet on the common palette's first chara.
    if (auto* charas = dynamic_cast<cPaletteDlg*>(main->m_lpPaletteWnd[ePaletteCommon][eKindChara])) {
        StageDoc().m_SelPalette = 0;
        StageDoc().m_SelIndex = 1;
        SendMessageA(charas->GetHwnd(), WM_COMMAND, ID_ELEMENT_EDIT, 0);
        PumpMessages(300);
        if (cPropSheet* sheet = charas->DataWnd()) {
            SetWindowPos(sheet->GetHwnd(), HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE);
            const char* const names[] = {"c1-basic", "c2-display", "c3-ability", "c4-action"};
            for (int page = 0; page < 4; ++page) {
                SendMessageA(sheet->GetHwnd(), PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
                PumpMessages(200);
                ShootWindow(sheet->GetHwnd(), names[page]);
            }
            PostMessageA(sheet->GetHwnd(), WM_COMMAND, IDCANCEL, 0);
            PumpMessages(300);
        }
    }
    // The two pages of the item data sheet on the stage palette's first item, which takes its
    // name and graphic from the common palette and runs two commands.
    ShowPaletteWindows(main, eLayerItem);
    PumpMessages(300);
    if (auto* items = dynamic_cast<cPaletteDlg*>(main->m_lpPaletteWnd[ePaletteStage][eKindItem])) {
        cRecordVector<cEdItem>& list = ProjectStage().m_Palette.m_Items;
        if (list.size() > 1) {
            cEdItem& item = list[1];
            item.m_InheritSrc = 1;
            item.m_InheritIndex = 1;
            item.m_bbInherit[0] = 1;
            item.m_bbInherit[4] = 1;
            for (int type : {3, 21}) {
                cFlowCmd cmd;
                cmd.m_CmdSet = 1;
                cmd.m_CmdType = static_cast<uint8_t>(type);
                cmd.m_Text = type == 21 ? "$V[0] = $V[0] + 1" : "";
                cmd.m_Time = 10;
                item.m_Commands.push_back(cmd);
            }
            item.ApplyInherit();
        }
        StageDoc().m_SelPalette = 1;
        StageDoc().m_SelIndex = 1;
        SendMessageA(items->GetHwnd(), WM_COMMAND, ID_ELEMENT_EDIT, 0);
        PumpMessages(300);
        if (cPropSheet* sheet = items->DataWnd()) {
            SetWindowPos(sheet->GetHwnd(), HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE);
            const char* const names[] = {"i1-page1", "i2-page2"};
            for (int page = 0; page < 2; ++page) {
                SendMessageA(sheet->GetHwnd(), PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
                PumpMessages(200);
                ShootWindow(sheet->GetHwnd(), names[page]);
            }
            PostMessageA(sheet->GetHwnd(), WM_COMMAND, IDCANCEL, 0);
            PumpMessages(300);
        }
    }
    ShowPaletteWindows(main, -1);
    DestroyFrameWnd();
    return 0;
}
