// The play scene: one frame of simulation and one painted picture, each as a share of a frame at
// 60 frames a second (the reference row is the frame itself), on the factory stage, on a
// generated stress stage (a wide stage full of blocks under five background layers, the whole
// screen turned by a screen effect, 200 shots flying, 400 characters acting wherever they are)
// and on the sample game's first stage played from start to goal by its committed input log.
// Characters run their flows with the game's flow runtime, as in the game.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "data/CommonPalette.h"
#include "data/ProjectData.h"
#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "game/data/GameDatabase.h"
#include "game/core/GameModes.h"
#include "game/core/SceneManager.h"
#include "game/data/ReplayData.h"
#include "game/data/StageLoad.h"
#include "game/flow/PlayFlowRuntime.h"
#include "game/media/Bitmap.h"
#include "game/media/Display.h"
#include "game/media/Palette.h"
#include "game/media/PictureTable.h"
#include "game/play/PlayPaint.h"
#include "game/play/PlayScene.h"
#include "tests/game/play/InputLog.h"
#include "tools/bench/Bench.h"

namespace {

const int kRuns = 300;
const int kStressLayers = 5;
const int kStressCharas = 400;

const char kSampleLog[] =
#include "tests/game/play/fixtures/SampleLog.inc"
    ;

cSurface g_Surfaces[kPictureTableRows];
cPictureRow g_Rows[kPictureTableRows];

bool StartDisplay() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "BenchPlay";
    RegisterClassA(&wc);
    HWND wnd = CreateWindowA(wc.lpszClassName, "play", WS_OVERLAPPEDWINDOW, 0, 0, 660, 520, nullptr, nullptr,
                             wc.hInstance, nullptr);
    ShowWindow(wnd, SW_SHOW);
    for (int i = 0; i < kPictureTableRows; ++i) g_Rows[i] = PictureTable[i];
    std::vector<int> pictures;
    for (int i = 1; i < kBackLayerSlot; ++i) pictures.push_back(i);
    for (int i = kBackLayerSlot + kBackLayerSlots; i < kPictureTableRows; ++i) pictures.push_back(i);
    return DDInit(wnd, 640, 480, 16, 1, 1, 60, 0, g_Surfaces, g_Rows, kPictureTableRows) &&
           DDLoadPaletteFromFile(Display().Palette, "bmp\\plt\\Palette.bmp") && DDSetTransmit("bmp\\plt\\Palette.bmp") &&
           DDLoadSurfaces(g_Surfaces, pictures.data(), static_cast<int>(pictures.size()));
}

// Every cell of a 300 x 15 stage a block, the player in the middle, automatic scroll across,
// five tiled picture layers (one in front).
void MakeStressStage(cEdStage& stage) {
    const cCommonPalette& palette = ProjectCommonPalette();
    cEdChara player = palette.m_Charas.At(1);
    stage.SetSize(300, 15);
    for (int32_t row = 0; row < stage.m_Height; ++row)
        for (int32_t column = 0; column < stage.m_Width; ++column)
            if (row > 9 || (row + column) % 5 == 0)
                stage.m_Blocks.Put(stage.CellIndex(column, row), palette.m_Blocks.At(1 + (row + column) % 8));
    player.m_Control = 0;
    // Life enough to outlast the enemies' blows: every timed frame is one of play, with the
    // shots and the screen effect running.
    player.m_Hp = 1000000;
    stage.PutCharaAt(150, 5, player);
    // Characters that act wherever they are, every eighth a flying block character that the
    // others meet.
    for (int i = 0; i < kStressCharas; ++i) {
        cEdChara chara = palette.m_Charas.At(2);
        chara.m_Control = 1;
        chara.m_Extra3 = -1;
        chara.m_ActRange = 3;
        if (i % 8 == 0) {
            chara.m_BlockHit = 1;
            chara.m_Flight = 2;
        }
        stage.PutCharaAt(i % stage.m_Width, 7 + i / stage.m_Width, chara);
    }
    stage.m_ScrollMode[0] = 1;
    stage.m_AutoScrollSpeed[0] = 10;
    stage.m_BackLayers.resize(kStressLayers);
    for (int i = 0; i < kStressLayers; ++i) {
        cBackLayer& layer = stage.m_BackLayers[i];
        layer.m_ShowAtStart = 1;
        layer.m_UseColor = 0;
        layer.m_Picture = "..\\Back.bmp";
        layer.m_Front = i == kStressLayers - 1;
        layer.m_AutoScrollX = i % 2;
        layer.m_SpeedX = 0.25 * (i + 1);
        layer.m_SpeedY = 0.5;
    }
}

// Play takes a small share of a frame: the ratio to the frame gets three decimals.
void PrintShare(const char* stage, const char* what, const cTiming& t) {
    printf("| %s: %s | %.3f | %.3f | one frame at 60/s | %.2f | %.2f | %.3f |\n", stage, what, t.min, t.median,
           kFrameMs, kFrameMs, t.min / kFrameMs);
    fflush(stdout);
}

// A screen effect that turns the whole screen, repeating: database entry 1.
void AddTurningScreen() {
    cDatabase& database = ProjectDatabase();
    if (database.m_ScrEffects.size() < 2) database.m_ScrEffects.resize(2);
    cScrEffect& entry = database.m_ScrEffects[1];
    entry.m_Type = 9;
    const int32_t params[5] = {10, 0, 1440, 0, 0};
    std::copy(params, params + 5, entry.m_Params);
    BuildScrEffectProtos(ScrEffectProtoTable(), database);
}

