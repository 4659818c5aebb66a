// Opens the database window on the project in the current folder (its data\ folder made
// beforehand), pictures its ten pages and the three item dialogs (anime pattern, effect frame,
// sword position) and writes what the screen shows of each as a BMP file into the folder given:
//   database_shots.exe FOLDER
#include <windows.h>
#include <prsht.h>

#include <cstdio>
#include "data/ProjectDatabase.h"
#include "editor/database/DatabaseIds.h"
#include "editor/database/DatabaseWnd.h"
#include "editor/database/DbPage.h"
#include "editor/shell/App.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorIds.h"
#include "editor/shell/EditorState.h"
#include "editor/shell/FrameWnd.h"
#include "editor/shell/LoadProject.h"
#include "framework/Page.h"
#include "tools/shots/WindowPicture.h"

namespace {

// The pictures are taken at one place on the screen, whatever the window's first position.
void Shoot(HWND wnd, const char* name) {
    if (wnd) SetWindowPos(wnd, HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE);
    ShootWindow(wnd, name);
}

// Shows the page, then pictures the dialog its button opens and closes it (the close box leaves
// the item).
void ShootItemDialog(cDatabaseWnd* sheet, int page, int button, const char* caption, const char* name) {
    sheet->SetCurPage(page);
    PumpMessages(200);
    bool shown = false;
    WhileModal(
        caption, [&] { SendMessageA(GetDlgItem(sheet->Page(page)->GetHwnd(), button), BM_CLICK, 0, 0); },
        [&](HWND dlg) {
            shown = true;
            Shoot(dlg, name);
            PostMessageA(dlg, WM_CLOSE, 0, 0);
        });
    if (!shown) std::fprintf(stderr, "database_shots: %s did not open\n", name);
    PumpMessages(200);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc != 2) {
        std::fprintf(stderr, "usage: database_shots FOLDER\n");
        return 2;
    }
    SetPictureFolder(__argv[1], "database_shots");
    AppState().instance = instance;
    if (!LoadProject()) return 1;
    cPage::SetScrollBarIds(IDC_CANVAS_HBAR, IDC_CANVAS_VBAR);
    RegisterEditorClass(instance);
    if (!CreateFrameWnd() || !CreateEditWnd()) return 1;
    cEditWnd* main = MainEditWnd();
    PumpMessages(300);

    OpenDatabaseWnd(main);
    PumpMessages(300);
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
            PumpMessages(20);
        }
        Shoot(sheet->GetHwnd(), pages[page]);
    }
    ShootItemDialog(sheet, 1, IDC_DB_PATTERN_EDIT, "アニメパターン", "11-anime-pattern");
    ShootItemDialog(sheet, 4, IDC_DB_EFFECT_INSERT, "アニメ", "12-effect-frame");
    ShootItemDialog(sheet, 3, IDC_DB_POS_EDIT, "ソードの位置", "13-sword-position");
    PropSheet_PressButton(sheet->GetHwnd(), PSBTN_CANCEL);
    PostMessageA(main->GetHwnd(), WM_NULL, 0, 0);
    PumpMessages(300);
    DestroyFrameWnd();
    return 0;
}
