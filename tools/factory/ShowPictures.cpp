// Shows each picture file of the game's picture table (up to the stage backgrounds) in a 640 x 480 window, loaded and drawn by the
// game's own code (window mode on the desktop's depth), so that a screenshot of each can be
// taken: tools/factory/screenshots.sh runs it in the project folder and captures the display.
//
//     show_pictures.exe HANDSHAKE_FOLDER
//
// After drawing picture n it writes HANDSHAKE_FOLDER\shown-n ("x y width height file": the
// window's client area on the screen and the picture's file) and goes on when shot-n appears
// there, or after ten seconds. Small pictures are enlarged by a whole factor; what a picture
// leaves transparent shows the backdrop colour. Exit code 0 when every picture was shown.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>

#include "game/media/Bitmap.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/media/Palette.h"
#include "game/media/PictureTable.h"

namespace {

const int kWidth = 640;
const int kHeight = 480;
const int kBackdrop = 18;  // a dark grey of the factory palette
const char kPalette[] = "bmp\\plt\\Palette.bmp";

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

HWND MakeWindow() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "FactoryPictures";
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassA(&wc);
    RECT rc = {0, 0, kWidth, kHeight};
    AdjustWindowRect(&rc, WS_OVERLAPPEDWINDOW, FALSE);
    HWND wnd = CreateWindowA(wc.lpszClassName, "factory pictures", WS_OVERLAPPEDWINDOW, 0, 0, rc.right - rc.left,
                             rc.bottom - rc.top, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(wnd, SW_SHOW);
    SetForegroundWindow(wnd);
    Pump();
    return wnd;
}

// The picture on the backdrop in the work surface, then the work surface in the window.
void Draw(cSurface& picture, const cPictureRow& row) {
    cDisplayState& display = Display();
    DDFillRect(display.Work, 0, 0, kWidth, kHeight, kBackdrop);
    int scale = std::max(1, std::min(kWidth / picture.nWidth, kHeight / picture.nHeight));
    DDStretchBlt(display.Work, 0, 0, picture.nWidth * scale, picture.nHeight * scale, picture, 0, 0, picture.nWidth,
                 picture.nHeight, row.nColorKey ? 1 : 0);
    RECT source = {0, 0, kWidth, kHeight};
    display.Primary.lpSurface->Blt(&display.rcWindow, display.Work.lpSurface, &source, DDBLT_WAIT, nullptr);
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: show_pictures HANDSHAKE_FOLDER\n");
        return 2;
    }
    const std::string handshake = argv[1];
    static cSurface surfaces[kPictureTableRows];
    static cPictureRow rows[kPictureTableRows];
    for (int i = 0; i < kPictureTableRows; ++i) rows[i] = PictureTable[i];

    HWND wnd = MakeWindow();
    if (!DDInit(wnd, kWidth, kHeight, 16, 1, 1, 60, 0, surfaces, rows, kPictureTableRows) ||
        !DDLoadPaletteFromFile(Display().Palette, kPalette) || !DDSetTransmit(kPalette)) {
        std::fprintf(stderr, "show_pictures: no display\n");
        return 1;
    }
    POINT origin = {0, 0};
    ClientToScreen(wnd, &origin);

    int failed = 0, shown = 0;
    std::set<std::string> files;
    for (int i = 0; i < kPictureFirstBackground; ++i) {
        if (!files.insert(rows[i].szFileName).second) continue;
        if (!DDLoadSurfaces(surfaces, &i, 1)) {
            std::fprintf(stderr, "show_pictures: %s does not load\n", rows[i].szFileName);
            ++failed;
            continue;
        }
        Draw(surfaces[i], rows[i]);
        Pump();
        const std::string note = handshake + "\\shown-" + std::to_string(shown);
        FILE* fp = std::fopen(note.c_str(), "w");
        if (fp) {
            std::fprintf(fp, "%ld %ld %d %d %s\n", origin.x, origin.y, kWidth, kHeight, rows[i].szFileName);
            std::fclose(fp);
        }
        const std::string done = handshake + "\\shot-" + std::to_string(shown);
        for (int wait = 0; wait < 1000 && !Exists(done); ++wait) {
            Draw(surfaces[i], rows[i]);
            Pump();
            Sleep(10);
        }
        ++shown;
    }
    DDUnInitWindow();
    DestroyWindow(wnd);
    return failed ? 1 : 0;
}