// Shots over the view that keep up with the automatic scroll: every other one of another force
// than the player's, so the collision passes have pairs to test.
void AddShots(cPlayScene& scene, int count) {
    if (scene.m_Players.empty()) return;
    for (int i = 0; i < count; ++i) {
        cEdShot record;
        record.m_Graphic = static_cast<int16_t>(i % 30 + 1);
        record.m_SameForce = static_cast<uint8_t>(i % 2);
        record.m_Force = 3;
        cPlacement p;
        p.x = scene.m_ScrollX.m_Pos + 20 + (i * 29) % 600;
        p.y = scene.m_ScrollY.m_Pos + 40 + (i * 53) % 400;
        p.vx = 1.0;
        scene.SpawnShot(scene.m_Players[0], 11, record, p);
    }
}

void TimeStage(const char* name, int screenEffect, int shots) {
    cHeadlessHost host;
    cPlayScene scene;
    scene.SetHost(&host);
    LoadBackLayerPictures(scene);
    for (int i = 0; i < 200 && scene.State() != ePlayRun; ++i) scene.StepFrame(0, 0);
    if (screenEffect) scene.StartScreenEffect(screenEffect, 1);
    AddShots(scene, shots);
    cTiming simulation, painting;
    int frame = 0;
    // Every simulated frame's state hash, chained outside the timings: a change that keeps the
    // play as it was keeps this figure.
    int hashed = 0;
    uint64_t hashes = 0;
    TimeAlternating(
        kRuns,
        [&]() {
            if (hashed == frame) return;
            hashed = frame;
            hashes = hashes * 1099511628211ull ^ scene.StateHash();
        },
        [&]() {
            ++frame;
            scene.StepFrame(static_cast<int16_t>(frame / 20 % 2 ? 2 : 0), static_cast<int16_t>(frame / 7 % 2));
        },
        simulation, [&]() { PaintPlayScene(scene, Display().Back, 1, 0, 1, 1); }, painting);
    PrintShare(name, "simulation of one frame", simulation);
    PrintShare(name, "painting one frame", painting);
    if (shots) printf("| %s: shots alive at the end | %u of %d |\n", name, static_cast<unsigned>(scene.m_Shots.size()), shots);
    printf("| %s: characters in play at the end | %u |\n", name, static_cast<unsigned>(scene.m_Charas.size()));
    printf("| %s: state hashes of the frames played, chained | %016llx |\n", name,
           static_cast<unsigned long long>(hashes * 1099511628211ull ^ scene.StateHash()));
}

// The sample game's first stage (its own project folder beside this one) played from its
// committed log: every frame from the first of play to the goal, simulated and painted, the two
// together beside the frame.
void TimeSampleStage() {
    const char* const name = "sample game's first stage, start to goal";
    uint32_t seed = 0;
    uint64_t hash = 0;
    char folder[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, folder);
    if (!ReadInputLog(kSampleLog, seed, hash, CurrentReplay()) || !SetCurrentDirectoryA("..\\sample") ||
        !ProjectCommonPalette().LoadFile("default\\CommonPalette.cplt4") ||
        LoadStageAndStart("default\\stg4\\w1.stg4", 1) != 1) {
        SetCurrentDirectoryA(folder);
        printf("| %s: the sample game (build/x64/sample) cannot be read |\n", name);
        return;
    }
    const int mode = SceneManager().m_nGameMode;
    SceneManager().m_nGameMode = eModeReplay;
    cHeadlessHost host;
    cPlayScene scene;
    scene.SetHost(&host);
    LoadBackLayerPictures(scene);
    scene.Frame();
    for (int i = 0; i < 500 && scene.State() != ePlayRun; ++i) scene.StepFrame(0, 0);
    std::vector<double> simulation, painting, both;
    for (int guard = 0; guard < 100000 && scene.State() == ePlayRun; ++guard) {
        const long long start = Now();
        scene.StepFrame(0, 0);
        const long long simulated = Now();
        PaintPlayScene(scene, Display().Back, 1, 0, 1, 1);
        const long long painted = Now();
        simulation.push_back(Milliseconds(start, simulated));
        painting.push_back(Milliseconds(simulated, painted));
        both.push_back(Milliseconds(start, painted));
    }
    const bool cleared = scene.State() == ePlayResult;
    SceneManager().m_nGameMode = mode;
    SetCurrentDirectoryA(folder);
    PrintShare(name, "simulation of one frame", Summary(simulation));
    PrintShare(name, "painting one frame", Summary(painting));
    PrintShare(name, "one frame, simulated and painted", Summary(both));
    printf("| %s: frames played | %u, %s |\n", name, static_cast<unsigned>(both.size()),
           cleared ? "the goal reached" : "the goal NOT reached");
}

}  // namespace

void BenchPlay() {
    PrintHeader("play: one frame of the play scene, simulated and painted (ratio: share of a frame)");
    cFlowRuntime* const runtime = SetFlowRuntime(&PlayFlowRuntime());
    if (!StartDisplay() || !ProjectCommonPalette().LoadFile("default\\CommonPalette.cplt4") ||
        !ProjectSystemData().LoadFile("default\\System.dat") ||
        LoadStageAndStart("default\\stg4\\Default.stg4", 1) != 1) {
        printf("| the display or the factory records cannot be made ready |\n");
        SetFlowRuntime(runtime);
        return;
    }
    TimeStage("factory stage", 0, 0);
    MakeStressStage(ProjectStage());
    AddTurningScreen();
    TimeStage("stress stage (300 x 15 blocks, 5 layers, the screen turning, 200 shots, 400 characters)", 1, 200);
    TimeSampleStage();
    SetFlowRuntime(runtime);
}
