// Draws the factory stage as the play scene builds it (its blocks and the status bar over the
// stage's sky colour) with the game's own code in a 640 x 480 window under Wine, and writes
// what it drew to a 24-bit BMP file: tools/factory/stage-screenshot.sh runs it in the project
// folder and makes docs/factory-stage.png from it.
//
//     show_stage.exe OUT.bmp
#include <windows.h>

#include <cstdio>
#include <vector>

#include "data/CommonPalette.h"
#include "data/ProjectData.h"
#include "data/Stage.h"
#include "game/data/StageLoad.h"
#include "game/media/Bitmap.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/media/Font.h"
#include "game/media/Palette.h"
#include "game/media/PictureTable.h"
#include "game/media/PixelView.h"
#include "game/play/PlayScene.h"
#include "game/play/StatusBar.h"

namespace {

const int kWidth = 640;
const int kHeight = 480;
const char kPalette[] = "bmp\\plt\\Palette.bmp";
const int kTextColour = 241;

HWND MakeWindow() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "FactoryStage";
    RegisterClassA(&wc);
    RECT rc = {0, 0, kWidth, kHeight};
    AdjustWindowRect(&rc, WS_OVERLAPPEDWINDOW, FALSE);
    HWND wnd = CreateWindowA(wc.lpszClassName, "factory stage", WS_OVERLAPPEDWINDOW, 0, 0, rc.right - rc.left,
                             rc.bottom - rc.top, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(wnd, SW_SHOW);
    return wnd;
}

// The surface as a bottom-up 24-bit BMP file.
bool WriteBmp(cSurface& surface, const char* path) {
    cLockedView locked(surface);
    if (!locked.IsLocked()) return false;
    const int rowBytes = (kWidth * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<size_t>(rowBytes) * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const cRgb rgb = PixelToRgb(locked.View().Get(x, y), Display().Format);
            unsigned char* p = &pixels[static_cast<size_t>(kHeight - 1 - y) * rowBytes + x * 3];
            p[0] = static_cast<unsigned char>(rgb.b);
            p[1] = static_cast<unsigned char>(rgb.g);
            p[2] = static_cast<unsigned char>(rgb.r);
        }
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = kWidth;
    info.biHeight = kHeight;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = static_cast<DWORD>(pixels.size());
    BITMAPFILEHEADER head = {};
    head.bfType = 0x4D42;
    head.bfOffBits = sizeof head + sizeof info;
    head.bfSize = head.bfOffBits + info.biSizeImage;
    FILE* fp = std::fopen(path, "wb");
    if (!fp) return false;
    const bool written = std::fwrite(&head, sizeof head, 1, fp) == 1 && std::fwrite(&info, sizeof info, 1, fp) == 1 &&
                         std::fwrite(pixels.data(), pixels.size(), 1, fp) == 1;
    return std::fclose(fp) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: show_stage OUT.bmp\n");
        return 2;
    }
    static cSurface surfaces[kPictureTableRows];
    static cPictureRow rows[kPictureTableRows];
    for (int i = 0; i < kPictureTableRows; ++i) rows[i] = PictureTable[i];
    HWND wnd = MakeWindow();
    std::vector<int> pictures;
    for (int i = 1; i < kPictureFirstBackground; ++i) pictures.push_back(i);
    if (!DDInit(wnd, kWidth, kHeight, 16, 1, 1, 60, 0, surfaces, rows, kPictureTableRows) ||
        !DDLoadPaletteFromFile(Display().Palette, kPalette) || !DDSetTransmit(kPalette) ||
        !DDLoadSurfaces(surfaces, pictures.data(), static_cast<int>(pictures.size()))) {
        std::fprintf(stderr, "show_stage: no display or pictures\n");
        return 1;
    }
    if (!ProjectCommonPalette().LoadFile("default\\CommonPalette.cplt4") ||
        !ProjectSystemData().LoadFile("default\\System.dat") || !LoadStageAndStart("default\\stg4\\Default.stg4", 1)) {
        std::fprintf(stderr, "show_stage: the factory records do not load\n");
        return 1;
    }
    cPlayScene scene;
    if (!scene.SetStage(ProjectStage())) return 1;

    cSurface& screen = Display().Work;
    const cBackLayer& sky = ProjectStage().m_BackLayers.At(0);
    DDFillRect(screen, 0, 0, kWidth, kHeight, sky.m_UseColor ? sky.m_Color : 16);
    scene.DrawBlockLayer(screen, 0);
    scene.DrawBlockLayer(screen, 1);
    cFont captions, numbers;
    captions.Create(0, 16, 15, 16, kTextColour, nullptr, 0, 0, nullptr);
    numbers.Create(0, 10, 9, 10, kTextColour, nullptr, 0, 0, nullptr);
    cStatusValues values;
    values.score = 1230;
    values.lives = 3;
    values.hp = scene.m_Players[0].m_Hp * 7 / 10;
    values.maxHp = scene.m_Players[0].m_MaxHp;
    values.sp = 4;
    values.maxSp = 10;
    DrawStatusBar(screen, ProjectSystemData().m_StatusItems, values, surfaces[45], surfaces[47], captions, numbers);

    RECT source = {0, 0, kWidth, kHeight};
    Display().Primary.lpSurface->Blt(&Display().rcWindow, screen.lpSurface, &source, DDBLT_WAIT, nullptr);
    const bool written = WriteBmp(screen, argv[1]);
    captions.Delete();
    numbers.Delete();
    DDUnInitWindow();
    DestroyWindow(wnd);
    if (!written) std::fprintf(stderr, "show_stage: %s not written\n", argv[1]);
    return written ? 0 : 1;
}
