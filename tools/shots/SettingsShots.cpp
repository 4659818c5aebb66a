// Opens the system settings sheet (its five pages), the project options sheet (its two pages),
// the stage option dialog, the bitmap conversion tool, and the world map window's event palette,
// event dialog and settings dialog, and the stage settings sheet (its three pages) on the project
// in the current folder (its data\ folder made beforehand) and writes what the screen shows of
// each as a BMP file into the folder given:
//   settings_shots.exe FOLDER
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "data/ProjectData.h"
#include "data/Stage.h"
#include "editor/shell/App.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorIds.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/EditorState.h"
#include "editor/shell/FrameWnd.h"
#include "editor/shell/LoadProject.h"
#include "editor/shell/StageDoc.h"
#include "editor/world/BmpConvert.h"
#include "editor/world/BmpConvertWnd.h"
#include "editor/world/EventDlg.h"
#include "editor/world/PrjOptionSheet.h"
#include "editor/world/StageOptionDlg.h"
#include "editor/world/SystemSettingSheet.h"
#include "editor/world/WorldIds.h"
#include "editor/world/WorldMapDlg.h"
#include "framework/Page.h"
#include "framework/PropSheet.h"
#include "tools/shots/WindowPicture.h"

namespace {

void Shoot(HWND wnd, const char* name) {
    if (wnd) SetWindowPos(wnd, HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE);
    ShootWindow(wnd, name);
}

void ShootPages(cPropSheet* sheet, const char* const* names, int count) {
    if (!sheet || !sheet->GetHwnd()) {
        std::fprintf(stderr, "settings_shots: no sheet for %s\n", names[0]);
        return;
    }
    for (int page = 0; page < count; ++page) {
        sheet->SetCurPage(page);
        Shoot(sheet->GetHwnd(), names[page]);
    }
    PropSheet_PressButton(sheet->GetHwnd(), PSBTN_CANCEL);
    PostMessageA(MainEditWnd()->GetHwnd(), WM_NULL, 0, 0);
    PumpMessages(300);
}

// The factory's bitmaps dropped on the tool as the shell drops them.
void DropFiles(HWND wnd, const std::vector<std::string>& paths) {
    size_t chars = 1;
    for (const std::string& p : paths) chars += p.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + chars);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    char* names = reinterpret_cast<char*>(drop + 1);
    for (const std::string& p : paths) {
        memcpy(names, p.c_str(), p.size() + 1);
        names += p.size() + 1;
    }
    GlobalUnlock(memory);
    SendMessageA(wnd, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

// Pictures the modal dialog, then closes it.
std::function<void(HWND)> ShootAndClose(const char* name) {
    return [name](HWND dlg) {
        Shoot(dlg, name);
        PostMessageA(dlg, WM_CLOSE, 0, 0);
    };
}

// The world map window in event mode: its palette, the event dialog on the first template and
// the settings dialog.
void ShootWorldWindows(cEditWnd* main) {
    OpenWorldMapWnd(main);
    PumpMessages(300);
    auto* world = dynamic_cast<cWorldMapDlg*>(main->m_lpWorldMapWnd);
    if (!world) return;
    SendMessageA(world->GetHwnd(), WM_COMMAND, ID_WORLD_EVENT_MODE, 0);
    PumpMessages(300);
    if (cChildWnd* palette = world->Palette()) Shoot(palette->GetHwnd(), "10-event-palette");
    cWorldMap& map = ProjectWorldMap();
    if (map.m_EventPalette.empty()) return;
    cWorldEvent& event = map.m_EventPalette[0];
    if (event.m_Name.empty()) event.m_Name = "はじまりの村";
    WhileModal("イベント", [&] { RunWorldEventDlg(&event, world, &EditorGroup()); }, ShootAndClose("11-world-event"));
    WhileModal("ワールドマップの設定", [&] { SendMessageA(world->GetHwnd(), WM_COMMAND, ID_WORLD_SETTINGS, 0); },
               ShootAndClose("12-world-setting"));
    PumpMessages(200);
}

void ShootModal(const char* caption, const char* name, void (*open)(cEditWnd*)) {
    WhileModal(caption, [open] { open(MainEditWnd()); }, ShootAndClose(name));
    PumpMessages(200);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc != 2) {
        std::fprintf(stderr, "usage: settings_shots FOLDER\n");
        return 2;
    }
    SetPictureFolder(__argv[1], "settings_shots");
    AppState().instance = instance;
    if (!LoadProject()) return 1;
    ProjectStage().SetSize(20, 15);
    StageDoc().m_StageOpen = 1;
    StageDoc().m_StagePath = "data\\stg4\\Sample.stg4_147";
    cPage::SetScrollBarIds(IDC_CANVAS_HBAR, IDC_CANVAS_VBAR);
    RegisterEditorClass(instance);
    if (!CreateFrameWnd() || !CreateEditWnd()) return 1;
    cEditWnd* main = MainEditWnd();
    PumpMessages(300);

    OpenSystemSettings(main);
    PumpMessages(300);
    const char* const systemPages[] = {"1-system-1", "2-system-2", "3-system-3", "4-system-4", "5-system-5"};
    ShootPages(main->m_lpSystemSheet, systemPages, 5);

    OpenProjectOptions(main);
    PumpMessages(300);
    const char* const optionPages[] = {"6-options-general", "7-options-inherit"};
    ShootPages(main->m_lpPrjOptionSheet, optionPages, 2);

    ShootModal("ステージオプション", "8-stage-option", OpenStageOption);
    cBmpConvertSettings& bmp = BmpConvertSettings();
    bmp.useTransparent = 1;
    bmp.replaceLine = 1;
    bmp.lineIn = 1;
    bmp.lineOut = 12;
    bmp.outFolder = "bmp\\convert";
    // The factory's bitmaps dropped on the tool first.
    WhileModal("ビットマップ変換ツール", [] { OpenBitmapTool(MainEditWnd()); }, [](HWND dlg) {
        char cwd[MAX_PATH];
        GetCurrentDirectoryA(sizeof cwd, cwd);
        const std::string folder = std::string(cwd) + "\\bmp\\";
        DropFiles(dlg, {folder + "Block.bmp", folder + "Character1.bmp", folder + "Character2.bmp", folder + "Back.bmp"});
        ShootAndClose("9-bitmap-tool")(dlg);
    });
    PumpMessages(200);
    ShootWorldWindows(main);

    // The stage settings sheet over the factory stage, each page a picture of its own.
    if (OpenLastStage("data\\stg4\\Default.stg4_147")) {
        SendMessageA(main->GetHwnd(), WM_COMMAND, ID_STAGE_SETTINGS, 0);
        PumpMessages(300);
        const char* const stagePages[] = {"stage-settings-basic", "stage-settings-advanced", "stage-settings-advanced2"};
        ShootPages(main->m_lpStageSheet, stagePages, 3);
    } else {
        std::fprintf(stderr, "settings_shots: the factory stage did not open\n");
    }
    DestroyFrameWnd();
    return 0;
}
