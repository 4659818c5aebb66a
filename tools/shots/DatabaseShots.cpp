// Opens the database window on the project in the current folder (its data\ folder made
// beforehand), pictures its ten pages and the three item dialogs (anime pattern, effect frame,
// sword position) and writes what the screen shows of each as a BMP file into the folder given:
//   database_shots.exe FOLDER
#include <windows.h>
#include <prsht.h>

#include <cstdio>
#include <string>

#include "data/ProjectDatabase.h"
#include "editor/database/DatabaseIds.h"
#include "editor/database/DatabaseWnd.h"
#include "editor/database/DbPage.h"
#include "editor/shell/App.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorIds.h"
#include "editor/shell/LoadProject.h"
#include "framework/Page.h"
#include "tools/shots/WindowPicture.h"

namespace {

std::string g_folder;
const char* g_modalCaption = nullptr;
const char* g_modalName = nullptr;

void Pump(DWORD ms) {
    DWORD until = GetTickCount() + ms;
    while (GetTickCount() < until) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (EditorGroup().PreTranslate(&msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

void Shoot(HWND wnd, const char* name) {
    if (!wnd) {
        std::fprintf(stderr, "database_shots: no window for %s\n", name);
        return;
    }
    SetWindowPos(wnd, HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE);
    SetForegroundWindow(wnd);
    Pump(500);
    std::string path = g_folder + "\\" + name + ".bmp";
    if (!SaveWindowPicture(wnd, path)) std::fprintf(stderr, "database_shots: %s not written\n", path.c_str());
}

BOOL CALLBACK FindModal(HWND wnd, LPARAM found) {
    char caption[128] = "";
    GetWindowTextA(wnd, caption, sizeof caption);
    if (!g_modalCaption || !IsWindowVisible(wnd) || std::string(caption) != g_modalCaption) return TRUE;
    *reinterpret_cast<HWND*>(found) = wnd;
    return FALSE;
}

// Pictures the item dialog once it is open, then closes it (the close box leaves the item).
void CALLBACK ModalTimer(HWND, UINT, UINT_PTR, DWORD) {
    HWND dlg = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindModal, reinterpret_cast<LPARAM>(&dlg));
    if (!dlg) return;
    g_modalCaption = nullptr;
    Shoot(dlg, g_modalName);
    PostMessageA(dlg, WM_CLOSE, 0, 0);
}

// Shows the page, then pictures the dialog its button opens.
void ShootItemDialog(cDatabaseWnd* sheet, int page, int button, const char* caption, const char* name) {
    sheet->SetCurPage(page);
    Pump(200);
    g_modalCaption = caption;
    g_modalName = name;
    UINT_PTR timer = SetTimer(nullptr, 0, 100, ModalTimer);
    SendMessageA(GetDlgItem(sheet->Page(page)->GetHwnd(), button), BM_CLICK, 0, 0);
    KillTimer(nullptr, timer);
    if (g_modalCaption) std::fprintf(stderr, "database_shots: %s did not open\n", name);
    g_modalCaption = nullptr;
    Pump(200);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc != 2) {
        std::fprintf(stderr, "usage: database_shots FOLDER\n");
        return 2;
    }
    g_folder = __argv[1];
    AppState().instance = instance;
    if (!LoadProject()) return 1;
    cPage::SetScrollBarIds(IDC_CANVAS_HBAR, IDC_CANVAS_VBAR);
    RegisterEditorClass(instance);
    if (!CreateFrameWnd() || !CreateEditWnd()) return 1;
    cEditWnd* main = MainEditWnd();
    Pump(300);

    OpenDatabaseWnd(main);
    Pump(300);
    auto* sheet = dynamic_cast<cDatabaseWnd*>(main->m_lpDatabaseWnd);
    if (!sheet || !sheet->GetHwnd()) {
        std::fprintf(stderr, "database_shots: the database window did not open\n");
        return 1;
    }
    const char* const pages[kDatabasePages] = {"01-anime-set", "02-anime",  "03-chara-bmp", "04-sword",
                                               "05-effect",    "06-chara-effect", "07-screen-effect",
                                               "08-picture",   "09-sound",  "10-bgm"};
    for (int page = 0; page < kDatabasePages; ++page) {
        sheet->SetCurPage(page);
        // A few idle frames, so that the previews show their samples.
        for (int tick = 0; tick < 3; ++tick) {
            sheet->ApplyCurPage();
            Pump(20);
        }
        Shoot(sheet->GetHwnd(), pages[page]);
    }
    ShootItemDialog(sheet, 1, IDC_DB_PATTERN_EDIT, "アニメパターン", "11-anime-pattern");
    ShootItemDialog(sheet, 4, IDC_DB_EFFECT_INSERT, "アニメ", "12-effect-frame");
    ShootItemDialog(sheet, 3, IDC_DB_POS_EDIT, "ソードの位置", "13-sword-position");
    PropSheet_PressButton(sheet->GetHwnd(), PSBTN_CANCEL);
    PostMessageA(main->GetHwnd(), WM_NULL, 0, 0);
    Pump(300);
    DestroyFrameWnd();
    return 0;
}
