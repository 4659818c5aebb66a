// Pictures of the command picker and the command dialogs for the documentation. Runs only with
// KIT_DIALOG_SHOTS naming a folder: each window is saved there as NN-caption.bmp
// (tools/flow/dialog_sheet.sh makes the contact sheet from them).
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/FlowTables.h"
#include "editor/flow/CmdDlg.h"
#include "editor/flow/FlowCmdIds.h"
#include "tests/flow/CmdDlgFixture.h"
#include "tests/support/DialogDriver.h"

namespace {

// The window as the screen shows it, brought on top and drawn whole first, as a 24-bit bottom-up
// BMP file.
bool SaveWindowPicture(HWND wnd, const std::string& path) {
    SetWindowPos(wnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    // The display draws what the window sent it a little later.
    for (DWORD start = GetTickCount(); GetTickCount() - start < 300;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    }
    RECT rect;
    GetWindowRect(wnd, &rect);
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info = {sizeof info, width, height, 1, 24, BI_RGB};
    int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<size_t>(stride) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER file = {0x4d42, static_cast<DWORD>(sizeof file + sizeof info + pixels.size()), 0, 0,
                             static_cast<DWORD>(sizeof file + sizeof info)};
    FILE* out = fopen(path.c_str(), "wb");
    if (!out) return false;
    bool ok = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&info, sizeof info, 1, out) == 1 &&
              fwrite(pixels.data(), 1, pixels.size(), out) == pixels.size();
    return fclose(out) == 0 && ok;
}

TEST_F(CmdDlgTest, PicturesOfThePickerAndTheDialogs) {
    const char* folder = getenv("KIT_DIALOG_SHOTS");
    if (!folder) GTEST_SKIP() << "KIT_DIALOG_SHOTS names no folder";
    // Picture 0 is the picker; picture k the dialog of command type k.
    struct cShot {
        int type;
        const char* name;
    };
    std::vector<cShot> shots = {{0, "コマンド"}};
    for (int type = 1; type < kCharaCommandTypes; ++type) shots.push_back({type, CharaCommandTypes[type].m_Name});
    int n = 0;
    for (const cShot& shot : shots) {
        std::string path = std::string(folder) + "/" + std::to_string(n++) + ".bmp";
        cFlowCmd cmd = NewCmd(shot.type);
        auto save = [path](HWND wnd) {
            EXPECT_TRUE(SaveWindowPicture(wnd, path)) << path;
            SendMessageA(wnd, WM_CLOSE, 0, 0);
        };
        if (shot.type == 0) {
            DriveCaptioned(shot.name, save);
            EXPECT_EQ(0, RunPicker(cmd, 0));
        } else {
            DriveCaptioned("コマンド", [shot, save](HWND picker) {
                DriveCaptioned(shot.name, save);
                Press(picker, CmdButtonId(shot.type));
            });
            cCmdContext context;
            context.m_lpCmd = &cmd;
            context.m_New = 1;
            cCmdDlg picker(IDD_CMD_PICKER, nullptr, context, nullptr);
            EXPECT_EQ(0, picker.DoModal(0)) << shot.name;
        }
    }
}

}  // namespace
